// The release-metadata parser, twice: FUZZ_SIGNED unset feeds the raw bytes,
// which mostly stop at the signature; set, the harness signs any JSON object
// with the test key first, so the checks behind the signature are reached.

#include "FuzzSupport.h"

#include "tools/TravokMonetization.h"
#include "tools/TravokMonetizationInternal.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    TravokMonetization::Initialize(QStringLiteral("sumvelle-desktop"), QStringLiteral("Sumvelle Desktop"),
                                   QStringLiteral("1.4.2"));
    return 0;
}

#ifdef FUZZ_SIGNED
namespace {
// Signs as the publisher does: the code covers the compact form of every
// member but the signature.
QByteArray Signed(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return bytes;
    QJsonObject object = document.object();
    object.remove(QStringLiteral("signature"));
    const QByteArray code =
        TravokMonetization::Internal::ReleaseAuthenticationCode(QJsonDocument(object).toJson(QJsonDocument::Compact));
    object.insert(QStringLiteral("signature"), QString::fromLatin1(code.toHex()));
    return QJsonDocument(object).toJson();
}
} // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
#ifdef FUZZ_SIGNED
    bytes = Signed(bytes);
#endif
    TravokMonetization::ReleaseMetadata metadata;
    if (TravokMonetization::ParseReleaseMetadata(bytes, metadata) == TravokMonetization::Success)
        TravokMonetization::CompareReleaseVersion(metadata);
    TravokMonetization::VerifyReleaseJsonAuthentication(bytes);
    return 0;
}

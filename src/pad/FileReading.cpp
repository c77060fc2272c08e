#include "pad/FileReading.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace FileReading {

namespace {
QString NotRegularText()
{
    return QStringLiteral("Not a regular file");
}
QString TooLargeText()
{
    return QStringLiteral("The file is too large");
}
} // namespace

Outcome OpenRegular(QFile& file, qint64 maximumSize, QIODevice::OpenMode extraMode)
{
    Outcome outcome;
    const QFileInfo info(file.fileName());
    if (!info.exists()) {
        outcome.status = Status::Missing;
        outcome.error = QStringLiteral("No such file");
        return outcome;
    }
    if (!info.isFile()) {
        outcome.status = Status::NotRegular;
        outcome.error = NotRegularText();
        return outcome;
    }
    outcome.size = info.size();
    if (outcome.size > maximumSize) {
        outcome.status = Status::TooLarge;
        outcome.error = TooLargeText();
        return outcome;
    }
    if (!file.open(QIODevice::ReadOnly | extraMode)) {
        outcome.status = Status::CannotOpen;
        outcome.error = file.errorString();
    }
    return outcome;
}

Outcome ReadToEnd(QIODevice& device, qint64 expected, qint64 maximumSize, QByteArray& bytes)
{
    Outcome outcome;
    bytes.clear();
    constexpr qint64 PieceSize = qint64(1) << 20;
    // Room for what is expected and a little more, to see the end or a file
    // that grew: most files are far smaller than a piece.
    constexpr qint64 Slack = 4096;
    // One byte past the bound tells a file that grew beyond it.
    const qint64 wanted = maximumSize < 0 ? 0 : maximumSize + 1;
    while (bytes.size() < wanted) {
        const qsizetype kept = bytes.size();
        const qint64 piece = std::min({PieceSize, wanted - kept, std::max(expected - kept, qint64(0)) + Slack});
        bytes.resize(kept + qsizetype(piece));
        const qint64 read = device.read(bytes.data() + kept, piece);
        if (read < 0) {
            bytes.clear();
            outcome.status = Status::ReadFailed;
            outcome.error = device.errorString();
            return outcome;
        }
        bytes.resize(kept + qsizetype(read));
        if (read == 0)
            break;
    }
    outcome.size = bytes.size();
    if (bytes.size() > maximumSize) {
        bytes.clear();
        outcome.status = Status::TooLarge;
        outcome.error = TooLargeText();
    } else if (bytes.size() < expected) {
        // A file that was cut while being read, or a disk that gave up.
        bytes.clear();
        outcome.status = Status::ReadFailed;
        outcome.error = QStringLiteral("The file ended before all of it was read");
    }
    return outcome;
}

Outcome ReadRegular(const QString& path, qint64 maximumSize, QByteArray& bytes)
{
    bytes.clear();
    QFile file(path);
    const Outcome opened = OpenRegular(file, maximumSize);
    if (!opened.ok())
        return opened;
    Outcome read = ReadToEnd(file, opened.size, maximumSize, bytes);
    if (read.status == Status::Ok)
        read.size = opened.size;
    return read;
}

QString WhyUnsafe(const QString& path, qint64 maximumSize)
{
    const QFileInfo info(path);
    // A dangling symbolic link is absent to a reader, but a writer would
    // follow it.
    if (!info.exists() && !info.isSymLink())
        return QString();
    if (!info.isFile())
        return NotRegularText();
    if (info.size() > maximumSize)
        return TooLargeText();
    return QString();
}

} // namespace FileReading

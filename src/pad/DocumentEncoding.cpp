#include "pad/DocumentEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace DocumentEncoding {

bool IsStrictUtf8(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length;
        char32_t value;
        char32_t minimum;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            value = lead & 0x1F;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            value = lead & 0x0F;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            value = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (size - i < length)
            return false;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

namespace {

// 0x80 to 0x9F; zero marks the bytes the code page leaves undefined.
const char16_t Windows1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte that decodes to unit, when there is one.
bool Windows1252Byte(char16_t unit, char& byte)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        byte = char(unit);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        const char16_t decoded = Windows1252High[i] != 0 ? Windows1252High[i] : char16_t(0x80 + i);
        if (decoded == unit) {
            byte = char(0x80 + i);
            return true;
        }
    }
    return false;
}

struct MarkedEncoding
{
    Encoding encoding;
    QStringConverter::Encoding converter;
    const char* mark;
    int markLength;
};

// UTF-32 first: its little-endian mark begins with UTF-16's.
const MarkedEncoding MarkedEncodings[] = {
    {Encoding::Utf32LE, QStringConverter::Utf32LE, "\xFF\xFE\x00\x00", 4},
    {Encoding::Utf32BE, QStringConverter::Utf32BE, "\x00\x00\xFE\xFF", 4},
    {Encoding::Utf16LE, QStringConverter::Utf16LE, "\xFF\xFE", 2},
    {Encoding::Utf16BE, QStringConverter::Utf16BE, "\xFE\xFF", 2},
};

// UTF-16 decoding passes surrogates through unchecked.
bool HasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return true;
    }
    return false;
}

const MarkedEncoding* FindMarked(Encoding encoding)
{
    for (const MarkedEncoding& marked : MarkedEncodings) {
        if (marked.encoding == encoding)
            return &marked;
    }
    return nullptr;
}

} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F && Windows1252High[byte - 0x80] != 0)
            unit = Windows1252High[byte - 0x80];
        out[i] = QChar(unit);
    }
    return text;
}

QString Decode(QByteArrayView bytes, Encoding& encoding)
{
    // A mark whose text does not decode cleanly was no mark: such a file
    // is read as any other.
    for (const MarkedEncoding& marked : MarkedEncodings) {
        const int unit = marked.encoding == Encoding::Utf16LE || marked.encoding == Encoding::Utf16BE ? 2 : 4;
        if (!bytes.startsWith(QByteArrayView(marked.mark, marked.markLength)) || bytes.size() % unit != 0)
            continue;
        QStringDecoder decoder(marked.converter,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString text = decoder.decode(bytes.sliced(marked.markLength));
        if (!decoder.hasError() && !HasLoneSurrogate(text)) {
            encoding = marked.encoding;
            return text;
        }
    }
    if (!IsStrictUtf8(bytes)) {
        encoding = Encoding::Windows1252;
        return DecodeWindows1252(bytes);
    }
    encoding = Encoding::Utf8;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // Only the file's own mark is dropped: QString::fromUtf8 would drop a
    // U+FEFF that begins the text as a second one.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString Decode(QByteArrayView bytes)
{
    Encoding encoding;
    return Decode(bytes, encoding);
}

bool Fits(QStringView text, Encoding encoding)
{
    if (encoding != Encoding::Windows1252)
        return true;
    char byte;
    for (const QChar c : text) {
        if (!Windows1252Byte(c.unicode(), byte))
            return false;
    }
    return true;
}

Encoding SaveEncoding(QStringView text, Encoding read)
{
    if (read != Encoding::Windows1252)
        return read;
    if (!Fits(text, read) || Decode(Encode(text, read)) != text)
        return Encoding::Utf8;
    return read;
}

QByteArray ByteOrderMark(QStringView text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return text.startsWith(QChar(0xFEFF)) ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    const MarkedEncoding* marked = FindMarked(encoding);
    return marked ? QByteArray(marked->mark, marked->markLength) : QByteArray();
}

QByteArray Encode(QStringView text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return text.toUtf8();
    if (encoding == Encoding::Windows1252) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!Windows1252Byte(text.at(i).unicode(), bytes[i]))
                bytes[i] = '?';
        }
        return bytes;
    }
    QStringEncoder encoder(FindMarked(encoding)->converter, QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

} // namespace DocumentEncoding

#include "pad/DocumentEncoding.h"

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

QString DecodeWindows1252(QByteArrayView bytes)
{
    // 0x80 to 0x9F; zero marks the bytes the code page leaves undefined.
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F && high[byte - 0x80] != 0)
            unit = high[byte - 0x80];
        out[i] = QChar(unit);
    }
    return text;
}

QString Decode(QByteArrayView bytes)
{
    if (!IsStrictUtf8(bytes))
        return DecodeWindows1252(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return QString::fromUtf8(bytes);
}

} // namespace DocumentEncoding

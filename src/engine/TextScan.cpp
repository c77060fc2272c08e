#include "engine/TextScan.h"

namespace TextScan {

QString WithoutLoneSurrogates(const QString& text)
{
    QString whole;
    const int length = text.size();
    for (int i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < length && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (whole.isNull())
            whole = text;
        whole[i] = QChar::ReplacementCharacter;
    }
    return whole.isNull() ? text : whole;
}

bool ReadDecimalNumber(const QString& text, int& position, double& value)
{
    const int length = text.size();
    int p = position;
    // The converted text is plain ASCII, so digits of any script convert.
    QString number;
    bool pointSeen = false;
    while (p < length) {
        const QChar c = text.at(p);
        if (IsDecimalDigit(c)) {
            number += QChar(u'0' + c.digitValue());
        } else if (c == QLatin1Char('.') && !pointSeen) {
            pointSeen = true;
            number += c;
        } else {
            break;
        }
        ++p;
    }
    if (number.isEmpty())
        return false;

    if (p < length && (text.at(p) == QLatin1Char('e') || text.at(p) == QLatin1Char('E'))) {
        int q = p + 1;
        QString exponent = QStringLiteral("e");
        if (q < length && (text.at(q) == QLatin1Char('+') || text.at(q) == QLatin1Char('-')))
            exponent += text.at(q++);
        const int digitsStart = q;
        while (q < length && IsDecimalDigit(text.at(q)))
            exponent += QChar(u'0' + text.at(q++).digitValue());
        // Without digits the letter is not an exponent and is left unread.
        if (q > digitsStart) {
            number += exponent;
            p = q;
        }
    }
    position = p;

    bool converted = false;
    value = number.toDouble(&converted);
    return converted;
}

} // namespace TextScan

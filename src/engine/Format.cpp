#include "pad/mainwindow.h"

#include "engine/ProgrammerMath.h"

#include <QLocale>
#include <QVariant>

#include <cmath>
#include <limits>

namespace {

// Answers follow English (United States) conventions whatever the desktop's
// locale, so the same line reads the same everywhere.
const QLocale& AnswerLocale()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

bool IsPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

int CountOf(const QString& text, QChar c)
{
    return int(text.count(c));
}

int CountPlaceholders(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (IsPlaceholder(c))
            ++count;
    }
    return count;
}

// Index of the 'E'/'e' that starts scientific notation, or -1.
int ScientificMarker(const QString& section)
{
    for (int i = 0; i + 1 < section.size(); ++i) {
        const QChar c = section.at(i);
        const QChar next = section.at(i + 1);
        if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && (next == QLatin1Char('+') || next == QLatin1Char('-')))
            return i;
    }
    return -1;
}

QString FormatScientificSection(double value, const QString& section, int marker)
{
    const QString mantissaPattern = section.left(marker);
    const QString exponentPattern = section.mid(marker + 2);
    const QChar signCharacter = section.at(marker + 1);

    int decimals = 0;
    const int point = mantissaPattern.indexOf(QLatin1Char('.'));
    if (point >= 0)
        decimals = CountPlaceholders(mantissaPattern.mid(point + 1));

    const QString written = QString::number(value, 'E', decimals);
    const int e = written.indexOf(QLatin1Char('E'));
    const QString mantissa = e >= 0 ? written.left(e) : written;
    int exponent = 0;
    if (e >= 0) {
        bool fits = false;
        exponent = written.mid(e + 1).toInt(&fits);
        if (!fits)
            exponent = 0;
    }

    // The exponent's magnitude, taken without negating an int.
    QString digits = QString::number(qAbs(qint64(exponent)));
    const int minimumDigits = CountOf(exponentPattern, QLatin1Char('0'));
    if (digits.size() < minimumDigits)
        digits = QString(minimumDigits - digits.size(), QLatin1Char('0')) + digits;

    QString sign;
    if (exponent < 0)
        sign = QStringLiteral("-");
    else if (signCharacter == QLatin1Char('+'))
        sign = QStringLiteral("+");

    return mantissa + section.at(marker) + sign + digits;
}

// Groups a run of digits in threes from the right.
QString GroupDigits(const QString& digits)
{
    const QString separator = AnswerLocale().groupSeparator();
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits.at(i);
    }
    return grouped;
}

QString FormatFixedSection(double value, const QString& section)
{
    if (section.contains(QLatin1Char('%')))
        value *= 100.0;

    const int point = section.indexOf(QLatin1Char('.'));
    const QString integerPattern = point >= 0 ? section.left(point) : section;
    const QString fractionPattern = point >= 0 ? section.mid(point + 1) : QString();

    const int minDecimals = CountOf(fractionPattern, QLatin1Char('0'));
    const int maxDecimals = CountPlaceholders(fractionPattern);

    // Commas right after the last integer placeholder scale by thousands.
    int scalingCommas = 0;
    int lastIntegerPlaceholder = -1;
    for (int i = integerPattern.size() - 1; i >= 0; --i) {
        if (IsPlaceholder(integerPattern.at(i))) {
            lastIntegerPlaceholder = i;
            break;
        }
    }
    if (lastIntegerPlaceholder >= 0) {
        for (int i = lastIntegerPlaceholder + 1; i < integerPattern.size() && integerPattern.at(i) == QLatin1Char(',');
             ++i) {
            ++scalingCommas;
        }
    }
    for (int i = 0; i < scalingCommas; ++i)
        value /= 1000.0;

    const bool grouping = CountOf(integerPattern, QLatin1Char(',')) > scalingCommas;

    QString text =
        grouping ? AnswerLocale().toString(value, 'f', maxDecimals) : QString::number(value, 'f', maxDecimals);

    if (minDecimals < maxDecimals) {
        while (text.contains(QLatin1Char('.')) && text.endsWith(QLatin1Char('0'))
               && text.size() - text.indexOf(QLatin1Char('.')) - 1 > minDecimals) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }

    const int minIntegerDigits = CountOf(integerPattern, QLatin1Char('0'));

    QString sign;
    if (text.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        text.remove(0, 1);
    }

    const int textPoint = text.indexOf(QLatin1Char('.'));
    QString integerDigits = textPoint >= 0 ? text.left(textPoint) : text;
    const QString fractionText = textPoint >= 0 ? text.mid(textPoint) : QString();

    if (grouping)
        integerDigits.remove(AnswerLocale().groupSeparator());
    if (integerDigits.size() < minIntegerDigits)
        integerDigits = QString(minIntegerDigits - integerDigits.size(), QLatin1Char('0')) + integerDigits;
    // Required zeros are grouped like the other digits (#,000 shows 5 as 005
    // and 0,000 as 0,005).
    if (grouping)
        integerDigits = GroupDigits(integerDigits);

    const QString numberText = sign + integerDigits + fractionText;

    int firstPlaceholder = -1;
    int lastPlaceholder = -1;
    for (int i = 0; i < section.size(); ++i) {
        if (IsPlaceholder(section.at(i))) {
            if (firstPlaceholder < 0)
                firstPlaceholder = i;
            lastPlaceholder = i;
        }
    }
    if (firstPlaceholder < 0)
        return section;

    QString prefix = section.left(firstPlaceholder);
    QString suffix = section.mid(lastPlaceholder + 1);
    prefix.remove(QLatin1Char(','));
    suffix.remove(QLatin1Char(','));
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    return prefix + numberText + suffix;
}

} // namespace

QString MainWindow::FormatAnswer(double value, double magnitude)
{
    value = SnapToShortDecimal(value, magnitude);

    // A whole-line BIN/OCT/HEX/DEC asks for its base once, whatever the menu
    // says; it is used up here even when the value cannot be shown in it.
    int base = 0;
    const QVariant oneTimeBase = property(OneTimeOutputBaseProperty);
    if (oneTimeBase.isValid()) {
        base = oneTimeBase.toInt();
        setProperty(OneTimeOutputBaseProperty, QVariant());
    } else {
        base = MenuOutputBase();
    }
    if (base != 0) {
        QString digits;
        if (ProgrammerMath::FormatInteger(value, base, digits))
            return digits;
    }
    return FormatWithNumberFormat(value, numberFormat);
}

double MainWindow::SnapToShortDecimal(double value, double magnitude)
{
    // Only noise beside the size of what went in is snapped away: a small
    // value computed from small operands (6.626e-34, 2^-50) is an answer.
    const double tolerance = qMax(std::fabs(value), magnitude) * 1e-14;
    double scale = 1.0;
    for (int i = 0; i < 13; ++i, scale *= 10.0) {
        const double scaled = value * scale;
        if (!std::isfinite(scaled))
            continue;
        const double rounded = std::round(scaled) / scale;
        if (std::fabs(value - rounded) <= tolerance) {
            // A tiny negative value snaps to -0, which would print as "-0".
            return rounded == 0.0 ? 0.0 : rounded;
        }
    }
    return value;
}

QString MainWindow::FormatWithNumberFormat(double value, const QString& format)
{
    if (format.isEmpty())
        return QString::number(value, 'g', 15);

    const QStringList sections = format.split(QLatin1Char(';'));
    const int count = int(sections.size());
    QString section;
    if (count == 1)
        section = sections.at(0);
    else if (count == 2)
        section = value < 0 ? sections.at(1) : sections.at(0);
    else
        section = value > 0 ? sections.at(0) : value < 0 ? sections.at(1) : sections.at(2);

    if (section.isEmpty())
        return QString();
    // The negative section writes its own sign or brackets.
    if (value < 0 && count >= 2)
        value = -value;
    return FormatNumberSection(value, section);
}

QString MainWindow::FormatNumberSection(double value, QString section)
{
    const int marker = ScientificMarker(section);
    if (marker >= 0)
        return FormatScientificSection(value, section, marker);
    return FormatFixedSection(value, section);
}

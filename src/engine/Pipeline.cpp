#include "pad/mainwindow.h"
#include "engine/NameScan.h"
#include "engine/TextScan.h"

#include "engine/ProgrammerMath.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

using TextScan::CodePointAt;
using TextScan::CodePointBefore;
using TextScan::IsAsciiDigit;
using TextScan::IsAsciiSpace;
using TextScan::IsDecimalDigit;

// Nested whole-line conversions, HEX(BIN(...)), are peeled one level at a
// time; as many levels as the parser allows parentheses.
constexpr int MaximumOutputConversionDepth = TextScan::MaximumNestingDepth;

bool IsKeptMathCharacter(char32_t c)
{
    switch (c) {
    case '.':
    case '!':
    case '%':
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case '^':
        return true;
    default:
        break;
    }
    if (c < 128)
        return IsAsciiDigit(QChar(c)) || IsAsciiSpace(QChar(c));
    return IsDecimalDigit(c) || c == 0x00F7 || c == 0x0085 || c == 0x00A0 || QChar::isSpace(c);
}

// A reading that the parser accepts is the line's answer. A value that is not
// finite is no answer: it would be shown as "inf" and poison ANS and every
// variable it reached. The line then fails at once: a later reading of the
// same text, stripped of what it does not know, would answer a different
// calculation (1e308 PI is not 1e308).
double AnswerOfReading(double value, bool& ok)
{
    if (std::isfinite(value))
        return value;
    ok = false;
    return 0.0;
}

} // namespace

double MainWindow::EvaluateExpression(QString expression, bool& ok, QString& processedText)
{
    expression = TextScan::WithoutLoneSurrogates(expression);

    // A whole-line BIN(...), OCT(...), HEX(...) or DEC(...) evaluates its
    // inner text and leaves the base for the next formatted answer; when
    // conversions nest, the outermost base is the one shown.
    QString line = expression;
    int outermostBase = 0;
    for (int depth = 0;; ++depth) {
        QString inner;
        int base = 0;
        if (!ProgrammerMath::TryExtractOutputConversion(line, inner, base))
            break;
        if (depth == MaximumOutputConversionDepth) {
            ok = false;
            return 0.0;
        }
        if (outermostBase == 0)
            outermostBase = base;
        line = inner;
    }
    if (outermostBase != 0) {
        QString innerProcessed;
        const double value = EvaluateExpression(line, ok, innerProcessed);
        if (!ok)
            return 0.0;
        QString digits;
        if (!ProgrammerMath::FormatInteger(value, outermostBase, digits)) {
            ok = false;
            return 0.0;
        }
        processedText = expression;
        setProperty(OneTimeOutputBaseProperty, outermostBase);
        return value;
    }

    processedText = ReplaceANS(expression);

    QString expanded;
    QString error;
    if (!ExpandCustomFunctions(processedText, expanded, error)) {
        ok = false;
        return 0.0;
    }
    processedText = ReplaceVariables(expanded);
    double value = Eval(processedText, ok);
    if (ok)
        return AnswerOfReading(value, ok);

    // A text that the word operators leave as it is would only fail again;
    // the normaliser has usually rewritten the line already.
    bool writtenInWords = false;
    if (WordOperatorsOn()) {
        const QString rewritten = RewriteWordOperators(processedText);
        if (rewritten != processedText) {
            writtenInWords = true;
            processedText = rewritten;
            value = Eval(processedText, ok);
            if (ok)
                return AnswerOfReading(value, ok);
        } else {
            writtenInWords = !lineWrittenInWords.isEmpty() && lineWrittenInWords.contains(expression);
        }
    }

    // Only labels and notes are stripped: a line whose text carries meaning
    // is never answered as a different calculation.
    ok = false;
    if (!IgnoreTextWhenCannotSolveOn())
        return 0.0;
    const QString stripped = RemoveNonMathText(processedText);
    if (StrippingChangesMeaning(processedText, stripped, writtenInWords))
        return 0.0;
    processedText = stripped;
    value = Eval(processedText, ok);
    if (ok)
        return AnswerOfReading(value, ok);
    return 0.0;
}

QString MainWindow::ReplaceANS(QString text) const
{
    if (!text.contains(QLatin1String("ANS"), Qt::CaseInsensitive))
        return text;
    static const QRegularExpression ansPattern(QStringLiteral("(?<![A-Za-z_])ANS(?![A-Za-z0-9_])"),
                                               QRegularExpression::CaseInsensitiveOption);
    // The shortest text that reads back as the same double: ANS is the answer
    // itself, not its 15-digit picture, and 0.1 still reads 0.1.
    return text.replace(
        ansPattern, QLatin1Char('(') + QString::number(ans, 'g', QLocale::FloatingPointShortest) + QLatin1Char(')'));
}

void MainWindow::SetNumericAnswer(double value)
{
    ans = value;
    ansText.clear();
    ansInstant = QDateTime();
    ansIsDateTime = false;
}

void MainWindow::SetDateTimeAnswer(const QString& text, const QDateTime& instant)
{
    ansText = text;
    ansInstant = instant;
    ansIsDateTime = true;
}

QString MainWindow::ReplaceVariables(QString text) const
{
    if (variables.isEmpty())
        return text;
    QString result;
    int copiedUntil = 0;
    NameScanner names(text);
    while (names.Next()) {
        const auto found = variables.constFind(names.name().toString().toUpper());
        if (found == variables.cend())
            continue;
        result += QStringView(text).mid(copiedUntil, names.start() - copiedUntil);
        result += QLatin1Char('(') + QString::number(*found, 'g', 17) + QLatin1Char(')');
        copiedUntil = names.end();
    }
    if (copiedUntil == 0)
        return text;
    result += QStringView(text).mid(copiedUntil);
    return result;
}

QString MainWindow::RemoveNonMathText(QString text)
{
    QString kept;
    kept.reserve(text.size());
    const int length = text.size();
    int width = 1;
    for (int i = 0; i < length; i += width) {
        const char32_t c = CodePointAt(text, i, width);
        if (IsKeptMathCharacter(c)) {
            kept += QStringView(text).mid(i, width);
            continue;
        }
        if ((c == 'e' || c == 'E') && i > 0 && i + 1 < length) {
            const char32_t before = CodePointBefore(text, i);
            int afterWidth = 1;
            const char32_t after = CodePointAt(text, i + 1, afterWidth);
            if ((IsDecimalDigit(before) || before == '.') && (IsDecimalDigit(after) || after == '+' || after == '-'))
                kept += QChar(c);
        }
    }
    return kept.trimmed();
}

double MainWindow::EvaluateEquationResidual(QString left, QString right, bool& ok)
{
    const double value = Eval(QLatin1Char('(') + left + QStringLiteral(")-(") + right + QLatin1Char(')'), ok);
    if (ok && !std::isfinite(value))
        ok = false;
    return value;
}

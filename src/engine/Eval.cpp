#include "pad/mainwindow.h"

#include "engine/ProgrammerMath.h"
#include "engine/TextScan.h"

#include <QVarLengthArray>

#include <cmath>

// A hand-written recursive-descent parser that evaluates while it reads: every
// rule returns its value at once, no tokens and no tree are built.

namespace {

// Real recursion (parenthesised groups, function arguments, exponents) passes
// a DepthGuard; runs of unary signs are read in a loop and need no bound.
using TextScan::DepthGuard;
using TextScan::IsAsciiDigit;
using TextScan::IsAsciiLetter;

using TextScan::Pi;
constexpr double Euler = 2.718281828459045;

bool IsNameStart(QChar c)
{
    return IsAsciiLetter(c) || (c.unicode() >= 0x80 && c.isLetter());
}

bool IsNamePart(QChar c)
{
    if (c.unicode() < 0x80)
        return IsAsciiLetter(c) || IsAsciiDigit(c);
    return c.isLetterOrNumber();
}

// Starts an implicit product: "2(3)", "2PI", "2 SIN(x)".
bool StartsImplicitProduct(QChar c)
{
    return c == QLatin1Char('(') || IsAsciiLetter(c) || c == QLatin1Char('_') || (c.unicode() >= 0x80 && c.isLetter());
}

bool Factorial(double x, double& result)
{
    if (!ProgrammerMath::IsSafeInteger(x))
        return false;
    if (x < 0 || x > 170)
        return false;
    const int n = static_cast<int>(x);
    double product = 1.0;
    for (int i = 2; i <= n; ++i)
        product *= i;
    if (!std::isfinite(product))
        return false;
    result = product;
    return true;
}

// Function names and argument lists of ordinary calls fit buffers on the
// stack; longer ones take the heap.
constexpr int MaximumBufferedNameLength = 24;
constexpr int BufferedArguments = 8;

// A list that reads the arguments where they lie, as QString::fromRawData
// does for text: its copies share the buffer, and a callee that changes its
// copy detaches onto the heap. It must not outlive the buffer.
QList<double> BorrowedList(const QVarLengthArray<double, BufferedArguments>& arguments)
{
    return QList<double>(QArrayDataPointer<double>::fromRawData(arguments.constData(), qsizetype(arguments.size())));
}

} // namespace

double MainWindow::Eval(const QString& expression, bool& ok)
{
    QString expanded;
    QString error;
    if (!ExpandCustomFunctions(expression, expanded, error)) {
        ok = false;
        return 0.0;
    }

    parserInput = expanded;
    parserOk = true;
    parserPosition = 0;
    parserDepth = 0;
    SkipSpaces();
    if (parserPosition >= parserInput.size()) {
        parserOk = false;
        ok = false;
        return 0.0;
    }

    const double value = ParseExpression();
    SkipSpaces();
    if (parserPosition < parserInput.size())
        parserOk = false;

    ok = parserOk;
    return ok ? value : 0.0;
}

void MainWindow::SkipSpaces()
{
    while (parserPosition < parserInput.size() && parserInput.at(parserPosition).isSpace())
        ++parserPosition;
}

double MainWindow::ParseExpression()
{
    DepthGuard guard(parserDepth);
    if (guard.Exceeded()) {
        parserOk = false;
        return 0.0;
    }

    double value = ParseTerm();
    while (parserOk) {
        SkipSpaces();
        if (parserPosition >= parserInput.size())
            break;
        const QChar c = parserInput.at(parserPosition);
        if (c == QLatin1Char('+')) {
            ++parserPosition;
            value += ParseTerm();
        } else if (c == QLatin1Char('-')) {
            ++parserPosition;
            value -= ParseTerm();
        } else {
            break;
        }
    }
    return value;
}

double MainWindow::ParseTerm()
{
    double value = ParseUnary();
    while (parserOk) {
        SkipSpaces();
        if (parserPosition >= parserInput.size())
            break;
        const QChar c = parserInput.at(parserPosition);
        if (c == QLatin1Char('*')) {
            ++parserPosition;
            value *= ParseUnary();
        } else if (c == QLatin1Char('/') || c == QChar(0x00F7)) {
            ++parserPosition;
            const double divisor = ParseUnary();
            if (!parserOk)
                break;
            if (divisor == 0.0) {
                parserOk = false;
                break;
            }
            value /= divisor;
        } else if (StartsImplicitProduct(c)) {
            value *= ParseUnary();
        } else {
            break;
        }
    }
    return value;
}

double MainWindow::ParseUnary()
{
    bool negate = false;
    for (;;) {
        SkipSpaces();
        if (parserPosition >= parserInput.size()) {
            parserOk = false;
            return 0.0;
        }
        const QChar c = parserInput.at(parserPosition);
        if (c == QLatin1Char('+')) {
            ++parserPosition;
        } else if (c == QLatin1Char('-')) {
            ++parserPosition;
            negate = !negate;
        } else {
            break;
        }
    }
    const double value = ParsePower();
    return negate ? -value : value;
}

double MainWindow::ParsePower()
{
    double value = ParsePrimary();
    while (parserOk) {
        SkipSpaces();
        if (parserPosition >= parserInput.size())
            return value;
        const QChar c = parserInput.at(parserPosition);
        if (c == QLatin1Char('!')) {
            ++parserPosition;
            if (!Factorial(value, value)) {
                parserOk = false;
                return 0.0;
            }
        } else if (c == QLatin1Char('%')) {
            ++parserPosition;
            value /= 100.0;
        } else {
            break;
        }
    }
    if (!parserOk)
        return value;

    if (parserPosition < parserInput.size() && parserInput.at(parserPosition) == QLatin1Char('^')) {
        ++parserPosition;
        DepthGuard guard(parserDepth);
        if (guard.Exceeded()) {
            parserOk = false;
            return 0.0;
        }
        const double exponent = ParseUnary();
        if (!parserOk)
            return 0.0;
        value = std::pow(value, exponent);
    }
    return value;
}

double MainWindow::ParsePrimary()
{
    SkipSpaces();
    const int length = parserInput.size();

    if (parserPosition < length) {
        const QChar c = parserInput.at(parserPosition);
        if (c == QLatin1Char('(')) {
            ++parserPosition;
            const double value = ParseExpression();
            if (!parserOk)
                return 0.0;
            SkipSpaces();
            if (parserPosition >= length || parserInput.at(parserPosition) != QLatin1Char(')')) {
                parserOk = false;
                return 0.0;
            }
            ++parserPosition;
            return value;
        }

        if (IsNameStart(c)) {
            const int start = parserPosition;
            bool ascii = true;
            while (parserPosition < length && IsNamePart(parserInput.at(parserPosition))) {
                ascii = ascii && parserInput.at(parserPosition).unicode() < 0x80;
                ++parserPosition;
            }
            // An ASCII name is upper-cased into a buffer on the stack and
            // lent to the callee, so a call allocates nothing; other names
            // follow the full Unicode case rules.
            const int nameLength = parserPosition - start;
            char16_t upperCase[MaximumBufferedNameLength];
            QString name;
            if (ascii && nameLength <= MaximumBufferedNameLength) {
                for (int i = 0; i < nameLength; ++i) {
                    const char16_t u = parserInput.at(start + i).unicode();
                    upperCase[i] = u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
                }
                name = QString::fromRawData(reinterpret_cast<const QChar*>(upperCase), nameLength);
            } else {
                name = parserInput.mid(start, nameLength).toUpper();
            }
            SkipSpaces();
            if (name == QLatin1String("PI"))
                return Pi;
            if (name == QLatin1String("EULER"))
                return Euler;
            if (parserPosition < length && parserInput.at(parserPosition) == QLatin1Char('('))
                return ParseFunction(name);
            parserOk = false;
            return 0.0;
        }
    }

    int position = parserPosition;
    double literal = 0.0;
    bool prefixSeen = false;
    if (ProgrammerMath::TryParseBaseLiteral(parserInput, position, literal, prefixSeen)) {
        parserPosition = position;
        return literal;
    }
    if (prefixSeen) {
        parserOk = false;
        return 0.0;
    }

    double value = 0.0;
    if (!TextScan::ReadDecimalNumber(parserInput, parserPosition, value)) {
        parserOk = false;
        return 0.0;
    }
    return value;
}

double MainWindow::ParseFunction(QString name)
{
    DepthGuard guard(parserDepth);
    if (guard.Exceeded()) {
        parserOk = false;
        return 0.0;
    }

    const int length = parserInput.size();
    ++parserPosition; // the "("
    SkipSpaces();

    QVarLengthArray<double, BufferedArguments> arguments;
    if (parserPosition < length && parserInput.at(parserPosition) == QLatin1Char(')')) {
        ++parserPosition;
    } else {
        for (;;) {
            const double argument = ParseExpression();
            if (!parserOk)
                return 0.0;
            arguments.append(argument);
            SkipSpaces();
            if (parserPosition >= length) {
                parserOk = false;
                return 0.0;
            }
            const QChar c = parserInput.at(parserPosition);
            if (c == QLatin1Char(',')) {
                ++parserPosition;
                SkipSpaces();
            } else if (c == QLatin1Char(')')) {
                ++parserPosition;
                break;
            } else {
                parserOk = false;
                return 0.0;
            }
        }
    }

    bool ok = true;
    const double value = RunFunction(name, BorrowedList(arguments), ok);
    if (!ok) {
        parserOk = false;
        return 0.0;
    }
    return value;
}

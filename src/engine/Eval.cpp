#include "pad/mainwindow.h"

#include "engine/ProgrammerMath.h"
#include "engine/TextScan.h"

#include <QSet>
#include <QVarLengthArray>

#include <cmath>

using namespace Qt::StringLiterals;

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

// Every rule leaves, beside its value, the magnitude of what went into it: the
// scale at which rounding noise in the value lives. A sum that cancels keeps
// the size of its terms (0.1 + 0.2 - 0.3 is noise beside 0.3), a product or a
// quotient carries its operands' noise along, and a value read from the text
// is its own magnitude. The answer's snap is measured against it.
double Magnitude(double value, double magnitude)
{
    const double own = std::fabs(value);
    if (!std::isfinite(magnitude) || magnitude < own)
        return own;
    return magnitude;
}

// How many times the value's own size its magnitude is.
double Excess(double value, double magnitude)
{
    const double own = std::fabs(value);
    return own > 0 && std::isfinite(own) ? qMax(1.0, magnitude / own) : 1.0;
}

// The core functions that compute their value to full relative precision.
bool IsCoreFunction(const QString& name)
{
    static const QSet<QString> names{u"SQRT"_s, u"ABS"_s,  u"LOG"_s,   u"LN"_s,    u"EXP"_s,  u"ASIN"_s,
                                     u"ACOS"_s, u"ATAN"_s, u"ROUND"_s, u"FLOOR"_s, u"CEIL"_s, u"SIGN"_s,
                                     u"RAD"_s,  u"DEG"_s,  u"ATAN2"_s, u"GCD"_s,   u"LCM"_s};
    return names.contains(name);
}

// The trigonometric functions carry their argument's noise as an absolute
// error (SIN(PI) is noise beside PI); the core functions keep the relative
// noise of their noisiest argument. The function families subtract, sum and
// iterate inside (COORDDEV(25.03, 25), RATE), which leaves noise of the size
// of their arguments; it is counted up to units only, so that a large
// argument does not cut real digits from an answer such as a payment.
double CallMagnitude(const QString& name, const QVarLengthArray<double, BufferedArguments>& arguments,
                     const QVarLengthArray<double, BufferedArguments>& magnitudes, double value)
{
    if (arguments.size() == 1) {
        const double x = arguments.at(0);
        double slope = -1.0;
        if (name == QLatin1String("SIN"))
            slope = std::fabs(std::cos(x));
        else if (name == QLatin1String("COS"))
            slope = std::fabs(std::sin(x));
        else if (name == QLatin1String("TAN"))
            slope = 1.0 + value * value;
        if (slope >= 0)
            return Magnitude(value, slope * magnitudes.at(0));
    }
    double excess = 1.0;
    double largestArgument = 0.0;
    for (int i = 0; i < arguments.size(); ++i) {
        excess = qMax(excess, Excess(arguments.at(i), magnitudes.at(i)));
        largestArgument = qMax(largestArgument, magnitudes.at(i));
    }
    const double relative = std::fabs(value) * excess;
    if (IsCoreFunction(name))
        return Magnitude(value, relative);
    return Magnitude(value, qMax(relative, qMin(largestArgument, 1.0)));
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
    if (!ok)
        return 0.0;
    evaluatedMagnitude = Magnitude(value, parserMagnitude);
    return value;
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
    double magnitude = parserMagnitude;
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
        magnitude = qMax(magnitude, parserMagnitude);
    }
    parserMagnitude = Magnitude(value, magnitude);
    return value;
}

double MainWindow::ParseTerm()
{
    double value = ParseUnary();
    double magnitude = parserMagnitude;
    while (parserOk) {
        SkipSpaces();
        if (parserPosition >= parserInput.size())
            break;
        const QChar c = parserInput.at(parserPosition);
        const bool divides = c == QLatin1Char('/') || c == QChar(0x00F7);
        if (c == QLatin1Char('*') || divides)
            ++parserPosition;
        else if (!StartsImplicitProduct(c))
            break;
        const double operand = ParseUnary();
        if (!parserOk)
            break;
        // The result carries the larger relative noise of its two operands.
        const double excess = qMax(Excess(value, magnitude), Excess(operand, parserMagnitude));
        if (divides) {
            if (operand == 0.0) {
                parserOk = false;
                break;
            }
            value /= operand;
        } else {
            value *= operand;
        }
        magnitude = std::fabs(value) * excess;
    }
    parserMagnitude = Magnitude(value, magnitude);
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
            parserMagnitude = value;
        } else if (c == QLatin1Char('%')) {
            ++parserPosition;
            value /= 100.0;
            parserMagnitude /= 100.0;
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
        const double baseExcess = Excess(value, parserMagnitude);
        const double exponent = ParseUnary();
        if (!parserOk)
            return 0.0;
        const double excess = qMax(baseExcess, Excess(exponent, parserMagnitude));
        value = std::pow(value, exponent);
        parserMagnitude = Magnitude(value, std::fabs(value) * excess);
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
            if (name == QLatin1String("PI")) {
                parserMagnitude = Pi;
                return Pi;
            }
            if (name == QLatin1String("EULER")) {
                parserMagnitude = Euler;
                return Euler;
            }
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
        parserMagnitude = std::fabs(literal);
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
    parserMagnitude = std::fabs(value);
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
    QVarLengthArray<double, BufferedArguments> magnitudes;
    if (parserPosition < length && parserInput.at(parserPosition) == QLatin1Char(')')) {
        ++parserPosition;
    } else {
        for (;;) {
            const double argument = ParseExpression();
            if (!parserOk)
                return 0.0;
            arguments.append(argument);
            magnitudes.append(parserMagnitude);
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
    parserMagnitude = CallMagnitude(name, arguments, magnitudes, value);
    return value;
}

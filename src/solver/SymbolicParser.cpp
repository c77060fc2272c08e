#include "solver/SymbolicParser.h"

#include "engine/TextScan.h"
#include "solver/SimplifyRules.h"

using Kind = SimplifyNodeType;
using TextScan::IsAsciiDigit;
using TextScan::IsAsciiLetter;
using TextScan::IsDecimalDigit;

namespace {

bool IsOtherLetter(QChar c)
{
    return c.unicode() >= 0x80 && c.isLetter();
}

bool StartsName(QChar c)
{
    return IsAsciiLetter(c) || IsOtherLetter(c) || c == QLatin1Char('_');
}

bool ContinuesName(QChar c)
{
    if (c.unicode() < 0x80)
        return IsAsciiLetter(c) || IsAsciiDigit(c) || c == QLatin1Char('_');
    return c.isLetterOrNumber();
}

bool StartsImplicitProduct(QChar c)
{
    return IsDecimalDigit(c) || c == QLatin1Char('.') || c == QLatin1Char('(') || StartsName(c);
}

// Grows the depth for as long as one grammar level is being read.
class NestingLevel
{
public:
    explicit NestingLevel(int& counter) : depth(counter) { ++depth; }
    ~NestingLevel() { --depth; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;
    bool TooDeep() const { return depth > SymbolicBudget::MaximumNesting; }

private:
    int& depth;
};

} // namespace

int FindTopLevelEquals(const QString& text)
{
    int depth = 0;
    int found = -1;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (depth == 0)
                return -2;
            --depth;
        } else if (c == QLatin1Char('=') && depth == 0) {
            if (found >= 0)
                return -2;
            found = i;
        }
    }
    return depth == 0 ? found : -2;
}

void SimplifyParser::SkipSpaces()
{
    while (position < text.size() && text.at(position).isSpace())
        ++position;
}

SimplifyNodePtr SimplifyParser::Fail()
{
    ok = false;
    return {};
}

SimplifyNodePtr SimplifyParser::Made(SimplifyNodePtr node)
{
    if (++nodes > SymbolicBudget::MaximumNodes) {
        SymbolicBudget::Current().tooLarge = true;
        return Fail();
    }
    return node;
}

SimplifyNodePtr SimplifyParser::ParseExpression()
{
    SimplifyNodePtr result = ParseTerm();
    if (!ok)
        return result;
    while (ok) {
        SkipSpaces();
        if (position >= text.size())
            return result;
        const QChar c = text.at(position);
        if (c != QLatin1Char('+') && c != QLatin1Char('-'))
            return result;
        ++position;
        SimplifyNodePtr term = ParseTerm();
        if (!term)
            return Fail();
        result = Made(MakeBinary(c == QLatin1Char('+') ? Kind::Add : Kind::Subtract, result, term));
    }
    return result;
}

SimplifyNodePtr SimplifyParser::ParseTerm()
{
    SimplifyNodePtr result = ParseUnary();
    if (!ok)
        return result;
    while (ok) {
        SkipSpaces();
        if (position >= text.size())
            return result;
        const QChar c = text.at(position);
        Kind kind = Kind::Multiply;
        if (c == QLatin1Char('*') || c == QLatin1Char('/')) {
            ++position;
            if (c == QLatin1Char('/'))
                kind = Kind::Divide;
        } else if (!StartsImplicitProduct(c)) {
            return result;
        }
        SimplifyNodePtr factor = ParseUnary();
        if (!factor)
            return Fail();
        result = Made(MakeBinary(kind, result, factor));
    }
    return result;
}

SimplifyNodePtr SimplifyParser::ParseUnary()
{
    NestingLevel level(depth);
    if (level.TooDeep()) {
        SymbolicBudget::Current().tooLarge = true;
        return Fail();
    }
    SkipSpaces();
    if (position >= text.size())
        return Fail();
    const QChar c = text.at(position);
    if (c == QLatin1Char('+')) {
        ++position;
        return ParseUnary();
    }
    if (c == QLatin1Char('-')) {
        ++position;
        SimplifyNodePtr operand = ParseUnary();
        if (!operand)
            return Fail();
        return Made(MakeUnary(Kind::Negate, operand));
    }

    SimplifyNodePtr primary = ParsePrimary();
    if (!ok || !primary)
        return Fail();
    SkipSpaces();
    if (position < text.size() && text.at(position) == QLatin1Char('^')) {
        ++position;
        SimplifyNodePtr exponent = ParseUnary();
        if (!exponent)
            return Fail();
        return Made(MakeBinary(Kind::Power, primary, exponent));
    }
    return primary;
}

SimplifyNodePtr SimplifyParser::ParsePrimary()
{
    const QChar c = text.at(position);
    if (c == QLatin1Char('(')) {
        ++position;
        SimplifyNodePtr inner = ParseExpression();
        if (!ok)
            return Fail();
        SkipSpaces();
        if (position >= text.size() || text.at(position) != QLatin1Char(')'))
            return Fail();
        ++position;
        return inner;
    }
    if (IsDecimalDigit(c) || c == QLatin1Char('.'))
        return ParseNumber();
    if (StartsName(c))
        return ParseName();
    return Fail();
}

SimplifyNodePtr SimplifyParser::ParseNumber()
{
    // Digits of every script are taken, so they are converted by their value.
    QString number;
    bool pointTaken = false;
    bool exponentTaken = false;
    while (position < text.size()) {
        const QChar c = text.at(position);
        if (IsDecimalDigit(c)) {
            number += QChar(u'0' + c.digitValue());
        } else if (c == QLatin1Char('.') && !pointTaken && !exponentTaken) {
            pointTaken = true;
            number += c;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && !exponentTaken) {
            exponentTaken = true;
            number += c;
            if (position + 1 < text.size()
                && (text.at(position + 1) == QLatin1Char('+') || text.at(position + 1) == QLatin1Char('-'))) {
                ++position;
                number += text.at(position);
            }
        } else {
            break;
        }
        ++position;
    }
    bool converted = false;
    const double value = number.toDouble(&converted);
    if (!converted)
        return Fail();
    return Made(MakeNumber(value));
}

SimplifyNodePtr SimplifyParser::ParseName()
{
    const int start = position;
    ++position;
    while (position < text.size() && ContinuesName(text.at(position)))
        ++position;
    const QString name = text.mid(start, position - start);
    SkipSpaces();
    const QString upper = name.toUpper();
    static const QStringList functions = {QStringLiteral("SIN"), QStringLiteral("COS"), QStringLiteral("TAN"),
                                          QStringLiteral("SQRT"), QStringLiteral("ABS")};
    if (functions.contains(upper) && position < text.size() && text.at(position) == QLatin1Char('(')) {
        ++position;
        SimplifyNodePtr argument = ParseExpression();
        if (!ok)
            return Fail();
        SkipSpaces();
        if (position >= text.size() || text.at(position) != QLatin1Char(')'))
            return Fail();
        ++position;
        return Made(MakeFunction(upper, argument));
    }
    return Made(MakeVariable(name));
}

bool ParseWholeExpression(const QString& text, SimplifyNodePtr& tree)
{
    SimplifyParser parser(text);
    SimplifyNodePtr read = parser.ParseExpression();
    if (!parser.ok || !read)
        return false;
    parser.SkipSpaces();
    if (parser.position < parser.text.size())
        return false;
    tree = std::move(read);
    return true;
}

bool ParseSymbolicExpression(const QString& text, SimplifyNodePtr& node)
{
    SimplifyNodePtr tree;
    if (!ParseWholeExpression(text, tree))
        return false;
    node = SimplifyNodeTree(tree, false);
    return !SymbolicBudget::Current().Failed();
}

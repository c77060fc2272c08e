// User-defined functions: the store's expansion into plain text, its saving
// and loading, and the entries it adds to the syntax catalogue.

#include "engine/CustomFunctions.h"

#include "engine/ProgrammerMath.h"
#include "engine/TextScan.h"
#include "pad/mainwindow.h"
#include "engine/NameScan.h"

#include <QSettings>

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

using TextScan::CodePointAt;
using TextScan::IsAsciiDigit;
using TextScan::IsAsciiLetter;

// One text takes at most 99 expansions: the 100th fails, so a function that
// calls itself ends with an error instead of running forever.
constexpr int ExpansionBudget = 100;

// Functions that pass their parameter several times to the next one grow the
// text geometrically long before the budget runs out.
constexpr qsizetype MaximumExpandedLength = 1000000;

const QString& ExpansionLimitError()
{
    static const QString error = QStringLiteral("Custom function expansion limit reached");
    return error;
}

const QString& SettingsArrayName()
{
    static const QString name = QStringLiteral("CustomFunctions");
    return name;
}

bool BeginsToken(char32_t c)
{
    if (c < 0x80)
        return IsAsciiLetter(QChar(c)) || c == '_';
    return QChar::isLetter(c);
}

bool ContinuesToken(char32_t c)
{
    if (c < 0x80)
        return IsAsciiLetter(QChar(c)) || IsAsciiDigit(QChar(c)) || c == '_';
    return QChar::isLetterOrNumber(c);
}

// The upper-case form of text[start, end) in buffer, whose storage is reused
// from token to token: the scans run on every evaluation.
void UpperCaseInto(const QString& text, int start, int end, QString& buffer)
{
    buffer.resize(end - start);
    QChar* out = buffer.data();
    for (int i = start; i < end; ++i) {
        const char16_t u = text.at(i).unicode();
        if (u >= 0x80) {
            // Full case mapping may change the length (ß is SS).
            buffer = text.mid(start, end - start).toUpper();
            return;
        }
        out[i - start] = QChar(u >= 'a' && u <= 'z' ? char16_t(u - ('a' - 'A')) : u);
    }
}

using NameIndex = MainWindow::CustomFunctionNameIndex;

quint64 NameIndexBit(const QString& name, int& slot)
{
    const char16_t first = name.isEmpty() ? 0 : name.at(0).unicode();
    slot = first < 128 ? first : 0;
    return quint64(1) << qMin<qsizetype>(name.size(), 63);
}

// The definition named by the upper-case name, or null.
const MainWindow::CustomFunctionDefinition* FindDefinition(
    const QMap<QString, MainWindow::CustomFunctionDefinition>& definitions, NameIndex& index, const QString& name)
{
    if (!definitions.isSharedWith(index.source)) {
        index.source = definitions;
        std::fill(std::begin(index.lengths), std::end(index.lengths), 0);
        for (auto it = definitions.cbegin(); it != definitions.cend(); ++it) {
            int slot = 0;
            const quint64 bit = NameIndexBit(it.key(), slot);
            index.lengths[slot] |= bit;
        }
    }
    int slot = 0;
    const quint64 bit = NameIndexBit(name, slot);
    if (!(index.lengths[slot] & bit))
        return nullptr;
    const auto found = definitions.constFind(name);
    return found == definitions.cend() ? nullptr : &*found;
}

} // namespace

namespace CustomFunctionText {

bool TokenScanner::Next(int& start, int& end)
{
    const int length = text.size();
    while (position < length) {
        int width = 1;
        if (!BeginsToken(CodePointAt(text, position, width))) {
            position += width;
            continue;
        }
        if (position != exponentEnd) {
            const int exponent = NumberExponentLength(text, position);
            if (exponent > 0) {
                position += exponent;
                exponentEnd = position;
                continue;
            }
        }
        start = position;
        position += width;
        while (position < length && ContinuesToken(CodePointAt(text, position, width)))
            position += width;
        if (ProgrammerMath::IsBaseLiteralIdentifier(text, start))
            continue;
        end = position;
        return true;
    }
    return false;
}

int CallParenthesisAfter(const QString& text, int tokenEnd)
{
    int i = tokenEnd;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return i < text.size() && text.at(i) == QLatin1Char('(') ? i : -1;
}

bool ReplaceIdentifierTokensWithin(const QString& text, const QMap<QString, QString>& replacements,
                                   qsizetype maximumLength, QString& result)
{
    result.clear();
    if (replacements.isEmpty()) {
        if (text.size() > maximumLength)
            return false;
        result = text;
        return true;
    }
    result.reserve(qMin(text.size(), maximumLength));
    TokenScanner scanner(text);
    int copiedUntil = 0;
    int start = 0;
    int end = 0;
    QString token;
    while (scanner.Next(start, end)) {
        UpperCaseInto(text, start, end, token);
        const auto found = replacements.constFind(token);
        if (found == replacements.cend())
            continue;
        result += QStringView(text).mid(copiedUntil, start - copiedUntil);
        result += *found;
        copiedUntil = end;
        if (result.size() > maximumLength)
            return false;
    }
    result += QStringView(text).mid(copiedUntil);
    return result.size() <= maximumLength;
}

} // namespace CustomFunctionText

QString ReplaceIdentifierTokens(const QString& text, const QMap<QString, QString>& replacements)
{
    QString result;
    CustomFunctionText::ReplaceIdentifierTokensWithin(text, replacements, std::numeric_limits<qsizetype>::max(),
                                                      result);
    return result;
}

bool MainWindow::ExpandCustomFunctions(const QString& input, QString& output, QString& error) const
{
    output = input;
    error.clear();
    // Every evaluation comes through here, the solvers' trial points too:
    // without functions there is nothing to look for.
    if (customFunctions.isEmpty())
        return true;

    for (int budget = ExpansionBudget;;) {
        if (output.isEmpty())
            return true;

        // The first call: outermost and leftmost, since the scan starts
        // again from the beginning after every expansion.
        CustomFunctionText::TokenScanner scanner(output);
        int start = 0;
        int end = 0;
        int open = -1;
        QString name;
        const CustomFunctionDefinition* definition = nullptr;
        while (scanner.Next(start, end)) {
            open = CustomFunctionText::CallParenthesisAfter(output, end);
            if (open < 0)
                continue;
            UpperCaseInto(output, start, end, name);
            definition = FindDefinition(customFunctions, customFunctionNameIndex, name);
            if (definition)
                break;
        }
        if (!definition)
            return true;

        int close = -1;
        int depth = 0;
        for (int i = open; i < output.size(); ++i) {
            const QChar c = output.at(i);
            if (c == QLatin1Char('(')) {
                ++depth;
            } else if (c == QLatin1Char(')') && --depth == 0) {
                close = i;
                break;
            }
        }
        if (close < 0) {
            error = QStringLiteral("Unclosed custom function call: ") + name;
            return false;
        }

        QStringList arguments;
        const QStringView inside = QStringView(output).mid(open + 1, close - open - 1);
        if (!inside.trimmed().isEmpty()) {
            int nesting = 0;
            int pieceStart = 0;
            for (int i = 0; i <= inside.size(); ++i) {
                const QChar c = i < inside.size() ? inside.at(i) : QLatin1Char(',');
                if (c == QLatin1Char('('))
                    ++nesting;
                else if (c == QLatin1Char(')'))
                    --nesting;
                if (c != QLatin1Char(',') || (nesting != 0 && i < inside.size()))
                    continue;
                const QStringView piece = inside.mid(pieceStart, i - pieceStart).trimmed();
                if (piece.isEmpty()) {
                    error = QStringLiteral("Invalid arguments for ") + name;
                    return false;
                }
                arguments.append(piece.toString());
                pieceStart = i + 1;
            }
        }

        const QStringList& parameters = definition->parameters;
        if (arguments.size() != parameters.size()) {
            error = name + QStringLiteral(" expects ") + QString::number(parameters.size())
                + QStringLiteral(" argument(s)");
            return false;
        }

        QMap<QString, QString> replacements;
        for (int i = 0; i < parameters.size(); ++i)
            replacements.insert(parameters.at(i), QLatin1Char('(') + arguments.at(i) + QLatin1Char(')'));
        const int callLength = close + 1 - start;
        // The body and its two parentheses take the call's place.
        const qsizetype room = MaximumExpandedLength - (output.size() - callLength) - 2;
        QString body;
        if (room < 0
            || !CustomFunctionText::ReplaceIdentifierTokensWithin(definition->expression, replacements, room, body)) {
            error = ExpansionLimitError();
            return false;
        }
        output.replace(start, callLength, QLatin1Char('(') + body + QLatin1Char(')'));

        if (--budget == 0) {
            error = ExpansionLimitError();
            return false;
        }
    }
}

void MainWindow::SaveCustomFunctions(QSettings& settings) const
{
    // An earlier, longer array would otherwise leave its tail behind.
    settings.remove(SettingsArrayName());
    settings.beginWriteArray(SettingsArrayName(), int(customFunctions.size()));
    int index = 0;
    for (const CustomFunctionDefinition& definition : customFunctions) {
        settings.setArrayIndex(index++);
        settings.setValue(QStringLiteral("Name"), definition.name);
        settings.setValue(QStringLiteral("Parameters"), definition.parameters);
        settings.setValue(QStringLiteral("Expression"), definition.expression);
    }
    settings.endArray();
}

void MainWindow::LoadCustomFunctions(QSettings& settings)
{
    // The file may have been edited by hand: entries that CREATE FUNCTION
    // would refuse are dropped without a word. Cycles are not looked for
    // here; their expansion fails at its budget.
    //
    // The stored size is not trusted: an edited file could claim millions of
    // entries. The array ends at its first empty entry, and never runs past
    // what anyone could have created.
    customFunctions.clear();
    const int size = std::min(settings.beginReadArray(SettingsArrayName()), MaximumStoredCustomFunctions);
    for (int index = 0; index < size; ++index) {
        settings.setArrayIndex(index);
        if (!settings.contains(QStringLiteral("Name")) && !settings.contains(QStringLiteral("Expression"))
            && !settings.contains(QStringLiteral("Parameters")))
            break;
        CustomFunctionDefinition definition;
        definition.name = settings.value(QStringLiteral("Name")).toString().trimmed().toUpper();
        // A single name is stored as a plain string; toStringList makes it a list of one.
        const QStringList storedParameters = settings.value(QStringLiteral("Parameters")).toStringList();
        definition.expression = settings.value(QStringLiteral("Expression")).toString().trimmed();

        if (!IsValidVariableName(definition.name) || IsReservedVariableName(definition.name)
            || definition.expression.isEmpty() || customFunctions.contains(definition.name))
            continue;

        bool parametersValid = true;
        for (const QString& stored : storedParameters) {
            const QString parameter = stored.trimmed().toUpper();
            if (!IsValidVariableName(parameter) || IsReservedVariableName(parameter)
                || definition.parameters.contains(parameter)) {
                parametersValid = false;
                break;
            }
            definition.parameters.append(parameter);
        }
        if (parametersValid)
            customFunctions.insert(definition.name, definition);
    }
    settings.endArray();
}

MainWindow::CalculatorSyntaxItem MainWindow::CustomFunctionSyntaxItem(const CustomFunctionDefinition& definition)
{
    CalculatorSyntaxItem item;
    item.name = definition.name;
    item.syntax =
        definition.name + QLatin1Char('(') + definition.parameters.join(QStringLiteral(", ")) + QLatin1Char(')');
    item.parameters = definition.parameters;
    item.isFunction = true;
    return item;
}

QList<MainWindow::CalculatorSyntaxItem> MainWindow::GetCustomFunctionSyntaxItems() const
{
    QList<CalculatorSyntaxItem> items;
    items.reserve(customFunctions.size());
    for (const CustomFunctionDefinition& definition : customFunctions)
        items.append(CustomFunctionSyntaxItem(definition));
    return items;
}

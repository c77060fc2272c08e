#include "pad/mainwindow.h"

namespace {

using Item = MainWindow::CalculatorSyntaxItem;

// Usage texts of the callable functions, in the order they are offered. The
// name and the parameter labels are read off each text.
// clang-format off
const char* const functionSyntaxes[] = {
    // trigonometry
    "SIN(angle)", "COS(angle)", "TAN(angle)", "ASIN(value)", "ACOS(value)", "ATAN(value)", "ATAN2(y, x)",
    "RAD(degrees)", "DEG(radians)",
    // general
    "SQRT(value)", "ABS(value)", "SIGN(value)", "FRACTION(value)", "LOG(value)", "LN(value)", "EXP(value)",
    "ROUND([decimalPlaces,] value)", "FLOOR(value)", "CEIL(value)",
    // statistics
    "MIN(value1, value2, ...)", "MAX(value1, value2, ...)", "SUM(value1, value2, ...)", "AVG(value1, value2, ...)",
    "MEDIAN(value1, value2, ...)", "STDEV(value1, value2, ...)", "MODE(value1, value2, ...)",
    "COUNT(value1, value2, ...)", "RANGE(value1, value2, ...)", "STDEVP(value1, value2, ...)",
    "VARIANCE(value1, value2, ...)", "VARIANCEP(value1, value2, ...)", "GEOMEAN(value1, value2, ...)",
    "HARMEAN(value1, value2, ...)", "RMS(value1, value2, ...)", "SUMSQ(value1, value2, ...)",
    "PERCENTILE(percentile, value1, value2, ...)", "QUARTILE(number, value1, value2, ...)",
    "SKEW(value1, value2, ...)", "KURTOSIS(value1, value2, ...)",
    // random and integer
    "RANDOM()", "RANDINT(minimum, maximum)", "GCD(integer1, integer2)", "LCM(integer1, integer2)",
    // positional tolerance
    "POSITION(dx, dy)", "TRUEPOSITION(dx, dy)", "POSITION3D(dx, dy, dz)",
    "BONUSTOL(actualSize, materialConditionSize)", "TOTALTOL(statedTolerance, bonusTolerance)",
    "POSITIONALLOW(statedTolerance, actualSize, materialConditionSize)", "VCINTERNAL(mmcSize, geometricTolerance)",
    "VCEXTERNAL(mmcSize, geometricTolerance)", "RCINTERNAL(lmcSize, geometricTolerance)",
    "RCEXTERNAL(lmcSize, geometricTolerance)", "FIXEDFASTENER(holeMMC, fastenerMMC)",
    "FLOATINGFASTENER(holeMMC, fastenerMMC)", "COORDDEV(actual, basic)", "RADIALDEV(dx, dy)",
    "DIAMETRALDEV(dx, dy)", "ZEROTOLMMC(actualSize, mmcSize)", "BOUNDARYINTERNAL(featureSize, geometricTolerance)",
    "BOUNDARYEXTERNAL(featureSize, geometricTolerance)", "POSITIONMARGIN(allowedPosition, actualPosition)",
    "POSITIONUTIL(actualPosition, allowedPosition)",
    // programmer
    "BIN(integer)", "OCT(integer)", "HEX(integer)", "DEC(integer)", "AND(integer1, integer2)",
    "BITAND(integer1, integer2)", "OR(integer1, integer2)", "BITOR(integer1, integer2)", "XOR(integer1, integer2)",
    "BITXOR(integer1, integer2)", "NOT(integer)", "BITNOT(integer)", "SHL(integer, shiftCount)",
    "SHR(integer, shiftCount)", "LSHIFT(integer, shiftCount)", "RSHIFT(integer, shiftCount)",
};
// clang-format on

// clang-format off
const char* const dateSyntaxes[] = {
    "DATE(\"M/D/YYYY [H:MM AM/PM]\")", "DAYS(date1, date2)", "AGE(birthDate)", "WEEKDAY(date)", "DAY(date)",
    "MONTH(date)", "YEAR(date)", "HOUR(time)", "MINUTE(time)", "SECOND(time)",
};
// clang-format on

// clang-format off
const char* const financialSyntaxes[] = {
    "FV(rate, periods, presentValue [, payment])", "PV(rate, periods, futureValue [, payment])",
    "PMT(rate, periods, presentValue [, futureValue])", "NPER(rate, payment, presentValue [, futureValue])",
    "RATE(periods, payment, presentValue [, futureValue])", "IPMT(rate, paymentNumber, periods, presentValue)",
    "PPMT(rate, paymentNumber, periods, presentValue)", "BALANCE(rate, periods, presentValue, paymentsMade)",
    "INTEREST(rate, periods, presentValue)", "COMPOUND(principal, annualRate, compoundsPerYear, years)",
    "APY(annualRate, compoundsPerYear)", "APR(effectiveAnnualRate, compoundsPerYear)",
    "NPV(rate, cashFlow0, cashFlow1, ...)", "IRR(cashFlow0, cashFlow1, ...)", "ROI(initialValue, finalValue)",
    "CAGR(initialValue, finalValue, years)", "PERCENTCHANGE(oldValue, newValue)", "MARKUP(cost, markupRate)",
    "MARGIN(revenue, cost)", "DISCOUNT(price, discountRate)", "TAX(price, taxRate)",
};
// clang-format on

struct CommandEntry
{
    const char* name;
    const char* syntax;     // null: the name itself
    const char* parameters; // labels separated by '|'; null: none
};

const CommandEntry commands[] = {
    {"CLEAR", nullptr, nullptr},
    {"CLR", nullptr, nullptr},
    {"CLS", nullptr, nullptr},
    {"VARS", nullptr, nullptr},
    {"VARIABLES", nullptr, nullptr},
    {"CLEAR VARIABLES", nullptr, nullptr},
    {"EXIT", nullptr, nullptr},
    {"END", nullptr, nullptr},
    {"CLOSE", nullptr, nullptr},
    {"QUIT", nullptr, nullptr},
    {"INFO", nullptr, nullptr},
    {"UPTIME", nullptr, nullptr},
    {"MIN", nullptr, nullptr},
    {"MAX", nullptr, nullptr},
    {"RESTORE", nullptr, nullptr},
    {"TOPMOST", nullptr, nullptr},
    {"TOP MOST", nullptr, nullptr},
    {"ONTOP", nullptr, nullptr},
    {"ON TOP", nullptr, nullptr},
    {"NOTONTOP", nullptr, nullptr},
    {"NOT ON TOP", nullptr, nullptr},
    {"NOT TOPMOST", nullptr, nullptr},
    {"NOT TOP MOST", nullptr, nullptr},
    {"FONT", "FONT size", "size"},
    {"FORMAT", "FORMAT=formatString", "formatString"},
    {"MENU", "MENU option [value]", "option|value"},
    {"MENU OUTPUT BASE", "MENU OUTPUT BASE [DEC/BIN/OCT/HEX]", "base"},
    {"MENU OUTPUT BASE DEC", nullptr, nullptr},
    {"MENU OUTPUT BASE BIN", nullptr, nullptr},
    {"MENU OUTPUT BASE OCT", nullptr, nullptr},
    {"MENU OUTPUT BASE HEX", nullptr, nullptr},
    {"MENU OUTPUT BASE DECIMAL", nullptr, nullptr},
    {"MENU OUTPUT BASE BINARY", nullptr, nullptr},
    {"MENU OUTPUT BASE OCTAL", nullptr, nullptr},
    {"MENU OUTPUT BASE HEXADECIMAL", nullptr, nullptr},
    {"HELP", "HELP [topic]", "topic"},
    {"HELP PROGRAMMER MATH", nullptr, nullptr},
    {"CREATE FUNCTION", "CREATE FUNCTION name(parameter, ...) = expression", "name(parameter, ...)|expression"},
    {"FUNCTIONS", nullptr, nullptr},
    {"DELETE FUNCTION", "DELETE FUNCTION [name]", "name"},
    {"SIMPLIFY", "SIMPLIFY expression-or-equation", "expression-or-equation"},
    {"ISOLATE", "ISOLATE variable, equation", "variable|equation"},
    {"HANDLE", "HANDLE [title]", "title"},
    {"SETTOPMOST", "SETTOPMOST [handle]", "handle"},
    {"SETNOTTOPMOST", "SETNOTTOPMOST [handle]", "handle"},
    {"SHOW", "SHOW [handle]", "handle"},
    {"HIDE", "HIDE [handle]", "handle"},
    {"ENABLE", "ENABLE [handle]", "handle"},
    {"DISABLE", "DISABLE [handle]", "handle"},
};

const char* const constants[] = {"PI", "EULER", "ANS", "TODAY", "NOW"};

// clang-format off
const char* const wordOperators[] = {
    "RAISED TO THE POWER OF", "TO THE POWER OF", "RAISED TO", "MULTIPLIED BY", "DIVIDED BY", "ADDED TO", "PLUS",
    "ADD", "ADDED", "MINUS", "SUBTRACT", "SUBTRACTED", "MULTIPLY", "MULTIPLIED", "TIMES", "OF", "DIVIDE", "DIVIDED",
    "OVER", "POWER", "EXPONENT", "EQUAL", "EQUALS", "POSITIVE", "NEGATIVE",
    // number words
    "ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE", "TEN", "ELEVEN", "TWELVE",
    "THIRTEEN", "FOURTEEN", "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN", "TWENTY", "THIRTY", "FORTY",
    "FIFTY", "SIXTY", "SEVENTY", "EIGHTY", "NINETY", "HUNDRED", "THOUSAND", "MILLION", "BILLION", "TRILLION",
    "POINT",
};
// clang-format on

// NAME(a, b [, c]) gives NAME and the labels a, b, c; a trailing "..." stays
// with the label before it, as in "value2, ...".
Item FunctionItem(const QString& syntax)
{
    Item item;
    const int open = syntax.indexOf(QLatin1Char('('));
    item.name = syntax.left(open);
    item.syntax = syntax;
    item.isFunction = true;
    if (item.name == QLatin1String("DATE")) {
        // Its argument is a quoted pattern, not a label.
        item.parameters = {QStringLiteral("dateText")};
        return item;
    }
    QString inner = syntax.mid(open + 1, syntax.lastIndexOf(QLatin1Char(')')) - open - 1);
    inner.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    const QStringList pieces = inner.split(QLatin1Char(','));
    for (const QString& piece : pieces) {
        const QString label = piece.trimmed();
        if (label.isEmpty())
            continue;
        if (label == QLatin1String("...") && !item.parameters.isEmpty())
            item.parameters.last() += QStringLiteral(", ...");
        else
            item.parameters.append(label);
    }
    return item;
}

Item PlainItem(const QString& name)
{
    Item item;
    item.name = name;
    return item;
}

QList<Item> BuildBuiltInCatalog()
{
    QList<Item> catalog;
    for (const char* syntax : functionSyntaxes)
        catalog.append(FunctionItem(QString::fromLatin1(syntax)));

    // Base-literal prefixes: offered as words, never completed with "(" and
    // never given a hint.
    const char* const literals[][3] = {
        {"0b", "0b(binaryDigits)", "binaryDigits"},
        {"0o", "0o(octalDigits)", "octalDigits"},
        {"0x", "0x(hexadecimalDigits)", "hexadecimalDigits"},
    };
    for (const auto& literal : literals) {
        Item item = PlainItem(QString::fromLatin1(literal[0]));
        item.syntax = QString::fromLatin1(literal[1]);
        item.parameters = {QString::fromLatin1(literal[2])};
        catalog.append(item);
    }

    for (const char* syntax : dateSyntaxes)
        catalog.append(FunctionItem(QString::fromLatin1(syntax)));
    for (const char* syntax : financialSyntaxes)
        catalog.append(FunctionItem(QString::fromLatin1(syntax)));

    for (const char* name : constants)
        catalog.append(PlainItem(QString::fromLatin1(name)));

    for (const CommandEntry& command : commands) {
        Item item = PlainItem(QString::fromLatin1(command.name));
        item.syntax = QString::fromLatin1(command.syntax ? command.syntax : command.name);
        if (command.parameters)
            item.parameters = QString::fromLatin1(command.parameters).split(QLatin1Char('|'));
        item.isCommand = true;
        catalog.append(item);
    }

    for (const char* word : wordOperators) {
        Item item = PlainItem(QString::fromLatin1(word));
        item.isWordOperator = true;
        catalog.append(item);
    }
    return catalog;
}

} // namespace

const QList<MainWindow::CalculatorSyntaxItem>& MainWindow::BuiltInCalculatorSyntaxItems()
{
    static const QList<CalculatorSyntaxItem> builtInCatalog = BuildBuiltInCatalog();
    return builtInCatalog;
}

QList<MainWindow::CalculatorSyntaxItem> MainWindow::GetCalculatorSyntaxCatalog() const
{
    QList<CalculatorSyntaxItem> catalog = BuiltInCalculatorSyntaxItems();
    catalog.append(GetCustomFunctionSyntaxItems());
    return catalog;
}

std::optional<MainWindow::CalculatorSyntaxItem> MainWindow::FindCalculatorSyntaxItem(const QString& name) const
{
    // The built-in entries come first in the catalogue, so they win over a
    // user function of the same name; scanning them in place saves a copy
    // on every keystroke.
    for (const CalculatorSyntaxItem& item : BuiltInCalculatorSyntaxItems()) {
        if (item.name.compare(name, Qt::CaseInsensitive) == 0)
            return item;
    }
    // User functions are looked up by their key rather than listed: the
    // evaluation asks about every called name, with any number defined.
    const auto found = customFunctions.constFind(name.toUpper());
    if (found != customFunctions.cend() && found.key().compare(name, Qt::CaseInsensitive) == 0)
        return CustomFunctionSyntaxItem(*found);
    return std::nullopt;
}

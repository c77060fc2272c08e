// The help catalogue: its fixed frame (order, titles, aliases, categories,
// syntax), the two builders, and the topic lookup that relies on its order.

#include "help/HelpPages.h"
#include "helplookup.h"
#include "support/testsupport.h"

#include <QFile>

#include <algorithm>
#include <QTextStream>

namespace {

struct FrameLine {
    int position = 0;
    QString title;
    QString category;
    bool standardFunction = false;
    QString syntax;
    QStringList aliases;
};

// catalogue.tsv: the topics' titles, categories, builders, syntax and
// aliases in build order.
QList<FrameLine> ReadFrame()
{
    QList<FrameLine> frame;
    QFile file(QFINDTESTDATA("catalogue.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return frame;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList columns = line.split(QLatin1Char('\t'));
        FrameLine entry;
        entry.position = columns.at(0).toInt();
        entry.title = columns.at(1);
        entry.category = columns.at(2);
        entry.standardFunction = columns.at(3) == QStringLiteral("function");
        entry.syntax = QString(columns.at(4)).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        entry.aliases = columns.mid(5);
        frame.append(entry);
    }
    return frame;
}

// The text between a section's heading and the next one.
QString Section(const QString& text, const QString& heading, const QString& nextHeading)
{
    const QString start = QStringLiteral("\n\n") + heading + QStringLiteral(":\n");
    const qsizetype from = text.indexOf(start);
    if (from < 0)
        return QString();
    const qsizetype body = from + start.size();
    if (nextHeading.isEmpty())
        return text.mid(body);
    const qsizetype to = text.indexOf(QStringLiteral("\n\n") + nextHeading + QStringLiteral(":\n"), body);
    return to < 0 ? QString() : text.mid(body, to - body);
}

} // namespace

class HelpCatalogTest : public QObject
{
    Q_OBJECT

private slots:
    void frame_data();
    void frame();
    void wholeCatalogue();
    void categories_data();
    void categories();
    void givenEntries();
    void functionTopicsForm();
    void generalTopicsForm();
    void standardFunctionEntryComposition();
    void addHelpEntryKeepsWhatItIsGiven();
    void hasCategory_data();
    void hasCategory();
    void buildingAppends();
    void lookup_data();
    void lookup();
    void topicsNoKeyReaches_data();
    void topicsNoKeyReaches();
};

void HelpCatalogTest::frame_data()
{
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    // Each run of the catalogue is written in a file of its own.
    QTest::newRow("math topics") << 0 << 1 << 54;
    QTest::newRow("finance topics") << 1 << 55 << 108;
    QTest::newRow("general topics") << 2 << 109 << 171;
}

void HelpCatalogTest::frame()
{
    QFETCH(int, run);
    QFETCH(int, first);
    QFETCH(int, last);

    const QList<FrameLine> frame = ReadFrame();
    QCOMPARE(frame.size(), 171);
    QList<HelpEntry> entries;
    void (*const builders[])(QList<HelpEntry>&) = {&AddMathHelpTopics, &AddFinanceHelpTopics, &AddGeneralHelpTopics};
    builders[run](entries);

    QStringList wrong;
    for (int position = first; position <= last; ++position) {
        const FrameLine& expected = frame.at(position - 1);
        const QString where = QString::number(position) + QLatin1Char(' ') + expected.title + QStringLiteral(": ");
        if (position - first >= entries.size()) {
            wrong.append(where + QStringLiteral("missing"));
            continue;
        }
        const HelpEntry& entry = entries.at(position - first);
        if (entry.title != expected.title)
            wrong.append(where + QStringLiteral("title ") + entry.title);
        if (entry.category != expected.category)
            wrong.append(where + QStringLiteral("category ") + entry.category);
        if (entry.aliases != expected.aliases)
            wrong.append(where + QStringLiteral("aliases ") + entry.aliases.join(QStringLiteral(", ")));
        if (HelpLookup::IsStandardFunctionEntry(entry) != expected.standardFunction)
            wrong.append(where + QStringLiteral("built by the wrong builder"));
        if (expected.standardFunction) {
            const QString syntax = Section(entry.text, QStringLiteral("Syntax"), QStringLiteral("Arguments"));
            if (syntax != expected.syntax)
                wrong.append(where + QStringLiteral("syntax ") + syntax);
        }
    }
    if (entries.size() > last - first + 1)
        wrong.append(QStringLiteral("%1 entries beyond position %2").arg(entries.size() - (last - first + 1)).arg(last));
    QVERIFY2(wrong.isEmpty(), qPrintable(QLatin1Char('\n') + wrong.join(QLatin1Char('\n'))));
}

void HelpCatalogTest::wholeCatalogue()
{
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QCOMPARE(entries.size(), 171);
    const auto standardFunctions =
        std::count_if(entries.cbegin(), entries.cend(), HelpLookup::IsStandardFunctionEntry);
    QCOMPARE(standardFunctions, 106);
    QCOMPARE(entries.first().title, QStringLiteral("SQRT"));
    QCOMPARE(entries.last().title, QStringLiteral("SYNTAX HELP"));
    QCOMPARE(entries.last().category, QStringLiteral("SETTINGS"));
}

void HelpCatalogTest::categories_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("standardFunctions");
    // Build positions, as inclusive ranges.
    QTest::addColumn<QList<int>>("ranges");

    QTest::newRow("FUNCTIONS") << "FUNCTIONS" << 21 << QList<int>{1, 20, 54, 54, 120, 129, 131, 132, 138, 142};
    QTest::newRow("PROGRAMMER MATH") << "PROGRAMMER MATH" << 10 << QList<int>{21, 31};
    QTest::newRow("STATISTICS") << "STATISTICS" << 22 << QList<int>{32, 53, 133, 137};
    QTest::newRow("FINANCIAL") << "FINANCIAL" << 21 << QList<int>{55, 75};
    QTest::newRow("GD&T") << "GD&T" << 20 << QList<int>{76, 96};
    QTest::newRow("DATE & TIME") << "DATE & TIME" << 12 << QList<int>{97, 108, 130, 130};
    QTest::newRow("BASICS") << "BASICS" << 0 << QList<int>{109, 112, 116, 116, 143, 145, 165, 169};
    QTest::newRow("CONVERSIONS") << "CONVERSIONS" << 0 << QList<int>{113, 113};
    QTest::newRow("COMMANDS") << "COMMANDS" << 0 << QList<int>{114, 114, 147, 148, 153, 155, 161, 164};
    QTest::newRow("EQUATIONS") << "EQUATIONS" << 0 << QList<int>{115, 115};
    QTest::newRow("CUSTOM FUNCTIONS") << "CUSTOM FUNCTIONS" << 0 << QList<int>{117, 119};
    QTest::newRow("VARIABLES") << "VARIABLES" << 0 << QList<int>{146, 146};
    QTest::newRow("SOLVER") << "SOLVER" << 0 << QList<int>{149, 152};
    QTest::newRow("WINDOW") << "WINDOW" << 0 << QList<int>{156, 160};
    QTest::newRow("SETTINGS") << "SETTINGS" << 0 << QList<int>{170, 171};
}

void HelpCatalogTest::categories()
{
    QFETCH(QString, category);
    QFETCH(int, standardFunctions);
    QFETCH(QList<int>, ranges);

    QList<int> expected;
    for (qsizetype i = 0; i + 1 < ranges.size(); i += 2) {
        for (int position = ranges.at(i); position <= ranges.at(i + 1); ++position)
            expected.append(position);
    }
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QList<int> positions;
    int functions = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).category != category)
            continue;
        positions.append(int(i + 1));
        if (HelpLookup::IsStandardFunctionEntry(entries.at(i)))
            ++functions;
    }
    QCOMPARE(positions, expected);
    QCOMPARE(functions, standardFunctions);
}

void HelpCatalogTest::givenEntries()
{
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QCOMPARE(entries.size(), 171);

    const HelpEntry& sqrt = entries.at(0);
    QCOMPARE(sqrt.title, QStringLiteral("SQRT"));
    QCOMPARE(sqrt.aliases, (QStringList{"SQRT", "SQUARE ROOT", "ROOT"}));
    QCOMPARE(sqrt.category, QStringLiteral("FUNCTIONS"));
    QCOMPARE(sqrt.summary, QStringLiteral("Returns the non-negative square root of a real value."));
    QCOMPARE(sqrt.text,
             QStringLiteral("SQRT\n\nDescription:\nReturns the non-negative square root of a real value."
                            "\n\nSyntax:\nSQRT(value)"
                            "\n\nArguments:\nvalue: The number or expression whose square root is required. It must "
                            "evaluate to zero or a positive real number."
                            "\n\nExamples:\nSQRT(25) -> 5\nSQRT(144) -> 12\nSQRT(ABS(-100)) -> 10"
                            "\n\nPurpose:\nUse SQRT when reversing a squared value or when a formula requires a "
                            "square root, such as geometry, distance, statistics, and engineering calculations."
                            "\n\nHow It Works:\nSumvelle evaluates the argument and returns the non-negative real "
                            "number which, when multiplied by itself, produces the supplied value. Negative real "
                            "inputs are rejected."));

    const HelpEntry& sqrtTopic = entries.at(119);
    QCOMPARE(sqrtTopic.title, QStringLiteral("SQRT(x)"));
    QCOMPARE(sqrtTopic.aliases, (QStringList{"SQRT", "SQUARE ROOT", "ROOT"}));
    QCOMPARE(sqrtTopic.category, QStringLiteral("FUNCTIONS"));
    QCOMPARE(sqrtTopic.summary, QStringLiteral("Returns the square root of a value."));
    QCOMPARE(sqrtTopic.text,
             QStringLiteral("SQRT(x)\n\nSQRT finds the non-negative number which, when multiplied by itself,\n"
                            "produces x. For example, SQRT(25) is 5 because 5 * 5 = 25.\n\n"
                            "Square roots are commonly used in geometry, distance calculations,\n"
                            "statistics, engineering formulas, and when reversing a squared value.\n\n"
                            "Examples:\n  SQRT(25)          -> 5\n  SQRT(144)         -> 12\n"
                            "  SQRT(ABS(-100))   -> 10\n\n"
                            "For real-number calculations, the value inside SQRT must not be\n"
                            "negative. The equation solver can work at boundaries such as\nSQRT(X)=0."));

    const HelpEntry& clear = entries.at(154);
    QCOMPARE(clear.title, QStringLiteral("CLEAR / CLR / CLS"));
    QCOMPARE(clear.aliases, (QStringList{"CLEAR", "CLR", "CLS", "CLEAR PAD"}));
    QCOMPARE(clear.category, QStringLiteral("COMMANDS"));
    QCOMPARE(clear.summary, QStringLiteral("Clears the calculator pad and removes all user variables."));
    QCOMPARE(clear.text, QStringLiteral("CLEAR / CLR / CLS\n\nClears the calculator pad and removes all currently "
                                        "stored user\nvariables.\n\nThese three commands are aliases:\n  CLEAR\n"
                                        "  CLR\n  CLS"));
}

void HelpCatalogTest::functionTopicsForm()
{
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QStringList wrong;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const HelpEntry& entry = entries.at(i);
        if (!HelpLookup::IsStandardFunctionEntry(entry))
            continue;
        const QString where = QString::number(i + 1) + QLatin1Char(' ') + entry.title + QStringLiteral(": ");
        const QString description = Section(entry.text, QStringLiteral("Description"), QStringLiteral("Syntax"));
        const QString arguments = Section(entry.text, QStringLiteral("Arguments"), QStringLiteral("Examples"));
        const QString examples = Section(entry.text, QStringLiteral("Examples"), QStringLiteral("Purpose"));
        const QString purpose = Section(entry.text, QStringLiteral("Purpose"), QStringLiteral("How It Works"));
        const QString howItWorks = Section(entry.text, QStringLiteral("How It Works"), QString());
        if (entry.summary != description)
            wrong.append(where + QStringLiteral("the summary is not the description"));
        for (const QString& paragraph : {description, purpose, howItWorks}) {
            if (paragraph.trimmed().isEmpty() || paragraph.contains(QLatin1Char('\n')))
                wrong.append(where + QStringLiteral("not a single paragraph: ") + paragraph.left(40));
        }
        if (arguments.trimmed().isEmpty() || examples.trimmed().isEmpty())
            wrong.append(where + QStringLiteral("no arguments or no examples"));
        if (entry.title == QStringLiteral("RANDOM") && arguments != QStringLiteral("No arguments."))
            wrong.append(where + arguments);
        if ((entry.title == QStringLiteral("TODAY") || entry.title == QStringLiteral("NOW"))
            && arguments != QStringLiteral("None."))
            wrong.append(where + arguments);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void HelpCatalogTest::generalTopicsForm()
{
    // Four bodies open with a line of their own; the others with the title.
    const QHash<QString, QString> firstLines{
        {"GD&T", "GD&T / ENGINEERING INSPECTION"},
        {"FUNCTIONS", "FUNCTIONS OVERVIEW"},
        {"CREATE FUNCTION", "CREATE FUNCTION name(parameter, ...) = expression"},
        {"DELETE FUNCTION", "FUNCTIONS"},
    };
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QStringList wrong;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const HelpEntry& entry = entries.at(i);
        if (HelpLookup::IsStandardFunctionEntry(entry))
            continue;
        const QString where = QString::number(i + 1) + QLatin1Char(' ') + entry.title + QStringLiteral(": ");
        const QString firstLine = firstLines.value(entry.title, entry.title);
        if (!entry.text.startsWith(firstLine + QStringLiteral("\n\n")))
            wrong.append(where + QStringLiteral("the body does not open with \"") + firstLine
                         + QStringLiteral("\" and an empty line"));
        if (entry.summary.trimmed().isEmpty() || entry.summary.contains(QLatin1Char('\n')))
            wrong.append(where + QStringLiteral("the summary is not one line"));
        if (entry.text.contains(QLatin1Char('\r')) || entry.text.contains(QLatin1Char('\t')))
            wrong.append(where + QStringLiteral("a tab or carriage return in the body"));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void HelpCatalogTest::standardFunctionEntryComposition()
{
    QList<HelpEntry> entries;
    AddStandardFunctionHelpEntry(entries, "F", {"F"}, "FUNCTIONS", {}, {}, {}, {}, {}, {});
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().text, QStringLiteral("F\n\nDescription:\n\n\nSyntax:\n\n\nArguments:\n\n\nExamples:\n"
                                                  "\n\nPurpose:\n\n\nHow It Works:\n"));
    QCOMPARE(entries.first().summary, QString());

    AddStandardFunctionHelpEntry(entries, "G", {"G", "GEE"}, "STATISTICS", " Returns g. ", "G(x)\nG(x, y)", "x: any",
                                 "G(1) -> 2", "Use it.", "It works.");
    const HelpEntry& entry = entries.at(1);
    QCOMPARE(entry.title, QStringLiteral("G"));
    QCOMPARE(entry.aliases, (QStringList{"G", "GEE"}));
    QCOMPARE(entry.category, QStringLiteral("STATISTICS"));
    QCOMPARE(entry.summary, QStringLiteral(" Returns g. "));
    QCOMPARE(entry.text, QStringLiteral("G\n\nDescription:\n Returns g. \n\nSyntax:\nG(x)\nG(x, y)\n\nArguments:\nx: any"
                                        "\n\nExamples:\nG(1) -> 2\n\nPurpose:\nUse it.\n\nHow It Works:\nIt works."));
}

void HelpCatalogTest::addHelpEntryKeepsWhatItIsGiven()
{
    QList<HelpEntry> entries;
    AddHelpEntry(entries, " min ", {"min", "MIN"}, "window", " Minimises. ", "\nMIN\n");
    AddHelpEntry(entries, " min ", {"min", "MIN"}, "window", " Minimises. ", "\nMIN\n");
    QCOMPARE(entries.size(), 2);
    for (const HelpEntry& entry : std::as_const(entries)) {
        QCOMPARE(entry.title, QStringLiteral(" min "));
        QCOMPARE(entry.aliases, (QStringList{"min", "MIN"}));
        QCOMPARE(entry.category, QStringLiteral("window"));
        QCOMPARE(entry.summary, QStringLiteral(" Minimises. "));
        QCOMPARE(entry.text, QStringLiteral("\nMIN\n"));
    }
}

void HelpCatalogTest::hasCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<bool>("found");
    QTest::newRow("other case") << "functions" << true;
    QTest::newRow("window") << "Window" << true;
    QTest::newRow("no WINDOWS") << "WINDOWS" << false;
    QTest::newRow("no prefix match") << "FUNCTION" << false;
    QTest::newRow("no trimming") << " FUNCTIONS" << false;
    QTest::newRow("with the ampersand") << "gd&t" << true;
    QTest::newRow("not normalised") << "GDT" << false;
}

void HelpCatalogTest::hasCategory()
{
    QFETCH(QString, category);
    QFETCH(bool, found);
    QCOMPARE(HelpHasCategory(HelpLookup::Catalogue(), category), found);
    QVERIFY(!HelpHasCategory({}, category));
}

void HelpCatalogTest::buildingAppends()
{
    const QList<HelpEntry> once = HelpLookup::Catalogue();
    QList<HelpEntry> twice = once;
    BuildGeneralHelpEntries(twice);
    QCOMPARE(twice.size(), 342);
    for (qsizetype i = 0; i < once.size(); ++i) {
        const HelpEntry& first = twice.at(i);
        const HelpEntry& second = twice.at(i + once.size());
        QVERIFY(first.title == second.title && first.aliases == second.aliases && first.category == second.category
                && first.summary == second.summary && first.text == second.text);
    }
}

void HelpCatalogTest::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");

    // Shared titles and keys go to the earliest entry.
    QTest::newRow("MIN is the statistics function") << "MIN" << 32;
    QTest::newRow("MAX is the statistics function") << "max" << 33;
    QTest::newRow("FRACTION is the function topic") << "FRACTION" << 54;
    QTest::newRow("MINIMIZE") << "MINIMIZE" << 156;
    QTest::newRow("MINIMISE") << "minimise" << 156;
    QTest::newRow("MAXIMIZE") << "MAXIMIZE" << 157;
    QTest::newRow("MAXIMISE") << "Maximise" << 157;
    QTest::newRow("APPROXIMATE FRACTION") << "APPROXIMATE FRACTION" << 129;
    QTest::newRow("SQRT") << "SQRT" << 1;
    QTest::newRow("ROOT") << "ROOT" << 1;
    QTest::newRow("SQUARE ROOT") << "square root" << 1;
    QTest::newRow("SQRT(x)") << "SQRT(x)" << 120;
    QTest::newRow("ROUNDING") << "ROUNDING" << 16;
    QTest::newRow("TRUE POSITION") << "TRUE POSITION" << 76;
    QTest::newRow("TRUEPOSITION") << "TRUEPOSITION" << 76;
    QTest::newRow("BONUS TOLERANCE") << "BONUS TOLERANCE" << 76;
    QTest::newRow("TRUE POSITION CALCULATION") << "TRUE POSITION CALCULATION" << 77;
    QTest::newRow("BINARY") << "BINARY" << 21;
    QTest::newRow("OCTAL") << "OCTAL" << 22;
    QTest::newRow("HEXADECIMAL") << "HEXADECIMAL" << 23;
    QTest::newRow("OUTPUT BASE") << "OUTPUT BASE" << 31;
    QTest::newRow("RMS") << "RMS" << 46;
    QTest::newRow("OF") << "OF" << 111;
    QTest::newRow("SOLVE") << "SOLVE" << 149;
    QTest::newRow("SOLVER") << "SOLVER" << 151;
    QTest::newRow("MENU PREDICTIVE TEXT") << "MENU PREDICTIVE TEXT" << 164;
    QTest::newRow("MENU SYNTAX HELP") << "MENU SYNTAX HELP" << 164;
    // Punctuation in titles and aliases counts for nothing.
    QTest::newRow("GDT") << "GDT" << 76;
    QTest::newRow("gd&t") << "gd&t" << 76;
    QTest::newRow("DATE TIME") << "DATE TIME" << 130;
    QTest::newRow("PERCENT") << "PERCENT" << 110;
    QTest::newRow("FONT SIZE") << "FONT SIZE" << 161;
    QTest::newRow("SHIFT ENTER") << "SHIFT ENTER" << 166;
    QTest::newRow("shift+enter") << "shift+enter" << 166;
    QTest::newRow("unknown") << "NO SUCH TOPIC" << 0;
}

void HelpCatalogTest::lookup()
{
    QFETCH(QString, name);
    QFETCH(int, position);
    QCOMPARE(HelpLookup::FindTopic(HelpLookup::Catalogue(), name) + 1, qsizetype(position));
}

void HelpCatalogTest::topicsNoKeyReaches_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("TRUEPOSITION") << 78;
    QTest::newRow("ROUNDING") << 127;
}

void HelpCatalogTest::topicsNoKeyReaches()
{
    QFETCH(int, position);
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QVERIFY(entries.size() >= position);
    const HelpEntry& entry = entries.at(position - 1);
    for (const QString& key : QStringList{entry.title} + entry.aliases) {
        const qsizetype found = HelpLookup::FindTopic(entries, key) + 1;
        QVERIFY2(found < position, qPrintable(key));
    }
}

SUMVELLE_TEST_MAIN(HelpCatalogTest)
#include "tst_helpcatalog.moc"

// The help's pages: the index, "Using HELP", the category pages, one topic,
// the complete manual and the search results.

#include "help/HelpPages.h"
#include "helplookup.h"
#include "support/testsupport.h"

namespace {

QString Rule(QChar character, int count) { return QString(count, character); }

const QString Separator = Rule(u'-', 60);

QString Banner(int left, const QString& title, int right)
{
    return Rule(u'=', left) + QLatin1Char(' ') + title + QLatin1Char(' ') + Rule(u'=', right);
}

QString SubmenuPage(const QString& name, const QList<HelpEntry>& entries = HelpLookup::Catalogue())
{
    QString page = QStringLiteral("untouched");
    if (!BuildHelpSubmenu(name, entries, page))
        return QString();
    return page;
}

// A catalogue that holds Windows-only window-handle topics, which the
// program's own catalogue has not.
QList<HelpEntry> CatalogueWithWindowsTools()
{
    QList<HelpEntry> entries = HelpLookup::Catalogue();
    AddHelpEntry(entries, "HANDLE", {"HANDLE"}, "windows", "Window handles.", "HANDLE\n\nWindow handles.");
    return entries;
}

HelpEntry Entry(const QString& title, const QString& category, const QString& summary, const QString& text,
                const QStringList& aliases = {})
{
    return HelpEntry{title, aliases.isEmpty() ? QStringList{title} : aliases, category, summary, text};
}

// The pages as the program shows them are kept in tests/help/golden, one file
// per page. SUMVELLE_UPDATE_GOLDEN=1 writes the files from the program
// instead of comparing, after a deliberate change to a page: review the
// difference with git diff before committing it.
bool UpdatingGolden()
{
    return qEnvironmentVariableIntValue("SUMVELLE_UPDATE_GOLDEN") == 1;
}

QString GoldenPath(const QString& name)
{
    return QStringLiteral(SUMVELLE_GOLDEN_DIR "/") + name + QStringLiteral(".txt");
}

// Every page ends without a line break; the file ends with one so that the
// last line diffs as an ordinary line.
void CompareWithGolden(const QString& name, const QString& page)
{
    QFile file(GoldenPath(name));
    if (UpdatingGolden()) {
        QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.fileName()));
        file.write(page.toUtf8() + '\n');
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly),
             qPrintable(file.fileName() + QStringLiteral(" is missing: SUMVELLE_UPDATE_GOLDEN=1 writes it")));
    QString golden = QString::fromUtf8(file.readAll());
    if (golden.endsWith(QLatin1Char('\n')))
        golden.chop(1);
    if (page == golden)
        return;

    // The first line that differs, and the lines around it, as a reader of
    // the two files would look for it.
    const QStringList expected = golden.split(QLatin1Char('\n'));
    const QStringList actual = page.split(QLatin1Char('\n'));
    qsizetype line = 0;
    while (line < expected.size() && line < actual.size() && expected.at(line) == actual.at(line))
        ++line;
    const auto excerpt = [line](const QStringList& lines) {
        QString text;
        for (qsizetype i = qMax<qsizetype>(0, line - 2); i < qMin(lines.size(), line + 3); ++i)
            text += QStringLiteral("\n  %1%2| %3").arg(QChar(i == line ? u'>' : u' ')).arg(i + 1, 5).arg(lines.at(i));
        return text.isEmpty() ? QStringLiteral("\n  (ends before it)") : text;
    };
    const QString message = QStringLiteral("%1 differs from its golden file %2 at line %3 (%4 lines there, %5 now)."
                                           "\nGolden:%6\nNow:%7\nIf the change is meant, rerun with "
                                           "SUMVELLE_UPDATE_GOLDEN=1 and review git diff.")
                                .arg(name, file.fileName())
                                .arg(line + 1)
                                .arg(expected.size())
                                .arg(actual.size())
                                .arg(excerpt(expected), excerpt(actual));
    QFAIL(qPrintable(message));
}

} // namespace

class HelpPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void normalizeHelpKey_data();
    void normalizeHelpKey();
    void formatHelpMenu_data();
    void formatHelpMenu();
    void goldenPages_data();
    void goldenPages();
    void windowsToolsOnlyWithTheirTopics();
    void pageSelection_data();
    void pageSelection();
    void topicPage_data();
    void topicPage();
    void fullManual();
    void search_data();
    void search();
    void searchCatalogue();
};

void HelpPagesTest::normalizeHelpKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::newRow("blanks and ampersand") << "Date & Time" << "DATETIME";
    QTest::newRow("hyphen") << "date-time" << "DATETIME";
    QTest::newRow("already a key") << "DATETIME" << "DATETIME";
    QTest::newRow("GD&T") << "GD&T" << "GDT";
    QTest::newRow("punctuation only") << "/?" << "";
    QTest::newRow("underscore and percent") << "a_b%1" << "AB1";
    QTest::newRow("non-ASCII letters") << QString::fromUtf8("grüße") << QString::fromUtf8("GRÜßE");
    QTest::newRow("non-ASCII number") << QString::fromUtf8("x²") << QString::fromUtf8("X²");
    QTest::newRow("non-ASCII symbol dropped") << QString::fromUtf8("5 × 3 °") << "53";
}

void HelpPagesTest::normalizeHelpKey()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QCOMPARE(NormalizeHelpKey(name), key);
}

void HelpPagesTest::formatHelpMenu_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("empty line before an entry") << "A\n\n  HELP X\n      x"
                                                << "A\n" + Separator + "\n  HELP X\n      x";
    QTest::newRow("entry under a heading") << "A\n  HELP X" << "A\n  HELP X";
    QTest::newRow("two empty lines") << "A\n\n\n  HELP X" << "A\n\n" + Separator + "\n  HELP X";
    QTest::newRow("case-sensitive") << "A\n\n  help X" << "A\n\n  help X";
    QTest::newRow("three blanks") << "A\n\n   HELP X" << "A\n\n   HELP X";
    QTest::newRow("no blank after HELP") << "A\n\n  HELPX" << "A\n\n  HELPX";
    QTest::newRow("every entry") << "\n\n  HELP A\n\n  HELP B"
                                 << "\n" + Separator + "\n  HELP A\n" + Separator + "\n  HELP B";
}

void HelpPagesTest::formatHelpMenu()
{
    QFETCH(QString, page);
    QFETCH(QString, formatted);
    QCOMPARE(FormatHelpMenu(page), formatted);
}

void HelpPagesTest::goldenPages_data()
{
    QTest::addColumn<QString>("page");

    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QTest::newRow("index") << BuildHelpIndex();
    QTest::newRow("using-help") << BuildHelpAboutHelp();
    const QList<std::pair<const char*, const char*>> categories{
        {"calculator-basics", "BASICS"},
        {"custom-functions", "CUSTOM FUNCTIONS"},
        {"math-functions", "FUNCTIONS"},
        {"programmer-math", "PROGRAMMER MATH"},
        {"statistics", "STATISTICS"},
        {"financial-functions", "FINANCIAL"},
        {"variables-and-constants", "VARIABLES"},
        {"equations-and-symbolic", "EQUATIONS"},
        {"typed-commands", "COMMANDS"},
        {"options-and-settings", "SETTINGS"},
        {"pad-and-input", "PAD"},
        {"window-control", "WINDOW"},
        {"unit-conversions", "CONVERSIONS"},
    };
    for (const auto& [file, name] : categories)
        QTest::newRow(file) << SubmenuPage(QString::fromLatin1(name), entries);
    // With the Windows-only window-handle topics in the catalogue.
    const QList<HelpEntry> withWindowsTools = CatalogueWithWindowsTools();
    QTest::newRow("window-control-with-windows-tools") << SubmenuPage(QStringLiteral("WINDOW"), withWindowsTools);
    QTest::newRow("windows-tools") << SubmenuPage(QStringLiteral("WINDOWS"), withWindowsTools);
    QTest::newRow("complete-manual") << BuildFullHelp(entries);
}

void HelpPagesTest::goldenPages()
{
    QFETCH(QString, page);
    QVERIFY(!page.isEmpty());
    CompareWithGolden(QString::fromLatin1(QTest::currentDataTag()), page);
}

void HelpPagesTest::windowsToolsOnlyWithTheirTopics()
{
    QString page = QStringLiteral("untouched");
    QVERIFY(!BuildHelpSubmenu("windows", HelpLookup::Catalogue(), page));
    QCOMPARE(page, QStringLiteral("untouched"));
    QVERIFY(!BuildHelpIndex().contains(QStringLiteral("HELP WINDOWS")));

    const QList<HelpEntry> entries = CatalogueWithWindowsTools();
    for (const QString& name : QStringList{"WINDOWS", "windows tools", "Windows Handle Tools"}) {
        QVERIFY2(BuildHelpSubmenu(name, entries, page), qPrintable(name));
        const QStringList lines = page.split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), Banner(18, "Windows Tools", 18));
        QCOMPARE(lines.last(), Rule(u'=', 51));
        const qsizetype handle = lines.indexOf(QStringLiteral("  HELP HANDLE"));
        QVERIFY(handle > 0);
        QCOMPARE(lines.at(handle + 1), QStringLiteral("      HANDLE [title]"));
        for (const QString& command : QStringList{"SETTOPMOST", "SETNOTTOPMOST", "SHOW", "HIDE", "ENABLE", "DISABLE"}) {
            const qsizetype at = lines.indexOf(QStringLiteral("  HELP ") + command);
            QVERIFY2(at > handle, qPrintable(command));
            QCOMPARE(lines.at(at + 1), QStringLiteral("      ") + command + QStringLiteral(" [handle]"));
        }
    }
}

void HelpPagesTest::pageSelection_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");

    const QList<std::pair<const char*, QStringList>> pages{
        {"Calculator Basics", {"BASICS", "BASIC", "CALCULATORBASICS"}},
        {"Custom Functions", {"CUSTOMFUNCTIONS", "CUSTOMFUNCTION", "USERDEFINEDFUNCTIONS", "FUNCTIONLIBRARY"}},
        {"Math Functions", {"FUNCTIONS", "FUNCTION", "MATHFUNCTIONS"}},
        {"Programmer Math", {"PROGRAMMERMATH", "PROGRAMMER", "BASEMATH", "BASES"}},
        {"Statistics", {"STATISTICS", "STATISTIC", "STATISTICALFUNCTIONS"}},
        {"Financial Functions", {"FINANCIAL", "FINANCE", "FINANCIALFUNCTIONS"}},
        {"Variables & Constants", {"VARIABLES", "VARIABLE", "VARIABLESANDCONSTANTS", "CONSTANTS"}},
        {"Equations & Symbolic", {"EQUATIONS", "EQUATION", "SOLVING", "EQUATIONSANDSYMBOLIC"}},
        {"Typed Commands", {"COMMANDS", "COMMAND", "TYPEDCOMMANDS"}},
        {"Options & Settings", {"SETTINGS", "SETTING", "OPTIONS", "OPTION"}},
        {"Pad & Input", {"PAD", "INPUT", "PADINPUT", "PADANDINPUT"}},
        {"Window Control", {"WINDOW", "WINDOWCONTROL"}},
        {"Unit Conversions", {"CONVERSIONS", "CONVERSION", "UNITS", "UNITCONVERSIONS"}},
    };
    for (const auto& [title, keys] : pages) {
        for (const QString& key : keys)
            QTest::addRow("%s", qPrintable(key)) << key << title;
    }
    QTest::newRow("Functions") << "Functions" << "Math Functions";
    QTest::newRow("function") << "function" << "Math Functions";
    QTest::newRow("math functions") << "math functions" << "Math Functions";
    QTest::newRow("user defined functions") << "user defined functions" << "Custom Functions";
    QTest::newRow("function library") << "function library" << "Custom Functions";
    QTest::newRow("variables") << "variables" << "Variables & Constants";
    QTest::newRow("punctuation inside") << "pad & input" << "Pad & Input";
    // These categories are opened as topics.
    QTest::newRow("gd&t") << "gd&t" << "";
    QTest::newRow("date time") << "date time" << "";
    QTest::newRow("solver") << "solver" << "";
    QTest::newRow("windows") << "windows" << "";
    QTest::newRow("a topic") << "SQRT" << "";
    QTest::newRow("empty") << "" << "";
}

void HelpPagesTest::pageSelection()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QString page = QStringLiteral("untouched");
    const bool selected = BuildHelpSubmenu(name, HelpLookup::Catalogue(), page);
    QCOMPARE(selected, !title.isEmpty());
    if (!selected) {
        QCOMPARE(page, QStringLiteral("untouched"));
        return;
    }
    const QString banner = page.section(QLatin1Char('\n'), 0, 0);
    QVERIFY2(banner.contains(QLatin1Char(' ') + title + QLatin1Char(' ')), qPrintable(banner));
}

void HelpPagesTest::topicPage_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("body");

    QTest::newRow("title line dropped") << "MATH" << "MATH\n\nBody line.\n  Example" << "Body line.\n  Example";
    QTest::newRow("differs in case and punctuation")
        << "PERCENT (%)" << "percent\n\nBody." << "Body.";
    QTest::newRow("blanks around the title line") << "FONT <size>" << "  FONT size  \n\n\nBody.\n\n" << "Body.";
    QTest::newRow("other first line kept") << "GD&T" << "GD&T / ENGINEERING INSPECTION\n\nBody."
                                           << "GD&T / ENGINEERING INSPECTION\n\nBody.";
    QTest::newRow("one line equal to the title") << "MIN" << "MIN" << "MIN";
    QTest::newRow("trimmed") << "MAX" << "\n  Maximises.  \n" << "Maximises.";
    QTest::newRow("only the title line and blanks") << "MAX" << "MAX\n   " << "MAX";
}

void HelpPagesTest::topicPage()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, body);
    const HelpEntry entry = Entry(title, "BASICS", "Summary.", text);
    QCOMPARE(FormatHelpTopic(entry), Banner(16, title, 16) + "\n\n" + body + "\n" + Rule(u'=', 60));
}

void HelpPagesTest::fullManual()
{
    const QString opening = QStringLiteral("================ Sumvelle Complete Help ================\n");
    const QString closing = QStringLiteral("====================== End Help ==========================");
    QCOMPARE(BuildFullHelp({}), opening + closing);

    const QList<HelpEntry> entries{
        Entry("LOOSE", "", "Loose.", "LOOSE\n\nNo category."),
        Entry("ONE", "Alpha", "One.", "ONE\n\nFirst."),
        Entry("TWO", "ALPHA", "Two.", "TWO\n\nSecond."),
        Entry("THREE", "BETA", "Three.", "THREE\n\nThird."),
        Entry("FOUR", "alpha", "Four.", "Fourth."),
    };
    const QString heading = Rule(u'-', 20);
    const QString expected = opening + FormatHelpTopic(entries.at(0)) + "\n\n"
                             + "\n\n" + heading + " ALPHA " + heading + "\n\n" + FormatHelpTopic(entries.at(1))
                             + "\n\n" + FormatHelpTopic(entries.at(2)) + "\n\n"
                             + "\n\n" + heading + " BETA " + heading + "\n\n" + FormatHelpTopic(entries.at(3))
                             + "\n\n" + "\n\n" + heading + " ALPHA " + heading + "\n\n"
                             + FormatHelpTopic(entries.at(4)) + "\n\n" + closing;
    QCOMPARE(BuildFullHelp(entries), expected);
}

void HelpPagesTest::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("exactMode");
    QTest::addColumn<QString>("page");

    const QString searchHeader = "================== Help Search ==================\n\nSearch: ";
    const QString alpha = "ALPHA ONE\n  First summary.\n\n";
    const QString beta = "BETA\n  Second summary.\n\n";

    QTest::newRow("one match") << "first" << false << searchHeader + "first\n\n" + alpha + "1 match found.";
    QTest::newRow("two matches, catalogue order") << "summary" << false
                                                  << searchHeader + "summary\n\n" + alpha + beta + "2 matches found.";
    QTest::newRow("terms in another order") << "  kettle   first " << false
                                            << searchHeader + "  kettle   first \n\n" + alpha + "1 match found.";
    QTest::newRow("inside words and any case") << "ETTL SUMM" << false
                                               << searchHeader + "ETTL SUMM\n\n" + alpha + "1 match found.";
    QTest::newRow("alias only") << "gamma" << false << searchHeader + "gamma\n\n" + beta + "1 match found.";
    QTest::newRow("category only") << "commands" << false << searchHeader + "commands\n\n" + beta + "1 match found.";
    QTest::newRow("across the joins") << "BETA GAMMA" << false
                                      << searchHeader + "BETA GAMMA\n\n" + beta + "1 match found.";
    QTest::newRow("exact mode") << "Beta" << true
                                << "No exact help topic named \"Beta\" was found.\n\nPossible matches:\n\n" + beta
                                       + "1 match found.";
    QTest::newRow("no match, search") << "zebra" << false << "No help description containing \"zebra\" was found.";
    QTest::newRow("no match, exact")
        << "zebra" << true
        << "No help topic or description containing \"zebra\" was found.\n\n"
           "Try HELP for the index or HELP /ALL for the complete manual.";
    QTest::newRow("one term missing") << "first zebra" << false
                                      << "No help description containing \"first zebra\" was found.";
    QTest::newRow("no terms") << "   " << false << "No help description containing \"   \" was found.";
}

void HelpPagesTest::search()
{
    QFETCH(QString, query);
    QFETCH(bool, exactMode);
    QFETCH(QString, page);
    const QList<HelpEntry> entries{
        Entry("ALPHA ONE", "BASICS", "First summary.", "ALPHA ONE\n\nThe kettle boils.", {"ALPHA"}),
        Entry("BETA", "COMMANDS", "Second summary.", "BETA\n\nNothing else.", {"BETA", "GAMMA"}),
    };
    QCOMPARE(BuildSearchResults(entries, query, exactMode), page);
}

void HelpPagesTest::searchCatalogue()
{
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    const QString page = BuildSearchResults(entries, "Non-Negative SQUARE", false);
    QVERIFY2(page.startsWith("================== Help Search ==================\n\nSearch: Non-Negative SQUARE\n\n"
                             "SQRT\n  Returns the non-negative square root of a real value.\n\n"),
             qPrintable(page.left(300)));
    QCOMPARE(BuildSearchResults(entries, "SQUARE non-negative", false).section('\n', 4),
             page.section('\n', 4));
}

SUMVELLE_TEST_MAIN(HelpPagesTest)
#include "tst_helppages.moc"

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

bool IsRule(const QString& line)
{
    return !line.isEmpty() && (line == Rule(line.at(0), line.size()))
           && (line.at(0) == QLatin1Char('=') || line.at(0) == QLatin1Char('-'));
}

HelpEntry Entry(const QString& title, const QString& category, const QString& summary, const QString& text,
                const QStringList& aliases = {})
{
    return HelpEntry{title, aliases.isEmpty() ? QStringList{title} : aliases, category, summary, text};
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
    void index();
    void aboutHelp();
    void calculatorBasicsPage();
    void windowControlPage();
    void windowsToolsOnlyWithTheirTopics();
    void pageSelection_data();
    void pageSelection();
    void pageLayout_data();
    void pageLayout();
    void functionPagesShowTheCatalogueSyntax_data();
    void functionPagesShowTheCatalogueSyntax();
    void topicPage_data();
    void topicPage();
    void fullManual();
    void fullManualRepeatsHeadings();
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

void HelpPagesTest::index()
{
    const QStringList lines{
        "==================== Sumvelle Help ====================",
        "",
        "Help follows the same organization as the Tools menu.",
        "Choose the area that contains the feature you want:",
        Separator,
        "  HELP BASICS",
        "      Calculator arithmetic, percent, factorial, and Word Operators",
        Separator,
        "  HELP FUNCTIONS",
        "      General math, trigonometry, logs, rounding, and number theory",
        Separator,
        "  HELP PROGRAMMER MATH",
        "      Base literals, conversion functions, bitwise functions, and Output Base",
        Separator,
        "  HELP STATISTICS",
        "      Summary, spread, means, percentiles, distribution shape, and random numbers",
        Separator,
        "  HELP FINANCIAL",
        "      Loans, compounding, investment returns, cash flow, and pricing",
        Separator,
        "  HELP GD&T",
        "      Position, material conditions, boundaries, fasteners, and tolerance utilization",
        Separator,
        "  HELP DATE TIME",
        "      Durations, AM/PM time, calendar dates, and date/time functions",
        Separator,
        "  HELP CONVERSIONS",
        "      Unit-conversion syntax and complete unit reference",
        Separator,
        "  HELP CUSTOM FUNCTIONS",
        "      Saved user formulas, function calls, listing, and deletion",
        Separator,
        "  HELP VARIABLES",
        "      Variables, assignments, ANS, and constants",
        Separator,
        "  HELP EQUATIONS",
        "      Equations, systems, solver, SIMPLIFY, and ISOLATE",
        Separator,
        "  HELP SETTINGS",
        "      Formatting, Predictive Text, Syntax Help, and calculator options",
        Separator,
        "  HELP PAD",
        "      Enter behavior, continuation, and selected-line execution",
        Separator,
        "  HELP COMMANDS",
        "      Typed Sumvelle commands",
        Separator,
        "  HELP WINDOW",
        "      Sumvelle window-control commands",
        "",
        "OTHER HELP COMMANDS",
        "  HELP topic",
        "      Open any topic directly.",
        Separator,
        "  HELP /S words",
        "      Search Help.",
        Separator,
        "  HELP /ALL",
        "      Display the complete manual.",
        Separator,
        "  HELP /?",
        "      Explain the HELP command.",
        "",
        Rule(u'=', 58),
    };
    QCOMPARE(BuildHelpIndex(), lines.join(QLatin1Char('\n')));
}

void HelpPagesTest::aboutHelp()
{
    const QStringList lines{
        "==================== Using HELP ==========================",
        "",
        "HELP is organized like a two-level menu.",
        "",
        "HELP",
        "  Shows the master list of Help categories.",
        "",
        "HELP category",
        "  Opens that category and shows the actual functions or commands",
        "  vertically, including syntax where syntax is useful.",
        "",
        "Examples:",
        "  HELP FUNCTIONS",
        "  HELP FINANCIAL",
        "  HELP COMMANDS",
        "",
        "HELP topic",
        "  Opens the detailed explanation for an individual topic directly.",
        "",
        "Examples:",
        "  HELP SQRT",
        "  HELP PMT",
        "  HELP ISOLATE",
        "",
        "HELP /S words",
        "HELP /SEARCH words",
        "HELP /DESC words",
        "HELP /DESCRIPTION words",
        "  Searches titles, aliases, categories, descriptions, and full Help.",
        "",
        "HELP /ALL",
        "  Displays the complete Help manual.",
        "",
        "HELP /?",
        "  Shows these instructions. HELP?, HELP!?!?!?!, and HELP / ? also",
        "  bring you here.",
        "",
        "The single command ? is an alias for the master Help menu.",
        "",
        Rule(u'=', 58),
    };
    QCOMPARE(BuildHelpAboutHelp(), lines.join(QLatin1Char('\n')));
}

void HelpPagesTest::calculatorBasicsPage()
{
    const QStringList lines{
        "================ Calculator Basics ================",
        Separator,
        "  HELP MATH",
        "      expression",
        "      Basic arithmetic, powers, parentheses, and implicit multiplication.",
        Separator,
        "  HELP PERCENT",
        "      value%",
        "      Postfix percentage operator.",
        Separator,
        "  HELP FACTORIAL",
        "      wholeNumber!",
        "      Postfix factorial operator.",
        Separator,
        "  HELP WORD OPERATORS",
        "      Written forms such as TWO PLUS THREE.",
        "",
        "Type any HELP topic above for the full explanation.",
        Rule(u'=', 52),
    };
    QCOMPARE(SubmenuPage("basics"), lines.join(QLatin1Char('\n')));
}

void HelpPagesTest::windowControlPage()
{
    QStringList lines{
        "================== Window Control ==================",
        Separator,
        "  HELP MIN",
        "      MIN",
        Separator,
        "  HELP MAX",
        "      MAX",
        Separator,
        "  HELP RESTORE",
        "      RESTORE",
        Separator,
        "  HELP TOPMOST",
        "      TOPMOST",
        "      ONTOP",
        Separator,
        "  HELP NOT TOPMOST",
        "      NOT TOPMOST",
        "      NOTONTOP",
        "",
        Rule(u'=', 52),
    };
    QCOMPARE(SubmenuPage("Window Control"), lines.join(QLatin1Char('\n')));

    lines.insert(lines.size() - 1, "External Windows-handle commands are under:");
    lines.insert(lines.size() - 1, "  HELP WINDOWS");
    lines.insert(lines.size() - 1, "");
    QCOMPARE(SubmenuPage("window", CatalogueWithWindowsTools()), lines.join(QLatin1Char('\n')));
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

void HelpPagesTest::pageLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("entries");
    // Entries with a rule of hyphens before them; in grouped pages none.
    QTest::addColumn<QStringList>("ruledEntries");
    QTest::addColumn<QStringList>("closingSentences");
    QTest::addColumn<int>("closingRule");

    const auto flat = [](const QString& name, const QString& banner, const QStringList& entries,
                         const QStringList& closing, int rule) {
        QTest::newRow(qPrintable(name)) << name << banner << QStringList() << entries << entries << closing << rule;
    };
    const auto grouped = [](const QString& name, const QString& banner, const QStringList& groups,
                            const QStringList& entries, const QStringList& closing, int rule,
                            const QStringList& ruled = {}) {
        QTest::newRow(qPrintable(name)) << name << banner << groups << entries << ruled << closing << rule;
    };

    flat("CUSTOM FUNCTIONS", Banner(16, "Custom Functions", 16),
         {"USER FUNCTIONS", "CREATE FUNCTION", "DELETE FUNCTION"},
         {"Custom functions are also offered by Predictive Text and show their",
          "parameter names in Syntax Help while you are typing a call."},
         51);
    grouped("MATH FUNCTIONS", Banner(16, "Math Functions", 19),
            {"CORE", "TRIGONOMETRY", "LOGS AND EXPONENTS", "ROUNDING", "NUMBER THEORY", "PROGRAMMER MATH"},
            {"SQRT", "ABS", "SIGN", "SIN", "COS", "TAN", "ASIN", "ACOS", "ATAN", "ATAN2", "RAD", "DEG", "LOG", "LN",
             "EXP", "ROUND", "FLOOR", "CEIL", "GCD", "LCM", "PROGRAMMER MATH"},
            {}, 52);
    grouped("PROGRAMMER MATH", Banner(16, "Programmer Math", 19),
            {"BASE LITERALS", "CONVERSION FUNCTIONS", "BITWISE FUNCTIONS", "OUTPUT BASE"},
            {"BIN", "OCT", "HEX", "DEC", "AND", "OR", "XOR", "NOT", "SHL", "SHR"},
            {"Type any HELP topic above for the full explanation."}, 52);
    grouped("STATISTICS", Banner(16, "Statistics", 24),
            {"SUMMARY", "SPREAD", "MEANS AND MAGNITUDE", "POSITION AND SHAPE", "RANDOM NUMBERS"},
            {"STATISTICS SUMMARY", "STATISTICS SPREAD", "STATISTICS MEANS", "STATISTICS POSITION",
             "STATISTICS RANDOM"},
            {"Use HELP followed by any individual function name to open the",
             "detailed help page for that function family."},
            52);
    grouped("FINANCIAL FUNCTIONS", Banner(16, "Financial Functions", 16),
            {"TIME VALUE AND LOANS", "COMPOUNDING AND RATES", "CASH FLOW", "RETURNS AND PRICING"},
            {"FV", "PV", "PMT", "NPER", "RATE", "IPMT", "PPMT", "BALANCE", "INTEREST", "COMPOUND", "APY", "APR", "NPV",
             "IRR", "ROI", "CAGR", "PERCENTCHANGE", "MARKUP", "MARGIN", "DISCOUNT", "TAX"},
            {"Rate arguments are decimal rates; postfix % may be used."}, 54);
    flat("VARIABLES AND CONSTANTS", Banner(14, "Variables & Constants", 14),
         {"VARIABLES OVERVIEW", "VARS", "CLEAR VARIABLES", "ANS", "PI", "EULER"}, {}, 52);
    flat("EQUATIONS AND SYMBOLIC", Banner(15, "Equations & Symbolic", 15),
         {"EQUATIONS OVERVIEW", "SYSTEMS", "SOLVER", "APPROXIMATE", "SIMPLIFY", "ISOLATE"}, {}, 53);
    flat("TYPED COMMANDS", Banner(16, "Typed Commands", 17),
         {"CLEAR", "VARS", "CLEAR VARIABLES", "INFO", "UPTIME", "CREATE FUNCTION", "DELETE FUNCTION", "SIMPLIFY",
          "ISOLATE", "FONT", "FORMAT", "MENU", "PROGRAMMER MATH", "EXIT"},
         {"Window commands are listed under HELP WINDOW."}, 49);
    flat("OPTIONS", Banner(16, "Options & Settings", 16),
         {"FORMAT", "FONT", "MENU", "WORD OPERATORS", "IGNORE TEXT", "PREDICTIVE TEXT", "SYNTAX HELP",
          "PROGRAMMER MATH"},
         {}, 52);
    flat("PAD AND INPUT", Banner(19, "Pad & Input", 19), {"ENTER", "CONTINUE", "EXECUTE"}, {}, 52);
    grouped("UNIT CONVERSIONS", Banner(16, "Unit Conversions", 17), {"SYNTAX", "EXAMPLES"}, {"CONVERSIONS OVERVIEW"},
            {}, 52, {"CONVERSIONS OVERVIEW"});
}

void HelpPagesTest::pageLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, banner);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, ruledEntries);
    QFETCH(QStringList, closingSentences);
    QFETCH(int, closingRule);

    const QString page = SubmenuPage(name);
    QVERIFY(!page.isEmpty());
    QVERIFY(!page.endsWith(QLatin1Char('\n')));
    const QStringList lines = page.split(QLatin1Char('\n'));
    QCOMPARE(lines.at(0), banner);
    // A flat page's first entry gets its rule in place of the empty line.
    QCOMPARE(lines.at(1), groups.isEmpty() ? Separator : QString());
    QCOMPARE(lines.last(), Rule(u'=', closingRule));

    // The closing part: one empty line after the last entry, the sentences,
    // and the rule right after them.
    const qsizetype closingStart = lines.size() - 1 - closingSentences.size();
    QCOMPARE(lines.mid(closingStart, closingSentences.size()), closingSentences);
    QCOMPARE(lines.at(closingStart - 1), QString());
    QVERIFY(!lines.at(closingStart - 2).isEmpty());

    QStringList foundEntries;
    QStringList foundGroups;
    QStringList foundRuled;
    for (qsizetype i = 1; i < closingStart - 1; ++i) {
        const QString& line = lines.at(i);
        if (line.startsWith(QStringLiteral("  HELP "))) {
            foundEntries.append(line.mid(7));
            if (lines.at(i - 1) == Separator)
                foundRuled.append(line.mid(7));
            qsizetype details = 0;
            while (i + 1 + details < lines.size() && lines.at(i + 1 + details).startsWith(QStringLiteral("      ")))
                ++details;
            QVERIFY2(details >= 1 && details <= 5, qPrintable(line));
        } else if (!line.isEmpty() && !line.at(0).isSpace() && !IsRule(line)) {
            foundGroups.append(line);
            QCOMPARE(line, line.toUpper());
            QVERIFY2(i == 2 || lines.at(i - 1).isEmpty(), qPrintable(line));
        } else if (line == Separator) {
            QVERIFY2(lines.at(i + 1).startsWith(QStringLiteral("  HELP ")), qPrintable(lines.at(i + 1)));
        } else if (!line.isEmpty() && IsRule(line)) {
            QFAIL(qPrintable(QStringLiteral("a rule inside the page: ") + line));
        }
    }
    QCOMPARE(foundEntries, entries);
    QCOMPARE(foundGroups, groups);
    QCOMPARE(foundRuled, ruledEntries);
    // Grouped pages keep their entries together under each heading.
    if (!groups.isEmpty()) {
        for (qsizetype i = 2; i < closingStart - 1; ++i) {
            if (lines.at(i).startsWith(QStringLiteral("  HELP ")) && !ruledEntries.contains(lines.at(i).mid(7)))
                QVERIFY2(!lines.at(i - 1).isEmpty() && lines.at(i - 1) != Separator, qPrintable(lines.at(i)));
        }
    }
}

void HelpPagesTest::functionPagesShowTheCatalogueSyntax_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("functions");
    QTest::newRow("Math Functions") << "FUNCTIONS" << 20;
    QTest::newRow("Programmer Math") << "PROGRAMMER MATH" << 10;
    QTest::newRow("Financial Functions") << "FINANCIAL" << 21;
}

void HelpPagesTest::functionPagesShowTheCatalogueSyntax()
{
    QFETCH(QString, name);
    QFETCH(int, functions);

    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    const QStringList lines = SubmenuPage(name, entries).split(QLatin1Char('\n'));
    int checked = 0;
    bool explained = false;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (!lines.at(i).startsWith(QStringLiteral("  HELP ")))
            continue;
        const QString title = lines.at(i).mid(7);
        if (title == QStringLiteral("COMPOUND"))
            explained = true;
        for (const HelpEntry& entry : entries) {
            if (entry.title != title || !HelpLookup::IsStandardFunctionEntry(entry))
                continue;
            const QString start = QStringLiteral("\n\nSyntax:\n");
            const qsizetype from = entry.text.indexOf(start) + start.size();
            const QString syntax = entry.text.mid(from, entry.text.indexOf(QStringLiteral("\n\nArguments:\n")) - from);
            QCOMPARE(lines.at(i + 1), QStringLiteral("      ") + QString(syntax).replace(QLatin1Char('\n'), " or "));
            if (explained)
                QVERIFY2(lines.at(i + 2).startsWith(QStringLiteral("      ")), qPrintable(title));
            ++checked;
            break;
        }
    }
    QCOMPARE(checked, functions);

    if (name == QStringLiteral("PROGRAMMER MATH")) {
        for (const auto& [literal, meaning] : {std::pair{"  0b1010", "      Binary 10"}, {"  0o17", "      Octal 15"},
                                               {"  0xFF", "      Hexadecimal 255"}}) {
            const qsizetype at = lines.indexOf(QString::fromLatin1(literal));
            QVERIFY2(at > 0, literal);
            QCOMPARE(lines.at(at + 1), QString::fromLatin1(meaning));
        }
        for (const char* item : {"  File -> Output Base", "  MENU OUTPUT BASE [DEC/BIN/OCT/HEX]"}) {
            const qsizetype at = lines.indexOf(QString::fromLatin1(item));
            QVERIFY2(at > 0, item);
            QVERIFY(lines.at(at + 1).startsWith(QStringLiteral("      ")));
        }
    }
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

void HelpPagesTest::fullManualRepeatsHeadings()
{
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    const QString manual = BuildFullHelp(entries);
    const QString heading = Rule(u'-', 20);
    const QList<std::pair<QString, int>> headings{
        {"FUNCTIONS", 5}, {"BASICS", 4},   {"COMMANDS", 4},    {"STATISTICS", 2},      {"DATE & TIME", 2},
        {"GD&T", 1},      {"SOLVER", 1},   {"WINDOW", 1},      {"PROGRAMMER MATH", 1}, {"FINANCIAL", 1},
        {"SETTINGS", 1},  {"VARIABLES", 1}, {"EQUATIONS", 1},   {"CONVERSIONS", 1},     {"CUSTOM FUNCTIONS", 1},
    };
    int total = 0;
    for (const auto& [category, count] : headings) {
        QCOMPARE(manual.count("\n\n" + heading + ' ' + category + ' ' + heading + "\n\n"), qsizetype(count));
        total += count;
    }
    QCOMPARE(manual.count(heading + ' '), qsizetype(total));
    for (const HelpEntry& entry : entries)
        QVERIFY2(manual.contains(FormatHelpTopic(entry) + "\n\n"), qPrintable(entry.title));
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

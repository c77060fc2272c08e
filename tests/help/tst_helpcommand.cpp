#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "help/HelpWindow.h"
#include "helplookup.h"

#include <QAction>
#include <QLabel>
#include <QStandardItemModel>
#include <QTreeView>

// The HELP command read line by line, and the help window it opens: every
// page the command produces is the page the window shows.

using Access = MainWindowTestAccess;

namespace {

const QString untouched = QStringLiteral("UNTOUCHED");

// The page a kind of answer stands for, built from the pages themselves.
QString ExpectedPage(const QString& kind, const QString& argument)
{
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    if (kind == QLatin1String("index"))
        return BuildHelpIndex();
    if (kind == QLatin1String("about"))
        return BuildHelpAboutHelp();
    if (kind == QLatin1String("all"))
        return BuildFullHelp(entries);
    if (kind == QLatin1String("no query"))
        return QStringLiteral("Help search needs something to search for.\n\nExample:\n  HELP /S window handle");
    if (kind == QLatin1String("search"))
        return BuildSearchResults(entries, argument, false);
    if (kind == QLatin1String("exact"))
        return BuildSearchResults(entries, argument, true);
    if (kind == QLatin1String("category")) {
        QString page;
        return BuildHelpSubmenu(argument, entries, page) ? page : QStringLiteral("no such category");
    }
    const HelpEntry* entry = FindHelpTopic(entries, argument);
    return entry ? FormatHelpTopic(*entry) : QStringLiteral("no such topic");
}

QStandardItemModel* TreeModel(HelpWindow* help)
{
    return qobject_cast<QStandardItemModel*>(help->findChild<QTreeView*>(QStringLiteral("helpTree"))->model());
}

QStandardItem* CurrentItem(HelpWindow* help)
{
    auto* tree = help->findChild<QTreeView*>(QStringLiteral("helpTree"));
    return TreeModel(help)->itemFromIndex(tree->currentIndex());
}

} // namespace

class HelpCommandTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

    // Runs one help line as the dispatcher does: the command, then the
    // showing; gives back the page the command produced.
    QString Show(const QString& line)
    {
        QString text;
        if (!window->HandleHelpCommand(line, text))
            return QString();
        window->InsertFormattedHelpText(text);
        return text;
    }

private slots:
    void init() { window = TestSupport::createWindow(); }
    void cleanup() { window.reset(); }

    void readsTheLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("key");
        QTest::newRow("?") << "?" << "index" << "" << "SPECIAL:INDEX";
        QTest::newRow("? with blanks") << "  ?  " << "index" << "" << "SPECIAL:INDEX";
        QTest::newRow("HELP") << "HELP" << "index" << "" << "SPECIAL:INDEX";
        QTest::newRow("help trailing blanks") << "help   " << "index" << "" << "SPECIAL:INDEX";
        QTest::newRow("HELP?") << "HELP?" << "about" << "" << "SPECIAL:ABOUT";
        QTest::newRow("HELP /?") << "HELP /?" << "about" << "" << "SPECIAL:ABOUT";
        QTest::newRow("HELP!?!?!?!") << "HELP!?!?!?!" << "about" << "" << "SPECIAL:ABOUT";
        QTest::newRow("HELP / ?") << "HELP / ?" << "about" << "" << "SPECIAL:ABOUT";
        QTest::newRow("HELP /ALL") << "HELP /ALL" << "all" << "" << "SPECIAL:ALL";
        QTest::newRow("HELP-ALL") << "HELP-ALL" << "all" << "" << "SPECIAL:ALL";
        QTest::newRow("help all") << "help all" << "all" << "" << "SPECIAL:ALL";
        QTest::newRow("HELP --all") << "HELP --all" << "all" << "" << "SPECIAL:ALL";
        QTest::newRow("ALL with more") << "HELP /ALL FUNCTIONS" << "exact" << "/ALL FUNCTIONS" << "";
        QTest::newRow("HELP /S") << "HELP /S" << "no query" << "" << "";
        QTest::newRow("HELP SEARCH") << "HELP SEARCH" << "no query" << "" << "";
        QTest::newRow("HELP DESC") << "HELP DESC" << "no query" << "" << "";
        QTest::newRow("HELP /DESCRIPTION") << "HELP /DESCRIPTION" << "no query" << "" << "";
        QTest::newRow("blank inside the switch") << "HELP DESC RIPTION" << "no query" << "" << "";
        QTest::newRow("HELP S query") << "HELP S window handle" << "search" << "window handle" << "";
        QTest::newRow("HELP /s query") << "HELP /s window handle" << "search" << "window handle" << "";
        QTest::newRow("switch then colon") << "HELP -s: window" << "search" << "window" << "";
        QTest::newRow("dotted switch") << "HELP /S.E.A.R.C.H window" << "search" << "window" << "";
        QTest::newRow("S-Q-R-T") << "HELP S-Q-R-T" << "search" << "Q-R-T" << "";
        QTest::newRow("DESCRIBE is a name") << "HELP DESCRIBE" << "exact" << "DESCRIBE" << "";
        QTest::newRow("FUNCTIONS") << "HELP FUNCTIONS" << "category" << "FUNCTIONS" << "CATEGORY:FUNCTIONS";
        QTest::newRow("VARIABLES") << "HELP VARIABLES" << "category" << "VARIABLES" << "CATEGORY:VARIABLES";
        QTest::newRow("user defined functions") << "HELP user defined functions" << "category"
                                                << "CUSTOM FUNCTIONS" << "CATEGORY:USERDEFINEDFUNCTIONS";
        QTest::newRow("units") << "HELP UNITS" << "category" << "CONVERSIONS" << "CATEGORY:UNITS";
        QTest::newRow("sqrt") << "HELP sqrt" << "topic" << "SQRT" << "TOPIC:SQRT";
        QTest::newRow("SQRT") << "HELP SQRT" << "topic" << "SQRT" << "TOPIC:SQRT";
        QTest::newRow("square root") << "HELP square root" << "topic" << "SQRT" << "TOPIC:SQRT";
        QTest::newRow("MIN") << "HELP MIN" << "topic" << "MIN" << "TOPIC:MIN";
        QTest::newRow("GD&T resolved as a topic") << "HELP GD&T" << "topic" << "GD&T" << "TOPIC:";
        QTest::newRow("CONTINUE") << "HELP CONTINUE" << "topic" << "CONTINUE"
                                  << "TOPIC:CONTINUEPREVIOUSANSWER";
        QTest::newRow("EXECUTE") << "HELP EXECUTE" << "topic" << "EXECUTE" << "TOPIC:EXECUTESELECTEDLINES";
        QTest::newRow("unknown name") << "HELP qwertyuiop" << "exact" << "qwertyuiop" << "";
    }
    void readsTheLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, kind);
        QFETCH(QString, argument);
        QFETCH(QString, key);
        Access::setPendingHelpKey(*window, untouched);
        QString text = QStringLiteral("stale");
        QVERIFY(window->HandleHelpCommand(line, text));
        QCOMPARE(text, ExpectedPage(kind, argument));
        if (key.endsWith(QLatin1Char(':')))
            QVERIFY(Access::pendingHelpKey(*window).startsWith(key));
        else
            QCOMPARE(Access::pendingHelpKey(*window), key);
    }

    void leavesOtherLinesAlone_data()
    {
        QTest::addColumn<QString>("line");
        for (const char* line : {"HEL", "HELPING", "HELP2", "helpx", "", "??", "SQRT(4)", "HELPÄ"})
            QTest::newRow(line) << QString::fromUtf8(line);
    }
    void leavesOtherLinesAlone()
    {
        QFETCH(QString, line);
        Access::setPendingHelpKey(*window, untouched);
        QString text = QStringLiteral("stale");
        QVERIFY(!window->HandleHelpCommand(line, text));
        QVERIFY(text.isEmpty());
        QCOMPARE(Access::pendingHelpKey(*window), untouched);
    }

    // The first entry wins, and an alias of an earlier entry beats the title
    // of a later one; MIN is the statistics function, not the window's.
    void findsTheFirstTopic()
    {
        const QList<HelpEntry> entries = HelpLookup::Catalogue();
        const HelpEntry* min = FindHelpTopic(entries, QStringLiteral("min"));
        QVERIFY(min);
        QCOMPARE(min->category, QStringLiteral("STATISTICS"));
        const HelpEntry* root = FindHelpTopic(entries, QStringLiteral("square-root"));
        QVERIFY(root);
        QCOMPARE(root, &entries.first());
        QVERIFY(!FindHelpTopic(entries, QStringLiteral("no such topic at all")));
    }

    // Typed as a user does: the pad is left as it was and the window opens.
    void padLineOpensTheWindow()
    {
        TestSupport::Pad pad(window.get());
        pad.submit(QStringLiteral("HELP"));
        QCOMPARE(pad.text(), QStringLiteral("HELP\n"));
        QCOMPARE(pad.status(), QStringLiteral("Help"));
        HelpWindow* help = Access::helpWindow(*window);
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->parent(), window.get());
        QCOMPARE(CurrentItem(help)->text(), QStringLiteral("Sumvelle Help"));
        QVERIFY(Access::pendingHelpKey(*window).isEmpty());

        pad.submit(QStringLiteral("HELP /S window handle"));
        QCOMPARE(Access::helpWindow(*window), help);
        QCOMPARE(Access::currentHelpText(*help), ExpectedPage(QStringLiteral("search"), QStringLiteral("window handle")));
        auto* tree = help->findChild<QTreeView*>(QStringLiteral("helpTree"));
        QVERIFY(!tree->selectionModel()->hasSelection());
        QVERIFY(Access::pendingHelpKey(*window).isEmpty());

        pad.submit(QStringLiteral("HELP PMT"));
        QCOMPARE(CurrentItem(help)->text(), QStringLiteral("PMT"));
        QVERIFY(Access::pendingHelpKey(*window).isEmpty());

        help->close();
        QVERIFY(!help->isVisible());
        pad.submit(QStringLiteral("?"));
        QCOMPARE(Access::helpWindow(*window), help);
        QVERIFY(help->isVisible());
        QCOMPARE(CurrentItem(help)->text(), QStringLiteral("Sumvelle Help"));
    }

    // Built once, with a page for each category that has one.
    void buildsTheWindowOnce()
    {
        HelpWindow* help = Access::ensureHelpWindow(*window);
        QVERIFY(!help->isVisible());
        QStandardItem* root = TreeModel(help)->item(0);
        QStringList labels;
        for (int row = 0; row < root->rowCount(); ++row)
            labels << root->child(row)->text();
        QCOMPARE(labels, (QStringList{"BASICS", "FUNCTIONS", "PROGRAMMER MATH", "STATISTICS", "FINANCIAL", "GD&T",
                                      "DATE & TIME", "CUSTOM FUNCTIONS", "VARIABLES", "EQUATIONS", "SOLVER",
                                      "SETTINGS", "COMMANDS", "WINDOW", "CONVERSIONS", "Using HELP",
                                      "Complete Help Manual"}));
        const QList<HelpEntry> entries = HelpLookup::Catalogue();
        int topics = 0;
        for (int row = 0; row < root->rowCount(); ++row)
            topics += root->child(row)->rowCount();
        QCOMPARE(topics, entries.size());

        // Generated pages list their topics; fixed ones are the category's.
        Access::setPendingHelpKey(*window, QStringLiteral("CATEGORY:GDT"));
        window->InsertFormattedHelpText(QString());
        QVERIFY(Access::currentHelpText(*help).startsWith(QStringLiteral("================ GD&T ================\n\n")));
        QVERIFY(Access::currentHelpText(*help).endsWith(QString(52, QLatin1Char('='))));
        QCOMPARE(Access::ensureHelpWindow(*window), help);
    }

    void navigatesTheCatalogue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("label"); // empty: no item
        QTest::addColumn<bool>("topic");
        QTest::newRow("SPECIAL:ALL") << "SPECIAL:ALL" << "Complete Help Manual" << false;
        QTest::newRow("financial") << "financial" << "FINANCIAL" << false;
        QTest::newRow("statistics is a topic first") << "statistics" << "STATISTICS" << true;
        QTest::newRow("root by label") << "Sumvelle Help" << "Sumvelle Help" << false;
        QTest::newRow("STAT") << "STAT" << "STATISTICS" << false;
        QTest::newRow("PROGRAMMER") << "PROGRAMMER" << "PROGRAMMER MATH" << false;
        QTest::newRow("FUNC") << "FUNC" << "" << false;
        QTest::newRow("SET") << "SET" << "" << false;
        QTest::newRow("CATEGORY:UNITS") << "CATEGORY:UNITS" << "" << false;
    }
    void navigatesTheCatalogue()
    {
        QFETCH(QString, key);
        QFETCH(QString, label);
        QFETCH(bool, topic);
        HelpWindow* help = Access::ensureHelpWindow(*window);
        QStandardItem* item = Access::findNavigationItem(*help, key);
        QCOMPARE(item ? item->text() : QString(), label);
        if (item)
            QCOMPARE(item->data(Qt::UserRole + 2).toBool(), topic);
    }

    // Every topic and every category name, typed after HELP, shows in the
    // window the page the command produced.
    void everyLineShowsItsPage_data()
    {
        QTest::addColumn<QString>("line");
        const QList<HelpEntry> entries = HelpLookup::Catalogue();
        for (qsizetype i = 0; i < entries.size(); ++i)
            QTest::addRow("topic %d %s", int(i + 1), qPrintable(entries[i].title))
                << QStringLiteral("HELP ") + entries[i].title;
        for (const char* name :
             {"BASICS", "BASIC", "CALCULATOR BASICS", "CUSTOM FUNCTIONS", "CUSTOM FUNCTION", "user defined functions",
              "FUNCTION LIBRARY", "FUNCTIONS", "FUNCTION", "MATH FUNCTIONS", "PROGRAMMER MATH", "PROGRAMMER",
              "BASE MATH", "BASES", "STATISTICS", "STATISTIC", "statistical functions", "FINANCIAL", "FINANCE",
              "FINANCIAL FUNCTIONS", "VARIABLES", "VARIABLE", "VARIABLES AND CONSTANTS", "CONSTANTS", "EQUATIONS",
              "EQUATION", "SOLVING", "EQUATIONS AND SYMBOLIC", "COMMANDS", "COMMAND", "TYPED COMMANDS", "SETTINGS",
              "SETTING", "OPTIONS", "OPTION", "PAD", "INPUT", "PAD INPUT", "PAD AND INPUT", "WINDOW",
              "WINDOW CONTROL", "CONVERSIONS", "CONVERSION", "UNITS", "UNIT CONVERSIONS", "GD&T", "DATE TIME",
              "SOLVER", "MINIMIZE"})
            QTest::addRow("name %s", name) << QStringLiteral("HELP ") + QLatin1String(name);
    }
    void everyLineShowsItsPage()
    {
        QFETCH(QString, line);
        const QString page = Show(line);
        QVERIFY(!page.isEmpty());
        HelpWindow* help = Access::helpWindow(*window);
        QCOMPARE(Access::currentHelpText(*help), page);
        QStandardItem* item = CurrentItem(help);
        auto* tree = help->findChild<QTreeView*>(QStringLiteral("helpTree"));
        const auto* status = help->findChild<QLabel*>(QStringLiteral("statusLabel"));
        if (tree->selectionModel()->hasSelection())
            QCOMPARE(status->text(), item->text());
        else
            QCOMPARE(status->text(), QStringLiteral("Help"));
    }

    // The Help menu's entries for a category page move the tree to that
    // category, whatever name they send for it.
    void helpMenuSelectsTheCategory_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("label");
        QTest::newRow("variables") << "actionHelpVariables" << "VARIABLES";
        QTest::newRow("equations") << "actionHelpEquations" << "EQUATIONS";
        QTest::newRow("functions") << "actionHelpFunctions" << "FUNCTIONS";
        QTest::newRow("statistics") << "actionHelpStatisticsFunctions" << "STATISTICS";
    }
    void helpMenuSelectsTheCategory()
    {
        QFETCH(QString, action);
        QFETCH(QString, label);
        window->findChild<QAction*>(action)->trigger();
        HelpWindow* help = Access::helpWindow(*window);
        QVERIFY(help);
        auto* tree = help->findChild<QTreeView*>(QStringLiteral("helpTree"));
        QVERIFY(tree->selectionModel()->hasSelection());
        QStandardItem* item = CurrentItem(help);
        QCOMPARE(item->text(), label);
        QCOMPARE(item->data(Qt::UserRole + 2).toBool(), false);
        QCOMPARE(help->findChild<QLabel*>(QStringLiteral("statusLabel"))->text(), label);
    }

    // HELP MIN produces the statistics page, so the window selects the
    // statistics item rather than the window command of the same title.
    void sharedTitlesSelectTheirOwnItem()
    {
        Show(QStringLiteral("HELP MIN"));
        QStandardItem* item = CurrentItem(Access::helpWindow(*window));
        QCOMPARE(item->text(), QStringLiteral("MIN"));
        QCOMPARE(item->parent()->text(), QStringLiteral("STATISTICS"));
    }

    // The words user defined functions produce the custom functions page;
    // the window must not jump to Math Functions for the FUNCTIONS in them.
    void looseCategoryNamesShowTheirPage()
    {
        const QString page = Show(QStringLiteral("HELP user defined functions"));
        HelpWindow* help = Access::helpWindow(*window);
        auto* tree = help->findChild<QTreeView*>(QStringLiteral("helpTree"));
        QCOMPARE(Access::currentHelpText(*help), page);
        QVERIFY(tree->selectionModel()->hasSelection());
        QCOMPARE(CurrentItem(help)->text(), QStringLiteral("CUSTOM FUNCTIONS"));

        Show(QStringLiteral("HELP math functions"));
        QCOMPARE(CurrentItem(help)->text(), QStringLiteral("FUNCTIONS"));
        QVERIFY(tree->selectionModel()->hasSelection());
    }
};

SUMVELLE_TEST_MAIN(HelpCommandTest)
#include "tst_helpcommand.moc"

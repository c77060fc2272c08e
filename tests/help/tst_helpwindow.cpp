#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "help/HelpWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>

// The help window on a small made-up catalogue, so that the tree's order,
// its generated pages, the navigation steps and the search filter can be
// checked against known articles.

using Access = MainWindowTestAccess;

namespace {

const QString indexText = QStringLiteral("==== Index ====\nthe index");
const QString aboutText = QStringLiteral("about help");
const QString manualText = QStringLiteral("the manual");

QList<HelpWindowArticle> Articles()
{
    return {
        {"SQRT", "FUNCTIONS", {"ROOT"}, "Square root of a value.", "sqrt page"},
        {"MIN", "STATISTICS", {"MIN"}, "Smallest of the values.", "statistics min page"},
        {"ZETA", "misc stuff", {"ZETA"}, "Lower-case category.", "zeta page"},
        {"AARDVARK", "Alpha Extra", {"AARDVARK"}, "Sorted before misc.", "aardvark page"},
        {"PMT", "FINANCIAL", {"PAYMENT"}, "Payment of a loan.", "pmt page"},
        {"MIN", "WINDOW", {"MINIMIZE"}, "Minimise the window.", "window min page"},
        {"FIRST BASIC", "Basics", {"FB"}, "Spelled first.", "first basic page"},
        {"SECOND BASIC", "BASICS", {"SB"}, "Spelled second.", "second basic page"},
        {"POSITION", "GD&T", {"TP"}, "True position.", "position page"},
        {"CREATE FUNCTION", "CUSTOM FUNCTIONS", {"DEFINE"}, "Define a function.", "create page"},
        {"FV", "FINANCIAL", {"FUTURE VALUE"}, "Future value.", "fv page"},
    };
}

QMap<QString, QString> CategoryPages()
{
    return {{"FUNCTIONS", "functions page"},
            {"STATISTICS", ""},
            {"FINANCIAL", "financial page"},
            {"CUSTOMFUNCTIONS", "custom functions page"}};
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<HelpWindow> help;
    QTreeView* tree() const { return help->findChild<QTreeView*>(QStringLiteral("helpTree")); }
    QPlainTextEdit* view() const { return help->findChild<QPlainTextEdit*>(QStringLiteral("helpText")); }
    QLabel* status() const { return help->findChild<QLabel*>(QStringLiteral("statusLabel")); }
    QLineEdit* search() const { return help->findChild<QLineEdit*>(QStringLiteral("searchEdit")); }
    QStandardItemModel* model() const { return qobject_cast<QStandardItemModel*>(tree()->model()); }
    QStandardItem* root() const { return model()->item(0); }
    QStandardItem* category(const QString& label) const
    {
        for (int row = 0; row < root()->rowCount(); ++row) {
            if (root()->child(row)->text() == label)
                return root()->child(row);
        }
        return nullptr;
    }
    QStandardItem* currentItem() const { return model()->itemFromIndex(tree()->currentIndex()); }
    bool hidden(QStandardItem* item) const { return tree()->isRowHidden(item->row(), item->index().parent()); }

private slots:
    void init()
    {
        help = std::make_unique<HelpWindow>(Articles(), CategoryPages(), indexText, aboutText, manualText, nullptr);
    }
    void cleanup() { help.reset(); }

    void opensHiddenOnTheIndex()
    {
        QVERIFY(!help->isVisible());
        QVERIFY(help->windowFlags().testFlag(Qt::Window));
        QCOMPARE(help->windowTitle(), QStringLiteral("Sumvelle Help"));
        QCOMPARE(help->size(), QSize(545, 478));
        QCOMPARE(help->minimumSize(), QSize(400, 300));
        QVERIFY(tree()->isHeaderHidden());
        QCOMPARE(model()->rowCount(), 1);
        QCOMPARE(currentItem(), root());
        QVERIFY(tree()->isExpanded(root()->index()));
        for (int row = 0; row < root()->rowCount(); ++row)
            QVERIFY(!tree()->isExpanded(root()->child(row)->index()));
        QCOMPARE(Access::currentHelpText(*help), indexText);
        QCOMPARE(status()->text(), QStringLiteral("Sumvelle Help"));
        QCOMPARE(root()->data(Qt::UserRole + 1).toString(), QStringLiteral("SPECIAL:INDEX"));
        QCOMPARE(root()->data(Qt::UserRole + 2).toBool(), false);
    }

    // Preferred categories in their own order, whatever the articles' order;
    // the rest sorted case-insensitively, each in the spelling met first.
    void ordersCategories()
    {
        QStringList labels;
        for (int row = 0; row < root()->rowCount(); ++row)
            labels << root()->child(row)->text();
        QCOMPARE(labels, (QStringList{"Basics", "FUNCTIONS", "STATISTICS", "FINANCIAL", "GD&T", "CUSTOM FUNCTIONS",
                                      "WINDOW", "Alpha Extra", "misc stuff", "Using HELP", "Complete Help Manual"}));
        QStandardItem* basics = category(QStringLiteral("Basics"));
        QCOMPARE(basics->rowCount(), 2);
        QCOMPARE(basics->child(1)->text(), QStringLiteral("SECOND BASIC"));
        QCOMPARE(basics->data(Qt::UserRole + 1).toString(), QStringLiteral("CATEGORY:BASICS"));
        QCOMPARE(basics->child(0)->data(Qt::UserRole + 1).toString(), QStringLiteral("TOPIC:FIRSTBASIC"));
        QCOMPARE(basics->child(0)->data(Qt::UserRole + 2).toBool(), true);
    }

    // Categories without a page, or with an empty one, list their topics.
    void generatesMissingCategoryPages_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("page");
        const QString closing(52, QLatin1Char('='));
        QTest::newRow("no page") << "GD&T"
                                 << "================ GD&T ================\n\nPOSITION\n    True position.\n\n" + closing;
        QTest::newRow("empty page")
            << "STATISTICS" << "================ STATISTICS ================\n\nMIN\n    Smallest of the values.\n\n" + closing;
        QTest::newRow("merged spellings") << "Basics"
                                          << "================ Basics ================\n\nFIRST BASIC\n    Spelled "
                                             "first.\n\nSECOND BASIC\n    Spelled second.\n\n"
                                                 + closing;
        QTest::newRow("fixed page") << "FINANCIAL" << "financial page";
    }
    void generatesMissingCategoryPages()
    {
        QFETCH(QString, label);
        QFETCH(QString, page);
        help->ShowHelp(category(label)->data(Qt::UserRole + 1).toString(), QString());
        QCOMPARE(Access::currentHelpText(*help), page);
        QCOMPARE(status()->text(), label);
    }

    void findsNavigationItems_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("label"); // empty: no item
        QTest::newRow("empty key") << "" << "";
        QTest::newRow("exact special") << "SPECIAL:ALL" << "Complete Help Manual";
        QTest::newRow("topic without prefix") << "pmt" << "PMT";
        QTest::newRow("category without prefix") << "financial" << "FINANCIAL";
        QTest::newRow("root by label") << "Sumvelle Help" << "Sumvelle Help";
        QTest::newRow("part of one category") << "STAT" << "STATISTICS";
        QTest::newRow("part of two categories") << "FUNC" << "";
        QTest::newRow("too short for a part") << "FIN" << "";
        QTest::newRow("unknown category key") << "CATEGORY:UNITS" << "";
    }
    void findsNavigationItems()
    {
        QFETCH(QString, key);
        QFETCH(QString, label);
        QStandardItem* item = Access::findNavigationItem(*help, key);
        QCOMPARE(item ? item->text() : QString(), label);
    }

    void showsStoredOrGivenText()
    {
        help->ShowHelp(QStringLiteral("TOPIC:PMT"), QStringLiteral("some other text"));
        QVERIFY(help->isVisible());
        QCOMPARE(currentItem()->text(), QStringLiteral("PMT"));
        QCOMPARE(Access::currentHelpText(*help), QStringLiteral("pmt page"));
        QCOMPARE(view()->toPlainText(), QStringLiteral("pmt page"));
        QCOMPARE(status()->text(), QStringLiteral("PMT"));

        help->ShowHelp(QString(), QStringLiteral("search results"));
        QVERIFY(!tree()->selectionModel()->hasSelection());
        QCOMPARE(view()->toPlainText(), QStringLiteral("search results"));
        QCOMPARE(status()->text(), QStringLiteral("Help"));
    }

    // MIN of statistics and MIN of the window share a key; each item keeps
    // its own page, and the key selects the one showing the given page.
    void sharedKeysKeepTheirOwnPages()
    {
        QStandardItem* statisticsMin = category(QStringLiteral("STATISTICS"))->child(0);
        QStandardItem* windowMin = category(QStringLiteral("WINDOW"))->child(0);

        help->ShowHelp(QStringLiteral("TOPIC:MIN"), QStringLiteral("window min page"));
        QCOMPARE(currentItem(), windowMin);
        QCOMPARE(Access::currentHelpText(*help), QStringLiteral("window min page"));

        help->ShowHelp(QStringLiteral("TOPIC:MIN"), QStringLiteral("statistics min page"));
        QCOMPARE(currentItem(), statisticsMin);

        help->ShowHelp(QStringLiteral("TOPIC:MIN"), QStringLiteral("neither"));
        QCOMPARE(currentItem(), statisticsMin);

        tree()->setCurrentIndex(windowMin->index());
        QCOMPARE(Access::currentHelpText(*help), QStringLiteral("window min page"));

        search()->setText(QStringLiteral("minimise"));
        QCOMPARE(status()->text(), QStringLiteral("1 topic"));
        QVERIFY(!hidden(windowMin));
        QVERIFY(hidden(statisticsMin));
    }

    // A loosely typed category key selects the category whose page the
    // command produced: USERDEFINEDFUNCTIONS holds FUNCTIONS, yet means
    // custom functions.
    void looseCategoryKeysNeedTheirPage_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label"); // empty: shown by itself
        QTest::newRow("other page")
            << "CATEGORY:USERDEFINEDFUNCTIONS" << "custom functions page" << "CUSTOM FUNCTIONS";
        QTest::newRow("no name in common") << "CATEGORY:FINANCE" << "financial page" << "FINANCIAL";
        QTest::newRow("same page") << "CATEGORY:MATHFUNCTIONS" << "functions page" << "FUNCTIONS";
        QTest::newRow("exact key") << "CATEGORY:FUNCTIONS" << "anything" << "FUNCTIONS";
        QTest::newRow("no such category") << "CATEGORY:UNITS" << "units page" << "";
        QTest::newRow("no prefix keeps the loose match") << "STAT" << "anything" << "STATISTICS";
    }
    void looseCategoryKeysNeedTheirPage()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, label);
        help->ShowHelp(key, text);
        if (label.isEmpty()) {
            QVERIFY(!tree()->selectionModel()->hasSelection());
            QCOMPARE(Access::currentHelpText(*help), text);
            QCOMPARE(status()->text(), QStringLiteral("Help"));
        } else {
            QCOMPARE(currentItem()->text(), label);
            QVERIFY(tree()->selectionModel()->isSelected(currentItem()->index()));
        }
    }

    void filtersTheTree_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("visibleCategories");
        QTest::newRow("one topic") << "  future VALUE " << "1 topic" << QStringList{"FINANCIAL"};
        QTest::newRow("several topics") << "page" << "11 topics"
                                        << QStringList{"Basics", "FUNCTIONS", "STATISTICS", "FINANCIAL", "GD&T",
                                                       "CUSTOM FUNCTIONS", "WINDOW", "Alpha Extra", "misc stuff"};
        QTest::newRow("words are one phrase") << "loan payment" << "0 topics" << QStringList{};
        QTest::newRow("only the root") << "index contents" << "0 topics" << QStringList{};
        QTest::newRow("only a special item") << "command search" << "0 topics" << QStringList{"Using HELP"};
    }
    void filtersTheTree()
    {
        QFETCH(QString, query);
        QFETCH(QString, status);
        QFETCH(QStringList, visibleCategories);
        QStandardItem* before = currentItem();
        const QString shown = view()->toPlainText();
        search()->setText(query);
        QCOMPARE(this->status()->text(), status);
        QStringList visible;
        for (int row = 0; row < root()->rowCount(); ++row) {
            if (!hidden(root()->child(row)))
                visible << root()->child(row)->text();
        }
        QCOMPARE(visible, visibleCategories);
        QCOMPARE(hidden(root()), query == QLatin1String("loan payment"));
        QCOMPARE(currentItem(), before);
        QCOMPARE(view()->toPlainText(), shown);

        // Categories the search hid come back expanded like the others.
        search()->clear();
        QCOMPARE(this->status()->text(), QStringLiteral("Help"));
        for (int row = 0; row < root()->rowCount(); ++row) {
            QStandardItem* item = root()->child(row);
            QVERIFY(!hidden(item));
            QCOMPARE(tree()->isExpanded(item->index()), item->hasChildren());
        }
    }

    void hiddenItemsStayNavigable()
    {
        search()->setText(QStringLiteral("smallest"));
        QStandardItem* pmt = category(QStringLiteral("FINANCIAL"))->child(0);
        QVERIFY(hidden(pmt));
        help->ShowHelp(QStringLiteral("TOPIC:PMT"), QString());
        QCOMPARE(currentItem(), pmt);
        QCOMPARE(Access::currentHelpText(*help), QStringLiteral("pmt page"));
        QVERIFY(hidden(pmt));
    }

    void laysOutByHand()
    {
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
        auto* splitter = help->findChild<QSplitter*>(QStringLiteral("helpSplitter"));
        // 170 asked for; the splitter scales it to the room it has.
        QVERIFY(qAbs(splitter->sizes().value(0) - 170) <= 1);
        QCOMPARE(splitter->geometry(), QRect(0, 0, 543, 450));
        help->resize(400, 300);
        QCOMPARE(search()->width(), 60);
        QCOMPARE(status()->x(), 75);
        QCOMPARE(help->findChild<QPushButton*>(QStringLiteral("closeButton"))->geometry(), QRect(331, 277, 65, 20));

        help->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        QVERIFY(!help->isVisible());
    }

    // The label shows its whole text whatever the font, left of the field.
    void searchLabelShowsItsText_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("windowWidth");
        QTest::newRow("default font") << 0 << 545;
        QTest::newRow("large font") << 16 << 545;
        QTest::newRow("minimum width") << 0 << 400;
    }
    void searchLabelShowsItsText()
    {
        QFETCH(int, pointSize);
        QFETCH(int, windowWidth);
        if (pointSize > 0) {
            QFont font = help->font();
            font.setPointSize(pointSize);
            help->setFont(font);
        }
        help->resize(windowWidth, 478);
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
        const auto* label = help->findChild<QLabel*>(QStringLiteral("searchLabel"));
        const QFontMetrics metrics(label->font());
        QVERIFY(label->contentsRect().width() >= metrics.horizontalAdvance(label->text()));
        QVERIFY(label->contentsRect().height() >= metrics.height());
        QVERIFY(label->geometry().right() < search()->x());
        QVERIFY(search()->geometry().right() < status()->x() || windowWidth == 400);
    }

    void contextMenuExpandsAndCollapses_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("expanded");
        QTest::newRow("expand") << "Expand All" << true;
        QTest::newRow("collapse") << "Collapse All" << false;
    }
    void contextMenuExpandsAndCollapses()
    {
        QFETCH(QString, choice);
        QFETCH(bool, expanded);
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
        if (!expanded)
            tree()->expandAll();
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                offered << action->text();
                if (action->text() == choice)
                    menu->setActiveAction(action);
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
        emit tree()->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(offered, (QStringList{"Expand All", "Collapse All"}));
        QCOMPARE(tree()->isExpanded(category(QStringLiteral("FINANCIAL"))->index()), expanded);
        QCOMPARE(tree()->isExpanded(root()->index()), expanded);
    }

    // Banner lines: which lines are fitted, and that a fitted line fits
    // while one more "=" would not, by the view's own font metrics.
    void fitsBannersToTheView_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("kind"); // kept, full or the title
        QTest::newRow("one") << "=" << "kept";
        QTest::newRow("two") << "==" << "kept";
        QTest::newRow("three") << "===" << "full";
        QTest::newRow("indented rule") << "    ==========" << "full";
        QTest::newRow("letter between single") << "=a=" << "kept";
        QTest::newRow("three in all") << "= a ==" << "kept";
        QTest::newRow("letter between pairs") << "== a ==" << "a";
        QTest::newRow("banner") << "================ Calculator Basics ================" << "Calculator Basics";
        QTest::newRow("uneven banner") << "=== Title ==========" << "Title";
        QTest::newRow("nothing between") << "==  ==" << "kept";
        // The fixed-pitch font makes the menus' 60 "-" wider than the pane.
        QTest::newRow("hyphen rule") << QString(60, QLatin1Char('-')) << "full";
        QTest::newRow("hyphen heading") << "-------------------- PROGRAMMER MATH --------------------"
                                        << "PROGRAMMER MATH";
        QTest::newRow("two hyphens") << "--" << "kept";
        QTest::newRow("hyphens around a sentence") << "-Cannot Solve- and -Cannot Solve-" << "kept";
        QTest::newRow("short hyphen runs") << "-- a --" << "kept";
        QTest::newRow("text") << "  HELP MATH" << "kept";
    }
    void fitsBannersToTheView()
    {
        QFETCH(QString, line);
        QFETCH(QString, kind);
        help->show();
        const int width = Access::availableTextWidth(*help);
        const QFontMetrics metrics(view()->font());
        const QString fitted = Access::formatForCurrentWidth(*help, QStringLiteral("x\n") + line + QStringLiteral("\n"))
                                   .section(QLatin1Char('\n'), 1, 1);
        if (kind == QLatin1String("kept")) {
            QCOMPARE(fitted, line);
        }
        // A fitted line keeps the character it was drawn with.
        const QChar fill = line.trimmed().at(0);
        if (kind == QLatin1String("full")) {
            QCOMPARE(fitted.count(fill), fitted.size());
            QVERIFY(metrics.horizontalAdvance(fitted) <= width);
            QVERIFY(metrics.horizontalAdvance(fitted + fill) > width);
        } else if (kind != QLatin1String("kept")) {
            const QString middle = QLatin1Char(' ') + kind + QLatin1Char(' ');
            const qsizetype at = fitted.indexOf(middle);
            QVERIFY(at > 0);
            const qsizetype left = at;
            const qsizetype right = fitted.size() - at - middle.size();
            QCOMPARE(fitted, QString(left, fill) + middle + QString(right, fill));
            QVERIFY(left == right || left == right + 1);
            QVERIFY(metrics.horizontalAdvance(fitted) <= width);
            const QString wider = left == right ? fill + fitted : fitted + fill;
            QVERIFY(metrics.horizontalAdvance(wider) > width);
        }
    }

    void narrowWidths()
    {
        const QFontMetrics metrics(view()->font());
        const QString title = QStringLiteral("A Long Title");
        const int exact = metrics.horizontalAdvance(QStringLiteral("= A Long Title ="));
        QCOMPARE(Access::buildTitleLine(*help, title, exact), QStringLiteral("=A Long Title="));
        QCOMPARE(Access::buildTitleLine(*help, title, 5), QStringLiteral("=A Long Title="));
        QCOMPARE(Access::buildTitleLine(*help, title, exact + 1), QStringLiteral("= A Long Title ="));
        const int oneMore = metrics.horizontalAdvance(QStringLiteral("== A Long Title ="));
        QCOMPARE(Access::buildTitleLine(*help, title, oneMore), QStringLiteral("== A Long Title ="));
        QCOMPARE(Access::buildFullWidthEquals(*help, 0), QStringLiteral("="));
        QCOMPARE(Access::buildFullWidthEquals(*help, metrics.horizontalAdvance(QStringLiteral("==="))),
                 QStringLiteral("==="));
    }

    // Resizing refits the text and keeps the reader's place: the scroll
    // position, and the cursor clamped to the new text's end.
    void resizingKeepsThePlace()
    {
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("================ Section %1 ================\nline\n").arg(i);
        text += QString(40, QLatin1Char('='));
        help->resize(900, 600);
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
        Access::showStandaloneText(*help, text);
        const QString wide = view()->toPlainText();

        QTextCursor cursor(view()->document());
        cursor.setPosition(500);
        view()->setTextCursor(cursor);
        view()->verticalScrollBar()->setValue(40);
        help->resize(700, 600);
        QVERIFY(view()->toPlainText() != wide);
        QCOMPARE(view()->textCursor().position(), 500);
        QCOMPARE(view()->verticalScrollBar()->value(), 40);
        QCOMPARE(Access::currentHelpText(*help), text);

        cursor.movePosition(QTextCursor::End);
        view()->setTextCursor(cursor);
        help->resize(500, 600);
        QCOMPARE(view()->textCursor().position(), view()->toPlainText().size());
    }
};

SUMVELLE_TEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"

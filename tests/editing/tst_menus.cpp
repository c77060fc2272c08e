#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

#include <memory>

using Access = MainWindowTestAccess;

class MenusTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void insertText_data();
    void insertText();
    void conversionEntriesConvert_data();
    void conversionEntriesConvert();
    void commands_data();
    void commands();
    void commandIsNormalWeightAfterBoldAnswer();
    void secondInitializationChangesNothing();
    void refusedWhileBusy_data();
    void refusedWhileBusy();
    void cutAndPaste();
    void fontSizes();
    void formatPresetSurvivesUndo();
    void clearPadUndoes();
    void alwaysOnTop();
    void aboutBox();

    void unitEnds_data();
    void unitEnds();
    void unitEndsFollowChanges_data();
    void unitEndsFollowChanges();
    void bulkRun_data();
    void bulkRun();
    void bulkRunStopsWhenClearEmptiesThePad();
    void bulkRunSurvivesTypingDuringASolve();

private:
    QAction* action(const char* name) const;
    void select(int from, int to) const;

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void MenusTest::init()
{
    window = TestSupport::createWindow();
    window->show();
    pad = std::make_unique<TestSupport::Pad>(window.get());
    pad->editor()->setFocus();
}

void MenusTest::cleanup()
{
    pad.reset();
    window.reset();
}

QAction* MenusTest::action(const char* name) const
{
    return window->findChild<QAction*>(QLatin1String(name));
}

void MenusTest::select(int from, int to) const
{
    QTextCursor cursor = pad->editor()->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    pad->editor()->setTextCursor(cursor);
    window->RefreshMenus();
}

void MenusTest::insertText_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    const QList<std::pair<const char*, QString>> rows = {
        {"actionMathAdd", " + "}, {"actionMathDivideSymbol", QStringLiteral(" \u00F7 ")},
        {"actionMathPercent", "%"}, {"actionMathOf", " OF "}, {"actionMathCloseParenthesis", ")"},
        {"actionMathNotEqual", " <> "}, {"actionMathLessThanOrEqual", " <= "}, {"actionMathSIN", "SIN("},
        {"actionMathATAN2", "ATAN2("}, {"actionMathFRACTION", "FRACTION("}, {"actionMathSHR", "SHR("},
        {"actionMathRANDINT", "RANDINT("}, {"actionMathPERCENTCHANGE", "PERCENTCHANGE("},
        {"actionMathPOSITIONUTIL", "POSITIONUTIL("}, {"actionMathPI", "PI"}, {"actionMathANS", "ANS"},
        {"actionDateTimeNow", "NOW"}, {"actionDateTimeDate", "DATE(\""}, {"actionDateTimeSecond", "SECOND("},
        {"actionConvertInToCm", " IN TO CM"}, {"actionConvertMpgToL100km", " MPG TO L100KM"}};
    for (const auto& [name, text] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << text;
}

// The fragment replaces the selection, nothing is submitted, and the
// insertion with the typing around it is one undo step.
void MenusTest::insertText()
{
    QFETCH(QString, action);
    QFETCH(QString, text);
    pad->type(QStringLiteral("1 2"));
    select(1, 2);
    window->findChild<QAction*>(action)->trigger();
    QCOMPARE(pad->text(), QStringLiteral("1") + text + QStringLiteral("2"));
    QCOMPARE(pad->editor()->textCursor().position(), int(1 + text.size()));
    QVERIFY(pad->boldRuns().isEmpty());
    window->UndoPadState();
    QCOMPARE(pad->text(), QString());
}

void MenusTest::conversionEntriesConvert_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("answer");
    QTest::newRow("inches") << "actionConvertInToCm" << "12" << "30.48";
    QTest::newRow("fahrenheit") << "actionConvertFToC" << "212" << "100";
    QTest::newRow("celsius") << "actionConvertCToF" << "12" << "53.6";
    QTest::newRow("kelvin") << "actionConvertKToC" << "12" << "-261.15";
    QTest::newRow("miles per gallon") << "actionConvertMpgToL100km" << "12" << "19.6012152777778";
    QTest::newRow("astronomical units") << "actionConvertAuToKm" << "12" << "1795174448.4";
    QTest::newRow("degrees") << "actionConvertDegToRad" << "12" << "0.20943951023932";
}

// Typed after a value, an entry completes a conversion the pad answers.
void MenusTest::conversionEntriesConvert()
{
    QFETCH(QString, action);
    QFETCH(QString, value);
    QFETCH(QString, answer);
    pad->type(value);
    window->findChild<QAction*>(action)->trigger();
    pad->enter();
    QCOMPARE(pad->status(), QStringLiteral("Value = ") + answer);
}

void MenusTest::commands_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("execute");
    QTest::addColumn<QString>("status");
    QTest::newRow("clear variables") << "actionClearVariables" << "CLEAR VARIABLES" << true << "Variables cleared";
    QTest::newRow("vars") << "actionCommandVARS" << "VARS" << true << "Variables listed";
    QTest::newRow("info") << "actionInfo" << "INFO" << true << "Information displayed";
    QTest::newRow("uptime") << "actionCommandUPTIME" << "UPTIME" << true << "Application uptime displayed";
    QTest::newRow("top most") << "actionCommandTopmost" << "TOPMOST" << true << "Topmost set";
    QTest::newRow("output base hex") << "actionCommandOutputBaseHexadecimal" << "MENU OUTPUT BASE HEX" << true
                                     << "Output Base = Hexadecimal";
    const QString complete = QStringLiteral("Complete the command, then press Enter");
    QTest::newRow("simplify") << "actionSimplify" << "SIMPLIFY" << false << complete;
    QTest::newRow("isolate") << "actionCommandISOLATE" << "ISOLATE" << false << complete;
    QTest::newRow("font") << "actionCommandFONT" << "FONT" << false << complete;
    QTest::newRow("menu") << "actionCommandMENU" << "MENU" << false << complete;
    QTest::newRow("hidden window handle") << "actionCommandWindowHANDLE" << "HANDLE" << false << complete;
    QTest::newRow("hidden show") << "actionWindowSHOW" << "SHOW" << false << complete;
    // Help entries: the line reaches the help system; its reply is its own.
    QTest::newRow("help index") << "actionHelpIndex" << "HELP" << true << "";
    QTest::newRow("help atan2") << "actionHelpMathATAN2" << "HELP ATAN2" << true << "";
    QTest::newRow("help ans") << "actionHelpMathANS" << "HELP ANS" << true << "";
    QTest::newRow("help date") << "actionHelpDateTimeDate" << "HELP DATE" << true << "";
    QTest::newRow("help gd&t") << "actionHelpGDT" << "HELP GD&T" << true << "";
    QTest::newRow("help hidden windows") << "actionHelpWindows" << "HELP WINDOWS" << true << "";
    QTest::newRow("help conversions") << "actionHelpConversions" << "HELP CONVERSIONS" << true << "";
}

// A command goes on a line of its own at the end of the pad, after any text
// the pad holds; it is run at once or waits after one blank.
void MenusTest::commands()
{
    QFETCH(QString, action);
    QFETCH(QString, command);
    QFETCH(bool, execute);
    QFETCH(QString, status);
    pad->type(QStringLiteral("x"));
    pad->editor()->moveCursor(QTextCursor::Start);
    window->findChild<QAction*>(action)->trigger();
    const QString written = QStringLiteral("x\n") + command + (execute ? QStringLiteral("\n") : QStringLiteral(" "));
    if (execute)
        QVERIFY2(pad->text().startsWith(written), qPrintable(pad->text()));
    else
        QCOMPARE(pad->text(), written);
    if (!status.isEmpty())
        QCOMPARE(pad->status(), status);
    if (!execute)
        QCOMPARE(pad->editor()->textCursor().position(), int(written.size()));
    // One undo brings the pad back as it was.
    window->UndoPadState();
    QCOMPARE(pad->text(), QStringLiteral("x"));
}

void MenusTest::commandIsNormalWeightAfterBoldAnswer()
{
    pad->submit(QStringLiteral("2+3"));
    QCOMPARE(pad->boldRuns(), QStringList{QStringLiteral("5")});
    action("actionCommandFORMAT")->trigger();
    QCOMPARE(pad->text(), QStringLiteral("2+3\n5\nFORMAT "));
    QCOMPARE(pad->boldRuns(), QStringList{QStringLiteral("5")});
}

void MenusTest::secondInitializationChangesNothing()
{
    window->InitializeMenus();
    action("actionMathSQRT")->trigger();
    QCOMPARE(pad->text(), QStringLiteral("SQRT("));
    action("actionCommandSIMPLIFY")->trigger();
    QCOMPARE(pad->text(), QStringLiteral("SQRT(\nSIMPLIFY "));
    QCOMPARE(Access::undoSteps(*window), 2);
}

void MenusTest::refusedWhileBusy_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("insert text") << "actionMathSIN";
    QTest::newRow("command") << "actionCommandVARS";
    QTest::newRow("execute selected lines") << "actionExecuteSelectedLines";
    QTest::newRow("clear pad") << "actionClear_Pad";
}

void MenusTest::refusedWhileBusy()
{
    QFETCH(QString, action);
    pad->type(QStringLiteral("1+1"));
    select(0, 3);
    window->findChild<QAction*>(QStringLiteral("actionExecuteSelectedLines"))->setEnabled(true);
    Access::busy(*window) = true;
    window->findChild<QAction*>(action)->trigger();
    Access::busy(*window) = false;
    QCOMPARE(pad->status(), QStringLiteral("Please finish the current calculation first"));
    QCOMPARE(pad->text(), QStringLiteral("1+1"));
}

void MenusTest::cutAndPaste()
{
    QApplication::clipboard()->clear();
    pad->type(QStringLiteral("12+3"));
    const qsizetype before = Access::undoSteps(*window);
    window->RefreshMenus();
    QVERIFY(!action("actionCut")->isEnabled());
    QVERIFY(!action("actionPaste")->isEnabled());

    select(0, 2);
    QVERIFY(action("actionCut")->isEnabled());
    QVERIFY(action("actionExecuteSelectedLines")->isEnabled());
    action("actionCut")->trigger();
    QCOMPARE(pad->text(), QStringLiteral("+3"));
    // The cut joins the edit run of the typing before it.
    QCOMPARE(Access::undoSteps(*window), before);
    window->RefreshMenus();
    QVERIFY(action("actionPaste")->isEnabled());
    pad->editor()->moveCursor(QTextCursor::End);
    action("actionPaste")->trigger();
    QCOMPARE(pad->text(), QStringLiteral("+312"));
    window->UndoPadState();
    QCOMPARE(pad->text(), QString());
}

void MenusTest::fontSizes()
{
    QFont font = pad->editor()->font();
    font.setPointSizeF(3);
    pad->editor()->setFont(font);
    action("actionSmaller")->trigger();
    QCOMPARE(pad->editor()->font().pointSizeF(), 1.0);
    action("actionSmaller")->trigger();
    QCOMPARE(pad->editor()->font().pointSizeF(), 1.0);
    action("actionLarger")->trigger();
    QCOMPARE(pad->editor()->font().pointSizeF(), 5.0);

    // A font in pixels grows from the size it shows at.
    font.setPixelSize(40);
    pad->editor()->setFont(font);
    const double shown = QFontInfo(pad->editor()->font()).pointSizeF();
    action("actionLarger")->trigger();
    QCOMPARE(pad->editor()->font().pointSizeF(), shown + 4);
}

void MenusTest::formatPresetSurvivesUndo()
{
    pad->type(QStringLiteral("7"));
    action("actionMoney_0_00")->trigger();
    QCOMPARE(pad->status(), QStringLiteral("Format set to '$#,###,##0.00'"));
    window->UndoPadState();
    QCOMPARE(pad->text(), QString());
    QCOMPARE(Access::numberFormat(*window), QStringLiteral("$#,###,##0.00"));
    action("actionLarge_Numbers_0")->trigger();
    QCOMPARE(Access::numberFormat(*window), QStringLiteral("#,###,##0."));
    action("actionClear")->trigger();
    QCOMPARE(pad->status(), QStringLiteral("Format Cleared"));
    QCOMPARE(Access::numberFormat(*window), QString());
}

void MenusTest::clearPadUndoes()
{
    pad->submit(QStringLiteral("a = 4"));
    pad->submit(QStringLiteral("a*2"));
    const QString text = pad->text();
    const QStringList boldRuns = pad->boldRuns();
    action("actionClear_Pad")->trigger();
    QCOMPARE(pad->text(), QString());
    QCOMPARE(pad->status(), QString());
    QVERIFY(Access::variables(*window).isEmpty());
    window->UndoPadState();
    QCOMPARE(pad->text(), text);
    QCOMPARE(pad->boldRuns(), boldRuns);
    QVERIFY(boldRuns.contains(QStringLiteral("8")));
    QCOMPARE(Access::variables(*window).value(QStringLiteral("A")), 4.0);
}

void MenusTest::alwaysOnTop()
{
    QAction* onTop = action("actionAlwaysOnTop");
    onTop->trigger();
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(pad->status(), QStringLiteral("Topmost set"));
    QVERIFY(onTop->isChecked());
    onTop->trigger();
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(pad->status(), QStringLiteral("Topmost cleared"));

    // The check mark follows the window, also when a command changed it.
    pad->submit(QStringLiteral("TOPMOST"));
    emit window->findChild<QMenu*>(QStringLiteral("menuOptions"))->aboutToShow();
    QVERIFY(onTop->isChecked());
}

void MenusTest::aboutBox()
{
    pad->type(QStringLiteral("1"));
    TestSupport::ShownMessage box;
    TestSupport::readNextMessageBox(box);
    action("actionAbout")->trigger();
    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("About Sumvelle"));
    QCOMPARE(box.text, QStringLiteral("Sumvelle\n\nA calculator pad with variables, equation solving, symbolic tools, "
                                  "and typed commands."));
    QCOMPARE(pad->text(), QStringLiteral("1"));
}

void MenusTest::unitEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("ends");
    QTest::newRow("block is one unit") << "{\nx+y=3\nx-y=1\n}" << QList<int>{15};
    QTest::newRow("blank line makes none") << "1+1\n\n2*3" << QList<int>{3, 8};
    QTest::newRow("white space only") << "  \n\t\n" << QList<int>{};
    QTest::newRow("stray closing brace") << "}\n2" << QList<int>{1, 3};
    QTest::newRow("unclosed block") << "1\n{\nx=2" << QList<int>{1};
    QTest::newRow("block on one line") << "{x=1}\n4" << QList<int>{5, 7};
}

void MenusTest::unitEnds()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, ends);
    QCOMPARE(MainWindow::SelectedLineUnitEnds(text), ends);
}

void MenusTest::unitEndsFollowChanges_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("added");
    QTest::addColumn<QList<int>>("ends");
    // The ends start at 0, 5 and 10.
    QTest::newRow("typed before them") << 2 << 0 << 3 << QList<int>{0, 8, 13};
    QTest::newRow("typed at an end") << 5 << 0 << 2 << QList<int>{0, 7, 12};
    QTest::newRow("typed after them") << 11 << 0 << 4 << QList<int>{0, 5, 10};
    QTest::newRow("cut across an end") << 3 << 4 << 0 << QList<int>{0, 3, 6};
    QTest::newRow("pasted over an end") << 3 << 4 << 1 << QList<int>{0, 4, 7};
    QTest::newRow("format across an end") << 3 << 4 << 4 << QList<int>{0, 5, 10};
    QTest::newRow("pad cleared") << 0 << 11 << 0 << QList<int>{0, 0, 0};
}

void MenusTest::unitEndsFollowChanges()
{
    QFETCH(int, position);
    QFETCH(int, removed);
    QFETCH(int, added);
    QFETCH(QList<int>, ends);
    QList<int> positions{0, 5, 10};
    MainWindow::MoveWithPadChange(positions, position, removed, added);
    QCOMPARE(positions, ends);
}

void MenusTest::bulkRun_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("status");
    QTest::newRow("two lines") << "1+1\n\n2*3" << "1+1\n2\n\n\n2*3\n6\n" << "Value = 6";
    QTest::newRow("block") << "{\nx+y=3\nx-y=1\n}" << "{\nx+y=3\nx-y=1\n}\nX = 2\nY = 1\n"
                           << "Equation system solved";
    QTest::newRow("blank only") << "  \n " << "  \n " << "";
}

// The whole run is one undo step and leaves no progress in the status line.
void MenusTest::bulkRun()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(QString, status);
    pad->editor()->setPlainText(text);
    pad->statusLabel()->clear();
    const qsizetype before = Access::undoSteps(*window);
    pad->editor()->selectAll();
    window->RefreshMenus();
    action("actionExecuteSelectedLines")->trigger();
    QCOMPARE(pad->text(), expected);
    QCOMPARE(pad->status(), status);
    QCOMPARE(Access::undoSteps(*window), before + 1);
    window->UndoPadState();
    QCOMPARE(pad->text(), text);
}

// With Select All and CLEAR as the last unit but one, the emptied pad gets
// no stray newline and the last unit does not run.
void MenusTest::bulkRunStopsWhenClearEmptiesThePad()
{
    pad->editor()->setPlainText(QStringLiteral("5\nCLEAR\n7"));
    pad->editor()->selectAll();
    window->RefreshMenus();
    action("actionExecuteSelectedLines")->trigger();
    QCOMPARE(pad->text(), QString());
    window->UndoPadState();
    QCOMPARE(pad->text(), QStringLiteral("5\nCLEAR\n7"));
}

// A unit that starts the nonlinear solver lets input in: text typed into an
// earlier line meanwhile cancels the solve and shifts the later units, which
// still run on their own lines.
void MenusTest::bulkRunSurvivesTypingDuringASolve()
{
    const QString text = QStringLiteral("1+1\nx^2 + 1 = 0\n2*3");
    pad->editor()->setPlainText(text);
    pad->editor()->selectAll();
    window->RefreshMenus();
    bool typed = false;
    QTimer typer;
    connect(&typer, &QTimer::timeout, this, [&]() {
        if (!Access::solveRunning(*window) || typed)
            return;
        typed = true;
        QTextCursor cursor = pad->editor()->textCursor();
        cursor.setPosition(0);
        pad->editor()->setTextCursor(cursor);
        pad->type(QStringLiteral("00"));
    });
    typer.start(20);
    action("actionExecuteSelectedLines")->trigger();
    QVERIFY(typed);
    const QString result = pad->text();
    QVERIFY2(result.startsWith(QStringLiteral("001+1\n2\n")), qPrintable(result));
    QVERIFY2(result.endsWith(QStringLiteral("\n2*3\n6\n")), qPrintable(result));
    QVERIFY(!pad->status().contains(QStringLiteral("[Bulk:")));
}

SUMVELLE_TEST_MAIN(MenusTest)
#include "tst_menus.moc"

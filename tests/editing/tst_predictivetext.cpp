#include "editing/CompletionVocabulary.h"
#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QStringListModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

// Autocomplete and the syntax hint as a user meets them: the window is shown,
// and keys go where the window system sends them, to the popup while it shows.
class PredictiveTextTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void prefixes_data();
    void prefixes();
    void matchesSortedWithoutRepeats();

    void suggestions_data();
    void suggestions();
    void noSuggestionsWhile_data();
    void noSuggestionsWhile();
    void acceptance_data();
    void acceptance();
    void acceptanceByClick();
    void wordReplacedFromInside();
    void keysOnTheShownPopup_data();
    void keysOnTheShownPopup();
    void enterWithPopupSubmitsOneUndoStep();
    void variableOfferedAtOnce();
    void offeredBeforeFirstPaint();
    void wordOperatorSwitch();
    void predictiveSwitch();
    void holdBackAfterUpOrDown();

    void hint_data();
    void hint();
    void hintForUserFunction();
    void hintSwitch();
    void hintPosition_data();
    void hintPosition();
    void hintNearBottomStaysInView();

private:
    QAbstractItemView* popup() const { return MainWindowTestAccess::completer(*window)->popup(); }
    QStringList offered() const;
    QLabel* hintLabel() const { return MainWindowTestAccess::syntaxHint(*window); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    // A key where the window system delivers it: to the popup while it shows.
    void keyOnScreen(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    void typeOnScreen(const QString& text) const;

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void PredictiveTextTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
    window->resize(640, 420);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    pad->editor()->setFocus();
}

void PredictiveTextTest::cleanup()
{
    pad.reset();
    window.reset();
}

QStringList PredictiveTextTest::offered() const
{
    QStringList words;
    const QAbstractItemModel* model = popup()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        words.append(model->index(row, 0).data().toString());
    return words;
}

void PredictiveTextTest::keyOnScreen(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QWidget* target = QApplication::activePopupWidget();
    QTest::keyClick(target ? target : pad->editor(), key, modifiers);
}

void PredictiveTextTest::typeOnScreen(const QString& text) const
{
    for (const QChar c : text) {
        QWidget* target = QApplication::activePopupWidget();
        QTest::keyClicks(target ? target : pad->editor(), QString(c));
    }
}

void PredictiveTextTest::prefixes_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("length");

    const QStringList words = {"SIN", "SIGN", "CLEAR VARIABLES", "INCH TO CM", "X2", "_TMP"};
    QTest::newRow("one letter is too short") << words << "s" << 0;
    QTest::newRow("two letters") << words << "si" << 2;
    QTest::newRow("after an operator") << words << "2*si" << 2;
    QTest::newRow("inside a word nothing begins") << words << "1 xsi" << 0;
    QTest::newRow("whole line may begin a word") << words << "x2" << 2;
    QTest::newRow("several words") << words << "clear va" << 8;
    QTest::newRow("phrase after a number") << words << "12 inch to c" << 9;
    QTest::newRow("underscore belongs to the word") << words << "a_tm" << 0;
    QTest::newRow("underscore starts a word") << words << "(_tm" << 3;
    QTest::newRow("letters of other scripts belong to words") << words << "\u00e9si" << 0;
    QTest::newRow("empty line") << words << "" << 0;
    QTest::newRow("nothing begins") << words << "qq" << 0;
}

void PredictiveTextTest::prefixes()
{
    QFETCH(QStringList, words);
    QFETCH(QString, line);
    QFETCH(int, length);
    const CompletionVocabulary vocabulary(std::make_shared<const CompletionWordList>(words), {});
    QCOMPARE(vocabulary.FindPrefixLength(line), length);
}

void PredictiveTextTest::matchesSortedWithoutRepeats()
{
    const auto base = std::make_shared<const CompletionWordList>(QStringList{"SIN", "", "SIGN", "SIN", "sinus", "COS"});
    const CompletionVocabulary vocabulary(base, {"SIN", "SIDE", "Si", "SI"});
    QCOMPARE(vocabulary.size(), 7);
    QCOMPARE(vocabulary.Matches(u"si"), QStringList({"Si", "SI", "SIDE", "SIGN", "SIN", "sinus"}));
    QCOMPARE(vocabulary.Matches(u"x"), QStringList());
}

void PredictiveTextTest::suggestions_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("prefixLength");

    QTest::newRow("one letter") << "s" << false << QString() << 0;
    QTest::newRow("two letters") << "si" << true << "SIN" << 2;
    QTest::newRow("after an asterisk") << "2*si" << true << "SIN" << 2;
    QTest::newRow("inside a word") << "1 xsi" << false << QString() << 0;
    QTest::newRow("multi-word command") << "clear va" << true << "CLEAR VARIABLES" << 8;
    QTest::newRow("unit phrase") << "12 inch to c" << true << "INCH TO CM" << 9;
    QTest::newRow("typed-out constant") << "euler" << false << QString() << 0;
    QTest::newRow("typed-out function still offered") << "sqrt" << true << "SQRT" << 4;
}

void PredictiveTextTest::suggestions()
{
    QFETCH(QString, typed);
    QFETCH(bool, shown);
    QFETCH(QString, expected);
    QFETCH(int, prefixLength);

    pad->type(typed);
    QCOMPARE(popup()->isVisible(), shown);
    if (!shown) {
        QCOMPARE(MainWindowTestAccess::autoCompletePrefixStart(*window), -1);
        return;
    }
    const QStringList words = offered();
    QVERIFY2(words.contains(expected), qPrintable(words.join(", ")));
    for (qsizetype i = 0; i < words.size(); ++i) {
        QVERIFY(words.at(i).startsWith(typed.right(prefixLength), Qt::CaseInsensitive));
        if (i > 0)
            QVERIFY(words.at(i - 1).compare(words.at(i), Qt::CaseInsensitive) <= 0);
    }
    QCOMPARE(popup()->currentIndex().row(), 0);
    QCOMPARE(MainWindowTestAccess::autoCompletePrefixStart(*window), int(typed.size()) - prefixLength);
    QCOMPARE(MainWindowTestAccess::autoCompletePrefixEnd(*window), int(typed.size()));
    QVERIFY(popup()->width() >= 190);
}

void PredictiveTextTest::noSuggestionsWhile_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("a selection") << "selection";
    QTest::newRow("a solve") << "solve";
    QTest::newRow("a menu command") << "busy";
}

void PredictiveTextTest::noSuggestionsWhile()
{
    QFETCH(QString, state);
    pad->type(QStringLiteral("si"));
    QVERIFY(popup()->isVisible());
    if (state == QLatin1String("selection")) {
        pad->key(Qt::Key_Left, Qt::ShiftModifier);
    } else {
        (state == QLatin1String("solve") ? MainWindowTestAccess::solveRunning(*window)
                                         : MainWindowTestAccess::busy(*window)) = true;
        window->UpdatePredictiveText();
    }
    QVERIFY(!popup()->isVisible());
    QVERIFY(hintLabel()->isHidden());
}

void PredictiveTextTest::acceptance_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("Tab adds the bracket of a function") << "2*sqr" << int(Qt::Key_Tab) << "2*SQRT(";
    QTest::newRow("Backtab too") << "2*sqr" << int(Qt::Key_Backtab) << "2*SQRT(";
    QTest::newRow("a command takes no bracket") << "clear va" << int(Qt::Key_Tab) << "CLEAR VARIABLES";
    QTest::newRow("a unit phrase") << "12 inch to ch" << int(Qt::Key_Tab) << "12 INCH TO CHAIN";
}

void PredictiveTextTest::acceptance()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, text);

    const qsizetype steps = MainWindowTestAccess::undoSteps(*window);
    typeOnScreen(typed);
    QVERIFY(popup()->isVisible());
    keyOnScreen(Qt::Key(key));
    QCOMPARE(pad->text(), text);
    QCOMPARE(pad->editor()->textCursor().position(), int(text.size()));
    QVERIFY(pad->editor()->hasFocus());
    // The completion is one step with the typing before it.
    QCOMPARE(MainWindowTestAccess::undoSteps(*window), steps + 1);
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pad->text(), QString());
}

void PredictiveTextTest::acceptanceByClick()
{
    pad->type(QStringLiteral("1+sqr"));
    QVERIFY(popup()->isVisible());
    const QModelIndex first = popup()->model()->index(0, 0);
    QTest::mouseClick(popup()->viewport(), Qt::LeftButton, {}, popup()->visualRect(first).center());
    QCOMPARE(pad->text(), QStringLiteral("1+SQRT("));
    QVERIFY(!popup()->isVisible());
}

void PredictiveTextTest::wordReplacedFromInside()
{
    typeOnScreen(QStringLiteral("SIN"));
    keyOnScreen(Qt::Key_Left);
    QVERIFY(popup()->isVisible());
    QCOMPARE(MainWindowTestAccess::autoCompletePrefixEnd(*window), 3);
    const qsizetype sign = offered().indexOf(QStringLiteral("SIGN"));
    QVERIFY(sign > 0);
    for (qsizetype i = 0; i < sign; ++i)
        keyOnScreen(Qt::Key_Down);
    keyOnScreen(Qt::Key_Tab);
    QCOMPARE(pad->text(), QStringLiteral("SIGN("));
}

void PredictiveTextTest::keysOnTheShownPopup_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("shown");

    QTest::newRow("Down moves on") << QList<int>{Qt::Key_Down} << 1 << true;
    QTest::newRow("Up wraps to the last row") << QList<int>{Qt::Key_Up} << -2 << true;
    QTest::newRow("Up then Down comes back") << QList<int>{Qt::Key_Up, Qt::Key_Down} << 0 << true;
    QTest::newRow("Escape hides") << QList<int>{Qt::Key_Escape} << -1 << false;
}

void PredictiveTextTest::keysOnTheShownPopup()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QFETCH(bool, shown);

    typeOnScreen(QStringLiteral("co"));
    QVERIFY(popup()->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(popup()));
    const int rows = popup()->model()->rowCount();
    QVERIFY(rows > 2);
    for (const int key : keys)
        keyOnScreen(Qt::Key(key));
    QCOMPARE(popup()->isVisible(), shown);
    if (shown)
        QCOMPARE(popup()->currentIndex().row(), row < 0 ? rows + row + 1 : row);
    QCOMPARE(pad->text(), QStringLiteral("co"));
    QVERIFY(!MainWindowTestAccess::suggestionHoldBack(*window)->isActive());
}

void PredictiveTextTest::enterWithPopupSubmitsOneUndoStep()
{
    pad->submit(QStringLiteral("AREA = 12"));
    pad->submit(QStringLiteral("AREA2 = 5"));
    const QString before = pad->text();
    const qsizetype steps = MainWindowTestAccess::undoSteps(*window);

    typeOnScreen(QStringLiteral("2*AREA"));
    QVERIFY(popup()->isVisible());
    keyOnScreen(Qt::Key_Return);
    QVERIFY(!popup()->isVisible());
    QVERIFY(pad->editor()->hasFocus());
    QCOMPARE(pad->text(), before + QStringLiteral("2*AREA\n24\n"));
    QCOMPARE(pad->status(), QStringLiteral("Value = 24"));

    // The line and its answer are one step: one Undo gives the pad back.
    QCOMPARE(MainWindowTestAccess::undoSteps(*window), steps + 1);
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pad->text(), before);
}

void PredictiveTextTest::variableOfferedAtOnce()
{
    pad->submit(QStringLiteral("total = 5"));
    pad->type(QStringLiteral("1+tot"));
    QVERIFY(popup()->isVisible());
    QVERIFY(offered().contains(QStringLiteral("TOTAL")));
}

// The completer is made once the window shows; keys typed into a window that
// has not painted yet still get their suggestions.
void PredictiveTextTest::offeredBeforeFirstPaint()
{
    const auto fresh = TestSupport::createWindow();
    const TestSupport::Pad freshPad(fresh.get());
    freshPad.type(QStringLiteral("1 plu"));
    QCompleter* completer = MainWindowTestAccess::completer(*fresh);
    QCOMPARE(completer->completionPrefix(), QStringLiteral("plu"));
    const auto* words = qobject_cast<const QStringListModel*>(completer->model());
    QVERIFY(words);
    QVERIFY(words->stringList().contains(QStringLiteral("PLUS")));
}

void PredictiveTextTest::wordOperatorSwitch()
{
    pad->type(QStringLiteral("1 plu"));
    QVERIFY(offered().contains(QStringLiteral("PLUS")));
    pad->key(Qt::Key_Return, Qt::ShiftModifier);
    action("actionUse_Word_Oporators")->setChecked(false);
    pad->type(QStringLiteral("1 plu"));
    QVERIFY(!popup()->isVisible() || !offered().contains(QStringLiteral("PLUS")));
}

void PredictiveTextTest::predictiveSwitch()
{
    QAction* predictive = action("actionPredictive_Text_Complete");
    pad->type(QStringLiteral("si"));
    QVERIFY(popup()->isVisible());
    predictive->setChecked(false);
    QVERIFY(!popup()->isVisible());
    pad->type(QStringLiteral("g"));
    QVERIFY(!popup()->isVisible());
    // Switched on again, the suggestions come at once.
    predictive->setChecked(true);
    QVERIFY(popup()->isVisible());
    QVERIFY(offered().contains(QStringLiteral("SIGN")));
}

void PredictiveTextTest::holdBackAfterUpOrDown()
{
    pad->submit(QStringLiteral("1+1"));
    typeOnScreen(QStringLiteral("co"));
    keyOnScreen(Qt::Key_Escape);
    QVERIFY(!popup()->isVisible());
    keyOnScreen(Qt::Key_Up);
    QVERIFY(MainWindowTestAccess::suggestionHoldBack(*window)->isActive());
    keyOnScreen(Qt::Key_Down);
    QCOMPARE(pad->editor()->textCursor().position(), int(pad->text().size()));
    typeOnScreen(QStringLiteral("s"));
    QVERIFY(!popup()->isVisible());
    // The hold-back ends and shows what the cursor has reached.
    QTRY_VERIFY_WITH_TIMEOUT(popup()->isVisible(), 3000);
    QVERIFY(offered().contains(QStringLiteral("COS")));
}

void PredictiveTextTest::hint_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hint");  // empty: no hint

    QTest::newRow("nested call, index clamped") << "MAX(1, SIN(2), " << "MAX(value1, <b>value2, ...</b>)";
    QTest::newRow("grouping bracket skipped") << "SIN((1+2" << "SIN(<b>angle</b>)";
    QTest::newRow("second parameter") << "atan2(1, " << "ATAN2(y, <b>x</b>)";
    QTest::newRow("blank before the bracket") << "SQRT (4" << "SQRT(<b>value</b>)";
    QTest::newRow("bracket after an operator") << "2*(SIN(1)+" << "";
    QTest::newRow("date pattern escaped") << "DATE(" << "DATE(&quot;M/D/YYYY [H:MM AM/PM]&quot;)";
    QTest::newRow("longest command wins") << "MENU OUTPUT BASE HEX" << "MENU OUTPUT BASE HEX";
    QTest::newRow("command with a blank after it") << "MENU OUTPUT BASE " << "MENU OUTPUT BASE [DEC/BIN/OCT/HEX]";
    QTest::newRow("format with equals") << "FORMAT=" << "FORMAT=<b>formatString</b>";
    QTest::newRow("MIN alone is the command") << "MIN" << "MIN";
    QTest::newRow("function without bracket") << "SIN 30" << "";
    QTest::newRow("command arguments") << "ISOLATE x," << "ISOLATE variable, <b>equation</b>";
    QTest::newRow("constant") << "PI" << "";
    QTest::newRow("word operator") << "PLUS" << "";
    QTest::newRow("base literal") << "0x(" << "";
}

void PredictiveTextTest::hint()
{
    QFETCH(QString, typed);
    QFETCH(QString, hint);
    pad->type(typed);
    if (hint.isEmpty()) {
        QVERIFY(hintLabel()->isHidden());
        return;
    }
    QVERIFY(hintLabel()->isVisible());
    QCOMPARE(hintLabel()->text(), hint);
    // The label stands under the cursor's line.
    const QRect cursor = pad->editor()->cursorRect();
    QCOMPARE(hintLabel()->pos(), QPoint(cursor.left(), cursor.bottom() + 3));
    // At the line start there is nothing to hint at.
    pad->key(Qt::Key_Home);
    QVERIFY(hintLabel()->isHidden());
}

void PredictiveTextTest::hintForUserFunction()
{
    pad->submit(QStringLiteral("CREATE FUNCTION AB(A) = A*2"));
    pad->type(QStringLiteral("AB(1"));
    QCOMPARE(hintLabel()->text(), QStringLiteral("<b>A</b>B(<b>A</b>)"));
}

void PredictiveTextTest::hintSwitch()
{
    QAction* syntaxHelp = action("actionSyntax_Help");
    pad->type(QStringLiteral("SIN("));
    QVERIFY(hintLabel()->isVisible());
    syntaxHelp->setChecked(false);
    QVERIFY(hintLabel()->isHidden());
    pad->type(QStringLiteral("1"));
    QVERIFY(hintLabel()->isHidden());
    syntaxHelp->setChecked(true);
    QVERIFY(hintLabel()->isVisible());
}

void PredictiveTextTest::hintPosition_data()
{
    QTest::addColumn<QRect>("cursor");
    QTest::addColumn<QSize>("label");
    QTest::addColumn<QPoint>("position");

    // In a viewport of 300 by 200.
    QTest::newRow("under the cursor") << QRect(10, 20, 1, 16) << QSize(100, 24) << QPoint(10, 38);
    QTest::newRow("moved left to end at the edge") << QRect(250, 20, 1, 16) << QSize(100, 24) << QPoint(200, 38);
    QTest::newRow("wider than the view starts at 0") << QRect(250, 20, 1, 16) << QSize(400, 24) << QPoint(0, 38);
    QTest::newRow("above the line near the bottom") << QRect(10, 180, 1, 16) << QSize(100, 24) << QPoint(10, 153);
    QTest::newRow("never above the top") << QRect(10, 5, 1, 190) << QSize(100, 24) << QPoint(10, 0);
}

void PredictiveTextTest::hintPosition()
{
    QFETCH(QRect, cursor);
    QFETCH(QSize, label);
    QFETCH(QPoint, position);
    QCOMPARE(MainWindow::SyntaxHintPosition(cursor, label, QSize(300, 200)), position);
}

void PredictiveTextTest::hintNearBottomStaysInView()
{
    for (int i = 0; i < 40; ++i)
        pad->key(Qt::Key_Return, Qt::ShiftModifier);
    pad->type(QString(60, QLatin1Char(' ')) + QStringLiteral("PERCENTILE("));
    QVERIFY(hintLabel()->isVisible());
    const QRect view = pad->editor()->viewport()->rect();
    QVERIFY(view.contains(hintLabel()->geometry()));
    QVERIFY(hintLabel()->geometry().bottom() < pad->editor()->cursorRect().top());
}

SUMVELLE_TEST_MAIN(PredictiveTextTest)
#include "tst_predictivetext.moc"

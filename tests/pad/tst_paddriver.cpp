#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWindow>

// One step of typing: text to type, or a key with its modifiers.
struct Keystroke
{
    QString text;
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
Q_DECLARE_METATYPE(QList<Keystroke>)

// Where a key press arrives while the autocomplete popup is up.
enum class KeyTarget { Pad, Popup, PopupViewport, PopupWindow };
Q_DECLARE_METATYPE(KeyTarget)

namespace {

Keystroke Text(const QString& text)
{
    return {text, 0, Qt::NoModifier};
}

Keystroke Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return {QString(), key, modifiers};
}

Keystroke Enter()
{
    return Key(Qt::Key_Return);
}

void Play(const TestSupport::Pad& pad, const QList<Keystroke>& keys)
{
    for (const Keystroke& stroke : keys) {
        if (stroke.key == 0)
            pad.type(stroke.text);
        else
            pad.key(Qt::Key(stroke.key), stroke.modifiers);
    }
}

} // namespace

class PadDriverTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typing_data();
    void typing();
    void closingParentheses_data();
    void closingParentheses();
    void equationBlockStatus_data();
    void equationBlockStatus();
    void enterWithCommandModifiersWaitsForNothing_data();
    void enterWithCommandModifiersWaitsForNothing();
    void typingWhileSolvingOnlyCancels();
    void enterThatCancelsLeavesNothingPending_data();
    void enterThatCancelsLeavesNothingPending();
    void popupKeys_data();
    void popupKeys();
    void popupRows_data();
    void popupRows();
    void upOrDownWithoutPopupHoldsSuggestionsBack_data();
    void upOrDownWithoutPopupHoldsSuggestionsBack();
    void contextMenuEditWhileSolvingTakesNoSnapshot();
    void contextMenuWithoutChangeLeavesHistory_data();
    void contextMenuWithoutChangeLeavesHistory();

private:
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void PadDriverTest::init()
{
    window = TestSupport::createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    pad = std::make_unique<TestSupport::Pad>(window.get());
    pad->editor()->setFocus();
}

void PadDriverTest::cleanup()
{
    pad.reset();
    window.reset();
}

void PadDriverTest::typing_data()
{
    QTest::addColumn<QList<Keystroke>>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("bold");
    QTest::addColumn<QString>("status");

    QTest::newRow("answer in bold on the next line")
        << QList<Keystroke>{Text("1+2"), Enter()} << "1+2\n3\n" << QStringList{"3"} << "Value = 3";
    QTest::newRow("Enter inside a line submits the whole line")
        << QList<Keystroke>{Text("12+34"), Key(Qt::Key_Left), Key(Qt::Key_Left), Key(Qt::Key_Left), Enter()}
        << "12+34\n46\n" << QStringList{"46"} << "Value = 46";
    QTest::newRow("keypad Enter submits")
        << QList<Keystroke>{Text("2*5"), Key(Qt::Key_Enter, Qt::KeypadModifier)} << "2*5\n10\n"
        << QStringList{"10"} << "Value = 10";
    QTest::newRow("operator at the start of the next line continues the answer")
        << QList<Keystroke>{Text("1+2"), Enter(), Text("*2"), Enter()} << "1+2\n3*2\n6\n"
        << QStringList{"3", "6"} << "Value = 6";
    QTest::newRow("division sign continues too")
        << QList<Keystroke>{Text("8"), Enter(), Text(QStringLiteral("\u00f72"))} << "8\n8\u00f72"
        << QStringList{"8"} << QStringLiteral("8\u00f72 = 4");
    QTest::newRow("operator on the first line is ordinary text")
        << QList<Keystroke>{Text("+5"), Enter()} << "+5\n5\n" << QStringList{"5"} << "Value = 5";
    QTest::newRow("operator after text on the line is ordinary text")
        << QList<Keystroke>{Text("1+2"), Enter(), Text("4"), Text("+1")} << "1+2\n3\n4+1"
        << QStringList{"3"} << "4+1 = 5";
    QTest::newRow("Shift+Enter never submits")
        << QList<Keystroke>{Text("1+2"), Key(Qt::Key_Return, Qt::ShiftModifier), Text("4")} << "1+2\n4"
        << QStringList{} << "4 = 4";
    QTest::newRow("Enter on an empty line submits nothing")
        << QList<Keystroke>{Enter(), Enter()} << "\n\n" << QStringList{} << "";
    QTest::newRow("failed line answers in normal weight")
        << QList<Keystroke>{Text("1+"), Enter()} << "1+\n-Cannot Solve-\n" << QStringList{} << "Cannot Solve";
    QTest::newRow("Undo takes back the line and its answer")
        << QList<Keystroke>{Text("1+2"), Enter(), Key(Qt::Key_Z, Qt::ControlModifier)} << ""
        << QStringList{} << "";
    QTest::newRow("Redo brings them back")
        << QList<Keystroke>{Text("1+2"), Enter(), Key(Qt::Key_Z, Qt::ControlModifier),
                            Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier)}
        << "1+2\n3\n" << QStringList{"3"} << "Value = 3";
    // The pad is the one widget that takes the focus: Tab moves it nowhere
    // and types nothing.
    QTest::newRow("Tab without a popup types nothing")
        << QList<Keystroke>{Text("12"), Key(Qt::Key_Tab), Text("+1")} << "12+1" << QStringList{} << "12+1 = 13";
    QTest::newRow("Backtab without a popup types nothing")
        << QList<Keystroke>{Text("12"), Key(Qt::Key_Backtab, Qt::ShiftModifier), Text("+1")} << "12+1"
        << QStringList{} << "12+1 = 13";
    QTest::newRow("Ctrl+Tab types nothing either")
        << QList<Keystroke>{Text("12"), Key(Qt::Key_Tab, Qt::ControlModifier), Text("+1")} << "12+1"
        << QStringList{} << "12+1 = 13";
    QTest::newRow("Tab after Escape closed the popup types nothing")
        << QList<Keystroke>{Text("2*ata"), Key(Qt::Key_Escape), Key(Qt::Key_Tab)} << "2*ata" << QStringList{}
        << "Cannot Solve";
}

void PadDriverTest::typing()
{
    QFETCH(QList<Keystroke>, keys);
    QFETCH(QString, text);
    QFETCH(QStringList, bold);
    QFETCH(QString, status);

    Play(*pad, keys);
    QCOMPARE(pad->text(), text);
    QCOMPARE(pad->boldRuns(), bold);
    QCOMPARE(pad->status(), status);
}

void PadDriverTest::closingParentheses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("submitted");

    QTest::newRow("one open parenthesis") << "2*(3+4" << "2*(3+4)";
    QTest::newRow("two open parentheses") << "((1+2" << "((1+2))";
    QTest::newRow("balanced line") << "(1+2)*3" << "(1+2)*3";
    QTest::newRow("stray closing parenthesis stops") << "2)+(1" << "2)+(1";
    QTest::newRow("closing more than opened") << "f(2))" << "f(2))";
    QTest::newRow("parenthesis in double quotes") << "\"(\" (1" << "\"(\" (1)";
    QTest::newRow("parenthesis in apostrophes") << "'(' (1" << "'(' (1)";
    QTest::newRow("other quote does not end it") << "\"'(\" (1" << "\"'(\" (1)";
    QTest::newRow("escaped quote does not end it") << "\"\\\"(\" (2" << "\"\\\"(\" (2)";
    QTest::newRow("two backslashes end it") << "\"\\\\\" (2" << "\"\\\\\" (2)";
    QTest::newRow("unclosed quote hides the rest") << "\"\\\" (2" << "\"\\\" (2";
}

void PadDriverTest::closingParentheses()
{
    QFETCH(QString, typed);
    QFETCH(QString, submitted);

    pad->submit(typed);
    const QStringList lines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), submitted);
    // The answer or the reply follows on the next line, never on this one.
    QVERIFY(lines.size() >= 3);
    QVERIFY(!lines.at(1).isEmpty());
}

void PadDriverTest::equationBlockStatus_data()
{
    QTest::addColumn<QList<Keystroke>>("keys");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("brace opened")
        << QList<Keystroke>{Text("{")} << "Equation block open" << "{";
    QTest::newRow("Enter inside an open block submits nothing")
        << QList<Keystroke>{Text("{"), Enter(), Text("1+1"), Enter()} << "Equation block open" << "{\n1+1\n";
    QTest::newRow("closing brace makes the block ready")
        << QList<Keystroke>{Text("{"), Enter(), Text("x+y=3"), Enter(), Text("x-y=1"), Enter(), Text("}")}
        << "Equation block ready: 2 equation(s)" << "{\nx+y=3\nx-y=1\n}";
    QTest::newRow("empty lines are not counted")
        << QList<Keystroke>{Text("{"), Enter(), Enter(), Text("x=3"), Enter(), Text("}")}
        << "Equation block ready: 1 equation(s)" << "{\n\nx=3\n}";
    QTest::newRow("one expression in braces is evaluated")
        << QList<Keystroke>{Text("{"), Enter(), Text("2+3"), Enter(), Text("}"), Enter()} << "Value = 5"
        << "{\n2+3\n}\n5\n";
    QTest::newRow("closing brace without a block")
        << QList<Keystroke>{Text("}"), Enter()} << "Invalid equation block" << "}\n";
    QTest::newRow("blank block is no block")
        << QList<Keystroke>{Text("{"), Enter(), Text("  "), Enter(), Text("}"), Enter()}
        << "Invalid equation block" << "{\n  \n}\n";
    QTest::newRow("moving the cursor into the block reports it open")
        << QList<Keystroke>{Text("{"), Enter(), Text("7"), Enter(), Text("}"), Enter(), Key(Qt::Key_Up),
                            Key(Qt::Key_Up)}
        << "Equation block open" << "{\n7\n}\n7\n";
}

void PadDriverTest::equationBlockStatus()
{
    QFETCH(QList<Keystroke>, keys);
    QFETCH(QString, status);
    QFETCH(QString, text);

    Play(*pad, keys);
    QCOMPARE(pad->status(), status);
    QCOMPARE(pad->text(), text);
}

void PadDriverTest::enterWithCommandModifiersWaitsForNothing_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Return") << int(Qt::ControlModifier);
    QTest::newRow("Alt+Return") << int(Qt::AltModifier);
    QTest::newRow("Meta+Return") << int(Qt::MetaModifier);
    QTest::newRow("Ctrl+Shift+Return") << int(Qt::ControlModifier | Qt::ShiftModifier);
}

void PadDriverTest::enterWithCommandModifiersWaitsForNothing()
{
    // The editor inserts no newline for these, so the next keystroke must
    // not be taken for the newline of an Enter.
    QFETCH(int, modifiers);
    pad->type(QStringLiteral("1+2"));
    const qsizetype steps = MainWindowTestAccess::undoSteps(*window);
    pad->enter(Qt::KeyboardModifiers(modifiers));
    QCOMPARE(MainWindowTestAccess::undoSteps(*window), steps);
    pad->type(QStringLiteral("5"));
    QCOMPARE(pad->text(), QStringLiteral("1+25"));
    QCOMPARE(pad->boldRuns(), QStringList());
}

void PadDriverTest::typingWhileSolvingOnlyCancels()
{
    MainWindowTestAccess::setSolveRunning(*window, true);
    pad->type(QStringLiteral("1+2"));
    pad->enter();
    QCOMPARE(pad->text(), QStringLiteral("1+2\n"));
    QVERIFY(MainWindowTestAccess::solveCancelRequested(*window));
    QCOMPARE(MainWindowTestAccess::undoSteps(*window), 0);
    QCOMPARE(pad->status(), QString());
}

void PadDriverTest::enterThatCancelsLeavesNothingPending_data()
{
    QTest::addColumn<QList<Keystroke>>("keysAfterSolve");
    QTest::addColumn<QString>("text");

    QTest::newRow("deleting the newline it typed")
        << QList<Keystroke>{Key(Qt::Key_Left), Key(Qt::Key_Delete)} << "1+2\n3\n";
    QTest::newRow("typing on the new line") << QList<Keystroke>{Text("4")} << "1+2\n3\n\n4";
}

void PadDriverTest::enterThatCancelsLeavesNothingPending()
{
    // An Enter whose newline only cancelled a solve submits nothing, then or
    // with the next edit.
    QFETCH(QList<Keystroke>, keysAfterSolve);
    QFETCH(QString, text);

    pad->submit(QStringLiteral("1+2"));
    MainWindowTestAccess::setSolveRunning(*window, true);
    pad->enter();
    MainWindowTestAccess::setSolveRunning(*window, false);
    Play(*pad, keysAfterSolve);
    QCOMPARE(pad->text(), text);
    QCOMPARE(pad->boldRuns(), QStringList{"3"});
}

void PadDriverTest::popupKeys_data()
{
    QTest::addColumn<KeyTarget>("target");
    QTest::addColumn<bool>("hiddenFirst");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("popupHidden");

    QTest::newRow("Return on the popup submits the line")
        << KeyTarget::Popup << false << int(Qt::Key_Return) << "1+2\n3\n" << true;
    QTest::newRow("keypad Enter on the popup submits the line")
        << KeyTarget::Popup << false << int(Qt::Key_Enter) << "1+2\n3\n" << true;
    QTest::newRow("Escape hides the popup and nothing else")
        << KeyTarget::Pad << false << int(Qt::Key_Escape) << "1+2" << true;
    QTest::newRow("Tab is taken by the popup, never typed")
        << KeyTarget::Pad << false << int(Qt::Key_Tab) << "1+2" << false;
    QTest::newRow("Backtab is taken by the popup")
        << KeyTarget::Pad << false << int(Qt::Key_Backtab) << "1+2" << false;
    // Under a real display server keys also reach the popup's viewport and
    // its own window, and still reach them while it is being mapped or
    // after it has hidden.
    QTest::newRow("Return on the popup's viewport submits the line")
        << KeyTarget::PopupViewport << false << int(Qt::Key_Return) << "1+2\n3\n" << true;
    QTest::newRow("Return on the popup's window submits the line")
        << KeyTarget::PopupWindow << false << int(Qt::Key_Return) << "1+2\n3\n" << true;
    QTest::newRow("Return on the popup as it hides submits the line")
        << KeyTarget::Popup << true << int(Qt::Key_Return) << "1+2\n3\n" << true;
    QTest::newRow("Return on the popup's window as it hides submits the line")
        << KeyTarget::PopupWindow << true << int(Qt::Key_Return) << "1+2\n3\n" << true;
    QTest::newRow("Tab on the popup as it hides types nothing")
        << KeyTarget::Popup << true << int(Qt::Key_Tab) << "1+2" << true;
    QTest::newRow("a letter on the popup's viewport is typed in the pad")
        << KeyTarget::PopupViewport << false << int(Qt::Key_4) << "1+24" << false;
}

void PadDriverTest::popupKeys()
{
    QFETCH(KeyTarget, target);
    QFETCH(bool, hiddenFirst);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, popupHidden);

    QCompleter* completer = MainWindowTestAccess::installCompleter(*window, pad->editor());
    pad->type(QStringLiteral("1+2"));
    completer->complete();
    QAbstractItemView* popup = completer->popup();
    QVERIFY(popup->isVisible());
    if (hiddenFirst)
        popup->hide();

    switch (target) {
    case KeyTarget::Pad:
        QTest::keyClick(pad->editor(), Qt::Key(key));
        break;
    case KeyTarget::Popup:
        QTest::keyClick(popup, Qt::Key(key));
        break;
    case KeyTarget::PopupViewport:
        QTest::keyClick(popup->viewport(), Qt::Key(key));
        break;
    case KeyTarget::PopupWindow:
        QVERIFY(popup->windowHandle());
        QTest::keyClick(popup->windowHandle(), Qt::Key(key));
        break;
    }
    QCOMPARE(pad->text(), text);
    if (popupHidden)
        QVERIFY(!popup->isVisible());
    // Which window is active after a key on the popup's own window is the
    // window system's to say; the pad is the focus of its window in any case.
    if (target == KeyTarget::PopupWindow)
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(pad->editor()));
    else
        QVERIFY(pad->editor()->hasFocus() || target == KeyTarget::Pad);
}

void PadDriverTest::popupRows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("row");

    QTest::newRow("Down moves to the next row") << int(Qt::Key_Down) << 0 << 1;
    QTest::newRow("Down from the last row wraps to the first") << int(Qt::Key_Down) << 2 << 0;
    QTest::newRow("Up from the first row wraps to the last") << int(Qt::Key_Up) << 0 << 2;
    QTest::newRow("Down without a row counts from the first") << int(Qt::Key_Down) << -1 << 1;
    QTest::newRow("Up without a row counts from the first") << int(Qt::Key_Up) << -1 << 2;
}

void PadDriverTest::popupRows()
{
    QFETCH(int, key);
    QFETCH(int, startRow);
    QFETCH(int, row);

    QCompleter* completer = MainWindowTestAccess::installCompleter(*window, pad->editor());
    QTimer* holdBack = MainWindowTestAccess::installHoldBackTimer(*window);
    pad->type(QStringLiteral("12"));
    pad->key(Qt::Key_Return, Qt::ShiftModifier);
    pad->type(QStringLiteral("34"));
    completer->complete();
    QAbstractItemView* popup = completer->popup();
    QVERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(startRow, 0));

    const int cursor = pad->editor()->textCursor().position();
    pad->key(Qt::Key(key));
    QCOMPARE(popup->currentIndex().row(), row);
    // The key went to the popup: the pad's cursor stays and nothing is held back.
    QCOMPARE(pad->editor()->textCursor().position(), cursor);
    QVERIFY(!holdBack->isActive());
    // While the popup shows, the focus chain takes the suggestion instead.
    QVERIFY(MainWindowTestAccess::focusNextPrevChild(*window));
}

void PadDriverTest::upOrDownWithoutPopupHoldsSuggestionsBack_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("cursor");

    QTest::newRow("Up") << int(Qt::Key_Up) << 2;
    QTest::newRow("Down") << int(Qt::Key_Down) << 5;
}

void PadDriverTest::upOrDownWithoutPopupHoldsSuggestionsBack()
{
    QFETCH(int, key);
    QFETCH(int, cursor);

    MainWindowTestAccess::installCompleter(*window, pad->editor());
    QTimer* holdBack = MainWindowTestAccess::installHoldBackTimer(*window);
    pad->type(QStringLiteral("12"));
    pad->key(Qt::Key_Return, Qt::ShiftModifier);
    pad->type(QStringLiteral("34"));
    if (key == Qt::Key_Down)
        pad->key(Qt::Key_Up);
    holdBack->stop();

    pad->key(Qt::Key(key));
    QVERIFY(holdBack->isActive());
    QCOMPARE(pad->editor()->textCursor().position(), cursor);
}

void PadDriverTest::contextMenuEditWhileSolvingTakesNoSnapshot()
{
    pad->submit(QStringLiteral("1+2"));
    pad->editor()->selectAll();
    const qsizetype steps = MainWindowTestAccess::undoSteps(*window);
    MainWindowTestAccess::setSolveRunning(*window, true);

    bool deleted = false;
    QTimer::singleShot(0, this, [&deleted]() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Delete"))) {
                deleted = true;
                action->trigger();
            }
        }
        menu->close();
    });
    QWidget* viewport = pad->editor()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);

    QVERIFY(deleted);
    QCOMPARE(pad->text(), QString());
    QVERIFY(MainWindowTestAccess::solveCancelRequested(*window));
    QCOMPARE(MainWindowTestAccess::undoSteps(*window), steps);
}

void PadDriverTest::contextMenuWithoutChangeLeavesHistory_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("undone");

    QTest::newRow("after an answer") << 1 << 0;
    QTest::newRow("with a state to redo") << 2 << 1;
    QTest::newRow("with a full history") << MainWindow::MaximumUndoStates + 1 << 0;
}

void PadDriverTest::contextMenuWithoutChangeLeavesHistory()
{
    QFETCH(int, lines);
    QFETCH(int, undone);

    for (int i = 0; i < lines; ++i)
        pad->submit(QStringLiteral("%1+1").arg(i));
    for (int i = 0; i < undone; ++i)
        pad->key(Qt::Key_Z, Qt::ControlModifier);
    pad->editor()->selectAll();
    const qsizetype steps = MainWindowTestAccess::undoSteps(*window);
    const qsizetype redoSteps = MainWindowTestAccess::redoSteps(*window);
    const QString oldest = MainWindowTestAccess::oldestUndoText(*window);
    QAction* undo = window->findChild<QAction*>(QStringLiteral("actionUndo"));
    QAction* redo = window->findChild<QAction*>(QStringLiteral("actionRedo"));
    const bool undoEnabled = undo->isEnabled();
    const bool redoEnabled = redo->isEnabled();

    bool menuShown = false;
    QTimer::singleShot(0, this, [&menuShown]() {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menuShown = true;
            menu->close();
        }
    });
    QWidget* viewport = pad->editor()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);

    QVERIFY(menuShown);
    QCOMPARE(MainWindowTestAccess::undoSteps(*window), steps);
    QCOMPARE(MainWindowTestAccess::redoSteps(*window), redoSteps);
    QCOMPARE(MainWindowTestAccess::oldestUndoText(*window), oldest);
    QCOMPARE(undo->isEnabled(), undoEnabled);
    QCOMPARE(redo->isEnabled(), redoEnabled);
    // The transaction that the menu opened is closed again: the next typing
    // takes a snapshot of its own.
    pad->key(Qt::Key_End, Qt::ControlModifier);
    pad->type(QStringLiteral("4"));
    QCOMPARE(MainWindowTestAccess::undoSteps(*window),
             std::min<qsizetype>(steps + 1, MainWindow::MaximumUndoStates));
}

SUMVELLE_TEST_MAIN(PadDriverTest)
#include "tst_paddriver.moc"

#include "pad/mainwindow.h"
#include "engine/TextScan.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

using Access = MainWindowTestAccess;

class UndoTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneEnterIsOneStep();
    void stepsTakenByKeys_data();
    void stepsTakenByKeys();
    void enterOnUnchangedLineIsItsOwnStep();
    void undoAndRedoAcrossAnswersAndCommands_data();
    void undoAndRedoAcrossAnswersAndCommands();
    void stackKeepsTheNewestHundred();
    void redoLimitedToo();
    void newSaveEmptiesRedo();
    void nothingHappens_data();
    void nothingHappens();
    void boldRangesClippedOnRestore_data();
    void boldRangesClippedOnRestore();
    void boldAcrossLinesIsOneRangePerLine();
    void snapshotFollowsEveryEdit_data();
    void snapshotFollowsEveryEdit();
    void restoredTextIsPlainWhereverTheCursorStood_data();
    void restoredTextIsPlainWhereverTheCursorStood();
    void restoresStatusOptionsAndCursor();
    void snapshotsDoNotFollowLiveState();
    void restoresScrollPosition();
    void historyRewriting();
    void actionsFollowTheStacks();
    void rollBackToMark_data();
    void rollBackToMark();
    void dropFirstSnapshotSinceMark_data();
    void dropFirstSnapshotSinceMark();
    void restoreEqualsFullRestore_data();
    void restoreEqualsFullRestore();

private:
    // What a user sees of the pad, and what the next snapshot would take.
    QStringList padSeen() const;
    void runStep(const QString& step);

    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void UndoTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void UndoTest::cleanup()
{
    pad.reset();
    window.reset();
}

void UndoTest::oneEnterIsOneStep()
{
    pad->submit(QStringLiteral("1+2"));
    QCOMPARE(Access::undoStack(*window).size(), 1);
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pad->text(), QString());
    QCOMPARE(Access::ans(*window), 0.0);
    pad->key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pad->text(), QStringLiteral("1+2\n3\n"));
    QCOMPARE(pad->boldRuns(), QStringList{"3"});
    QCOMPARE(Access::ans(*window), 3.0);
}

void UndoTest::stepsTakenByKeys_data()
{
    // Each entry is typed text, or a key written as "<name>".
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("steps");

    QTest::newRow("a run of typing") << QStringList{"abc"} << 1;
    QTest::newRow("typing and its Enter") << QStringList{"1+2", "<Return>"} << 1;
    QTest::newRow("Enter with nothing typed") << QStringList{"<Return>"} << 1;
    QTest::newRow("two Enters in a row") << QStringList{"<Return>", "<Return>"} << 2;
    QTest::newRow("typing after an Enter") << QStringList{"1", "<Return>", "2"} << 2;
    QTest::newRow("Shift+Enter stays in the run") << QStringList{"1", "<Shift+Return>", "2"} << 1;
    QTest::newRow("Backspace opens a run") << QStringList{"1", "<Return>", "<Backspace>"} << 2;
    QTest::newRow("arrows open nothing") << QStringList{"<Left>", "<Home>", "<F5>"} << 0;
    QTest::newRow("Ctrl+A opens nothing") << QStringList{"<Ctrl+A>"} << 0;
}

void UndoTest::stepsTakenByKeys()
{
    QFETCH(QStringList, keys);
    QFETCH(int, steps);

    static const QMap<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> named = {
        {"<Return>", {Qt::Key_Return, Qt::NoModifier}},
        {"<Shift+Return>", {Qt::Key_Return, Qt::ShiftModifier}},
        {"<Backspace>", {Qt::Key_Backspace, Qt::NoModifier}},
        {"<Left>", {Qt::Key_Left, Qt::NoModifier}},
        {"<Home>", {Qt::Key_Home, Qt::NoModifier}},
        {"<F5>", {Qt::Key_F5, Qt::NoModifier}},
        {"<Ctrl+A>", {Qt::Key_A, Qt::ControlModifier}},
    };
    for (const QString& key : keys) {
        if (named.contains(key))
            pad->key(named.value(key).first, named.value(key).second);
        else
            pad->type(key);
    }
    QCOMPARE(Access::undoStack(*window).size(), steps);
}

void UndoTest::enterOnUnchangedLineIsItsOwnStep()
{
    pad->submit(QStringLiteral("1+2"));
    QTextCursor cursor = pad->editor()->textCursor();
    cursor.setPosition(3);
    pad->editor()->setTextCursor(cursor);
    pad->enter();
    QCOMPARE(pad->text(), QStringLiteral("1+2\n3\n\n3\n"));
    QCOMPARE(Access::undoStack(*window).size(), 2);
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pad->text(), QStringLiteral("1+2\n3\n"));
}

void UndoTest::undoAndRedoAcrossAnswersAndCommands_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("undos");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("ans");
    QTest::addColumn<QString>("format");

    const QStringList lines{"2*3", "FORMAT = 0", "ANS+1", "VARS"};
    QTest::newRow("nothing undone") << lines << 0 << "2*3\n6\nFORMAT = 0\nANS+1\n7\nVARS\n-No Variables-\n"
                                    << 7.0 << "0";
    QTest::newRow("the variable list") << lines << 1 << "2*3\n6\nFORMAT = 0\nANS+1\n7\n" << 7.0 << "0";
    QTest::newRow("the answer and ANS") << lines << 2 << "2*3\n6\nFORMAT = 0\n" << 6.0 << "0";
    QTest::newRow("a typed FORMAT") << lines << 3 << "2*3\n6\n" << 6.0 << "";
    QTest::newRow("everything") << lines << 4 << "" << 0.0 << "";
    QTest::newRow("more undos than steps") << lines << 9 << "" << 0.0 << "";
}

void UndoTest::undoAndRedoAcrossAnswersAndCommands()
{
    QFETCH(QStringList, lines);
    QFETCH(int, undos);
    QFETCH(QString, text);
    QFETCH(double, ans);
    QFETCH(QString, format);

    for (const QString& line : lines)
        pad->submit(line);
    const QString full = pad->text();
    const QStringList fullBold = pad->boldRuns();
    for (int i = 0; i < undos; ++i)
        window->UndoPadState();
    QCOMPARE(pad->text(), text);
    QCOMPARE(Access::ans(*window), ans);
    QCOMPARE(Access::numberFormat(*window), format);

    for (int i = 0; i < undos; ++i)
        window->RedoPadState();
    QCOMPARE(pad->text(), full);
    QCOMPARE(pad->boldRuns(), fullBold);
    QCOMPARE(Access::numberFormat(*window), QStringLiteral("0"));
}

void UndoTest::stackKeepsTheNewestHundred()
{
    for (int i = 0; i <= MainWindow::MaximumUndoStates; ++i) {
        pad->editor()->setPlainText(QString::number(i));
        window->SaveUndoState();
    }
    QCOMPARE(Access::undoStack(*window).size(), 100);
    QCOMPARE(Access::undoStack(*window).first().text, QStringLiteral("1"));
    QCOMPARE(Access::undoStack(*window).last().text, QStringLiteral("100"));
}

void UndoTest::redoLimitedToo()
{
    for (int i = 0; i < 150; ++i) {
        pad->editor()->setPlainText(QString::number(i));
        window->SaveUndoState();
    }
    for (int i = 0; i < 150; ++i)
        window->UndoPadState();
    QCOMPARE(Access::undoStack(*window).size(), 0);
    QCOMPARE(Access::redoStack(*window).size(), 100);
    QCOMPARE(pad->text(), QStringLiteral("50"));
}

void UndoTest::newSaveEmptiesRedo()
{
    pad->submit(QStringLiteral("1"));
    pad->submit(QStringLiteral("2"));
    window->UndoPadState();
    QCOMPARE(Access::redoStack(*window).size(), 1);
    window->SaveUndoState();
    QVERIFY(Access::redoStack(*window).isEmpty());

    window->UndoPadState();
    window->RedoPadState();
    QVERIFY(Access::redoStack(*window).isEmpty());
    window->UndoPadState();
    window->UndoPadState();
    window->RedoPadState();
    QCOMPARE(Access::redoStack(*window).size(), 1);
    window->SaveUndoState();
    QVERIFY(Access::redoStack(*window).isEmpty());
}

void UndoTest::nothingHappens_data()
{
    QTest::addColumn<QString>("guard");
    QTest::newRow("empty history") << "";
    QTest::newRow("solve running") << "solve";
    QTest::newRow("menu command running") << "busy";
}

void UndoTest::nothingHappens()
{
    QFETCH(QString, guard);
    if (!guard.isEmpty()) {
        pad->submit(QStringLiteral("1+1"));
        window->UndoPadState();
        pad->submit(QStringLiteral("3"));
        window->UndoPadState();
        window->RedoPadState();
    }
    const QString text = pad->text();
    const qsizetype undos = Access::undoStack(*window).size();
    const qsizetype redos = Access::redoStack(*window).size();
    pad->statusLabel()->setText(QStringLiteral("status"));
    Access::busy(*window) = guard == QLatin1String("busy");
    Access::solveRunning(*window) = guard == QLatin1String("solve");

    window->UndoPadState();
    window->RedoPadState();
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pad->text(), text);
    QCOMPARE(Access::undoStack(*window).size(), undos);
    QCOMPARE(Access::redoStack(*window).size(), redos);
    QCOMPARE(pad->status(), QStringLiteral("status"));
    Access::busy(*window) = false;
    Access::solveRunning(*window) = false;
}

void UndoTest::boldRangesClippedOnRestore_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("bold");

    QTest::newRow("inside") << 1 << 2 << QStringList{"bc"};
    QTest::newRow("reaching past the end") << 2 << 50 << QStringList{"c"};
    QTest::newRow("starting past the end") << 5 << 2 << QStringList{};
    QTest::newRow("huge length") << 0 << std::numeric_limits<int>::max() << QStringList{"abc"};
}

void UndoTest::boldRangesClippedOnRestore()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QStringList, bold);

    MainWindow::UndoState state;
    state.text = QStringLiteral("abc");
    state.boldRanges.append({start, length});
    window->RestoreUndoState(state);
    QCOMPARE(pad->text(), QStringLiteral("abc"));
    QCOMPARE(pad->boldRuns(), bold);
}

void UndoTest::boldAcrossLinesIsOneRangePerLine()
{
    pad->editor()->setPlainText(QStringLiteral("x\nab\ncd"));
    QTextCursor cursor(pad->editor()->document());
    cursor.setPosition(2);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);

    const MainWindow::UndoState state = window->CaptureUndoState();
    QCOMPARE(state.boldRanges.size(), 2);
    QCOMPARE(state.boldRanges.at(0).start, 2);
    QCOMPARE(state.boldRanges.at(0).length, 2);
    QCOMPARE(state.boldRanges.at(1).start, 5);
    QCOMPARE(state.boldRanges.at(1).length, 2);

    pad->editor()->setPlainText(QStringLiteral("other"));
    window->RestoreUndoState(state);
    QCOMPARE(pad->boldRuns(), (QStringList{"ab", "cd"}));
}

namespace {

// The bold runs of the document as the snapshot records them, one a
// fragment, read afresh from every block.
QList<QPair<int, int>> BoldRunsOfDocument(const QTextDocument* document)
{
    QList<QPair<int, int>> runs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && TextScan::IsBoldWeight(fragment.charFormat().fontWeight()))
                runs.append({fragment.position(), fragment.length()});
        }
    }
    return runs;
}

QList<QPair<int, int>> BoldRunsOfSnapshot(const MainWindow::UndoState& state)
{
    QList<QPair<int, int>> runs;
    for (const MainWindow::UndoBoldRange& range : state.boldRanges)
        runs.append({range.start, range.length});
    return runs;
}

} // namespace

void UndoTest::snapshotFollowsEveryEdit_data()
{
    // Each step: "=line" submits a line, "+text" types, "@n" puts the cursor
    // at n, "@a-b" selects from a to b, "<Bold>" makes the selection bold,
    // and other names in angle brackets are keys or Undo and Redo.
    QTest::addColumn<QStringList>("steps");

    const QStringList answers{"=1+2", "=40*5", "=10/4", "=7-1"};
    // The pad then reads "1+2\n3\n40*5\n200\n10/4\n2.5\n7-1\n6\n".
    QTest::newRow("typing inside and after an answer")
        << answers + QStringList{"@14", "+9", "@16", "<Backspace>", "+1"};
    QTest::newRow("an answer split and joined again")
        << answers + QStringList{"@13", "<Shift+Return>", "<Backspace>", "@14", "<Shift+Return>", "@14", "<Delete>"};
    QTest::newRow("a selection across answers removed, then undone")
        << answers + QStringList{"@5-25", "<Backspace>", "<Undo>", "<Redo>", "<Undo>"};
    QTest::newRow("bold given by format alone")
        << answers + QStringList{"@0-9", "<Bold>", "@2-3", "<Bold>", "+x"};
    QTest::newRow("lines above answers inserted and removed")
        << answers + QStringList{"@0", "+12", "<Shift+Return>", "@0-3", "<Delete>", "<Undo>", "<Undo>"};
    QTest::newRow("edits after undo and redo")
        << answers + QStringList{"<Undo>", "<Undo>", "<Redo>", "@4", "+8", "=5", "<Undo>"};
}

void UndoTest::snapshotFollowsEveryEdit()
{
    QFETCH(QStringList, steps);

    static const QMap<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {"<Backspace>", {Qt::Key_Backspace, Qt::NoModifier}},
        {"<Delete>", {Qt::Key_Delete, Qt::NoModifier}},
        {"<Shift+Return>", {Qt::Key_Return, Qt::ShiftModifier}},
    };
    QTextDocument* document = pad->editor()->document();
    for (const QString& step : steps) {
        const QString argument = step.mid(1);
        if (step.startsWith(QLatin1Char('='))) {
            pad->submit(argument);
        } else if (step.startsWith(QLatin1Char('+'))) {
            pad->type(argument);
        } else if (step.startsWith(QLatin1Char('@'))) {
            const QStringList ends = argument.split(QLatin1Char('-'));
            QTextCursor cursor(document);
            cursor.setPosition(ends.first().toInt());
            cursor.setPosition(ends.last().toInt(), QTextCursor::KeepAnchor);
            pad->editor()->setTextCursor(cursor);
        } else if (step == QLatin1String("<Bold>")) {
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            pad->editor()->textCursor().mergeCharFormat(bold);
        } else if (step == QLatin1String("<Undo>")) {
            window->UndoPadState();
        } else if (step == QLatin1String("<Redo>")) {
            window->RedoPadState();
        } else {
            QVERIFY2(keys.contains(step), qPrintable(step));
            pad->key(keys.value(step).first, keys.value(step).second);
        }
        QVERIFY2(BoldRunsOfSnapshot(window->CaptureUndoState()) == BoldRunsOfDocument(document),
                 qPrintable(QStringLiteral("after %1 the pad reads \"%2\"").arg(step, pad->text())));
    }
    QVERIFY(!BoldRunsOfDocument(document).isEmpty());
}

void UndoTest::restoredTextIsPlainWhereverTheCursorStood_data()
{
    QTest::addColumn<int>("cursorPosition");
    QTest::addColumn<QStringList>("bold");

    // The pad reads "1+2\n3\n4+4\n8\n"; the snapshot is "1+2\n3\n".
    QTest::newRow("after the last newline") << 12 << QStringList{"3"};
    QTest::newRow("just after a bold answer") << 11 << QStringList{"3"};
    QTest::newRow("inside the typed line") << 8 << QStringList{"3"};
}

void UndoTest::restoredTextIsPlainWhereverTheCursorStood()
{
    QFETCH(int, cursorPosition);
    QFETCH(QStringList, bold);

    pad->submit(QStringLiteral("1+2"));
    const MainWindow::UndoState state = window->CaptureUndoState();
    pad->submit(QStringLiteral("4+4"));
    QTextCursor cursor = pad->editor()->textCursor();
    cursor.setPosition(cursorPosition);
    pad->editor()->setTextCursor(cursor);

    window->RestoreUndoState(state);
    QCOMPARE(pad->text(), QStringLiteral("1+2\n3\n"));
    QCOMPARE(pad->boldRuns(), bold);
    QCOMPARE(window->CaptureUndoState().boldRanges.size(), 1);
}

void UndoTest::restoresStatusOptionsAndCursor()
{
    pad->submit(QStringLiteral("1+2"));
    pad->type(QStringLiteral("45"));
    QTextCursor cursor = pad->editor()->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    pad->editor()->setTextCursor(cursor);
    pad->statusLabel()->setText(QStringLiteral("before"));
    Access::variables(*window).insert(QStringLiteral("Y"), 2.0);
    const MainWindow::UndoState state = window->CaptureUndoState();

    action("actionUse_Word_Oporators")->setChecked(false);
    action("actionIgnore_Text_When_Cannot_Solve")->setChecked(false);
    pad->editor()->setPlainText(QString());
    pad->statusLabel()->setText(QStringLiteral("after"));
    Access::variables(*window).clear();

    window->RestoreUndoState(state);
    QCOMPARE(pad->text(), QStringLiteral("1+2\n3\n45"));
    QCOMPARE(pad->status(), QStringLiteral("before"));
    QVERIFY(action("actionUse_Word_Oporators")->isChecked());
    QVERIFY(action("actionIgnore_Text_When_Cannot_Solve")->isChecked());
    QCOMPARE(pad->editor()->textCursor().anchor(), 1);
    QCOMPARE(pad->editor()->textCursor().position(), 3);
    QCOMPARE(Access::variables(*window).value(QStringLiteral("Y")), 2.0);
    QCOMPARE(window->PadText(), pad->text());
}

void UndoTest::restoresScrollPosition()
{
    window->resize(400, 300);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines.append(QString::number(i));
    pad->editor()->setPlainText(lines.join(QLatin1Char('\n')));
    // The cursor stands in view, on line 302.
    QTextCursor cursor(pad->editor()->document()->findBlockByNumber(302));
    pad->editor()->setTextCursor(cursor);
    QScrollBar* bar = pad->editor()->verticalScrollBar();
    bar->setValue(300);
    const int scrolled = bar->value();
    QVERIFY(scrolled > 100);
    const MainWindow::UndoState state = window->CaptureUndoState();
    QCOMPARE(state.verticalScroll, scrolled);

    pad->editor()->setPlainText(QStringLiteral("short"));
    window->RestoreUndoState(state);
    QCOMPARE(bar->value(), scrolled);
}

void UndoTest::snapshotsDoNotFollowLiveState()
{
    pad->type(QStringLiteral("7"));
    Access::variables(*window).insert(QStringLiteral("A"), 1.0);
    window->SaveUndoState();
    pad->type(QStringLiteral("8"));
    Access::variables(*window).insert(QStringLiteral("A"), 9.0);
    const MainWindow::UndoState& stored = Access::undoStack(*window).last();
    QCOMPARE(stored.text, QStringLiteral("7"));
    QCOMPARE(stored.variables.value(QStringLiteral("A")), 1.0);
}

void UndoTest::historyRewriting()
{
    pad->submit(QStringLiteral("1"));
    pad->submit(QStringLiteral("2"));
    window->UndoPadState();
    Access::setNumberFormat(*window, QStringLiteral("0.0"));
    action("actionIgnore_Text_When_Cannot_Solve")->setChecked(false);
    action("actionUse_Word_Oporators")->setChecked(false);
    window->UpdateUndoHistoryValueFormat();
    window->UpdateUndoHistoryIgnoreText();
    window->UpdateUndoHistoryWordOperators();
    for (QList<MainWindow::UndoState>* stack : {&Access::undoStack(*window), &Access::redoStack(*window)}) {
        QVERIFY(!stack->isEmpty());
        for (const MainWindow::UndoState& state : *stack) {
            QCOMPARE(state.valueFormat, QStringLiteral("0.0"));
            QVERIFY(!state.ignoreTextWhenCannotSolve);
            QVERIFY(!state.useWordOperators);
        }
    }
    window->UndoPadState();
    QCOMPARE(Access::numberFormat(*window), QStringLiteral("0.0"));
    QVERIFY(!action("actionUse_Word_Oporators")->isChecked());
}

void UndoTest::actionsFollowTheStacks()
{
    QVERIFY(!action("actionUndo")->isEnabled());
    QVERIFY(!action("actionRedo")->isEnabled());
    pad->submit(QStringLiteral("1"));
    QVERIFY(action("actionUndo")->isEnabled());
    QVERIFY(!action("actionRedo")->isEnabled());
    window->UndoPadState();
    QVERIFY(!action("actionUndo")->isEnabled());
    QVERIFY(action("actionRedo")->isEnabled());
}

namespace {

QStringList StackTexts(const QList<MainWindow::UndoState>& stack)
{
    QStringList texts;
    for (const MainWindow::UndoState& state : stack)
        texts.append(state.text);
    return texts;
}

void AddHistorySizes()
{
    QTest::addColumn<int>("lines");
    QTest::newRow("below the limit") << 3;
    QTest::newRow("at the limit") << MainWindow::MaximumUndoStates + 1;
}

} // namespace

void UndoTest::rollBackToMark_data()
{
    AddHistorySizes();
}

void UndoTest::rollBackToMark()
{
    QFETCH(int, lines);
    for (int i = 0; i < lines; ++i)
        pad->submit(QStringLiteral("%1+1").arg(i));
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    const QStringList undoTexts = StackTexts(Access::undoStack(*window));
    const QStringList redoTexts = StackTexts(Access::redoStack(*window));

    const MainWindow::UndoMark mark = window->MarkUndoHistory();
    window->BeginUndoEditTransaction();
    window->RollBackUndoHistory(mark);

    QCOMPARE(StackTexts(Access::undoStack(*window)), undoTexts);
    QCOMPARE(StackTexts(Access::redoStack(*window)), redoTexts);
    QVERIFY(action("actionRedo")->isEnabled());
    // No edit step stays open: the next typing takes its own snapshot.
    pad->type(QStringLiteral("7"));
    QCOMPARE(Access::undoStack(*window).size(), std::min<qsizetype>(undoTexts.size() + 1, MainWindow::MaximumUndoStates));
}

void UndoTest::dropFirstSnapshotSinceMark_data()
{
    AddHistorySizes();
}

void UndoTest::dropFirstSnapshotSinceMark()
{
    QFETCH(int, lines);
    for (int i = 0; i < lines; ++i)
        pad->submit(QStringLiteral("%1+1").arg(i));
    const QStringList undoTexts = StackTexts(Access::undoStack(*window));

    // The menu's own snapshot, then an entry that edits and takes its own.
    const MainWindow::UndoMark mark = window->MarkUndoHistory();
    window->BeginUndoEditTransaction();
    pad->type(QStringLiteral("9"));
    const QString edited = pad->text();
    window->SaveUndoState();
    window->DropFirstSnapshotSince(mark);

    QStringList expected = undoTexts;
    expected.append(edited);
    if (expected.size() > MainWindow::MaximumUndoStates)
        expected.removeFirst();
    QCOMPARE(StackTexts(Access::undoStack(*window)), expected);
}


QStringList UndoTest::padSeen() const
{
    const QString text = pad->text();
    QString bold(text.size(), QLatin1Char('.'));
    for (QTextBlock block = pad->editor()->document()->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && TextScan::IsBoldWeight(fragment.charFormat().fontWeight()))
                bold.replace(fragment.position(), fragment.length(), QString(fragment.length(), QLatin1Char('B')));
        }
    }
    QString snapshotBold(text.size(), QLatin1Char('.'));
    for (const MainWindow::UndoBoldRange& range : window->CaptureUndoState().boldRanges)
        snapshotBold.replace(range.start, range.length, QString(range.length, QLatin1Char('B')));
    const QTextCursor cursor = pad->editor()->textCursor();
    return {text,
            bold,
            snapshotBold,
            window->PadText(),
            QStringLiteral("anchor %1, position %2").arg(cursor.anchor()).arg(cursor.position()),
            QStringLiteral("scroll %1").arg(pad->editor()->verticalScrollBar()->value())};
}

// A step is "at LINE COLUMN" (column -1 is the line end), "select LINE COLUMN
// LINE COLUMN", "type TEXT", "enter", "backspace", "paste TEXT" (\n for a
// line break) or "run selected".
void UndoTest::runStep(const QString& step)
{
    const QStringList words = step.split(QLatin1Char(' '));
    const QString verb = words.first();
    const QString rest = step.mid(verb.size() + 1);
    const auto positionOf = [this](const QString& line, const QString& column) {
        const QTextBlock block = pad->editor()->document()->findBlockByNumber(line.toInt());
        return block.position() + (column.toInt() < 0 ? block.length() - 1 : column.toInt());
    };
    if (verb == QLatin1String("at") || verb == QLatin1String("select")) {
        QTextCursor cursor = pad->editor()->textCursor();
        cursor.setPosition(positionOf(words.at(1), words.at(2)));
        if (verb == QLatin1String("select"))
            cursor.setPosition(positionOf(words.at(3), words.at(4)), QTextCursor::KeepAnchor);
        pad->editor()->setTextCursor(cursor);
    } else if (verb == QLatin1String("type")) {
        pad->type(rest);
    } else if (verb == QLatin1String("enter")) {
        pad->enter();
    } else if (verb == QLatin1String("backspace")) {
        pad->key(Qt::Key_Backspace);
    } else if (verb == QLatin1String("paste")) {
        QApplication::clipboard()->setText(QString(rest).replace(QLatin1String("\\n"), QLatin1String("\n")));
        pad->key(Qt::Key_V, Qt::ControlModifier);
    } else if (step == QLatin1String("run selected")) {
        window->RefreshMenus();
        action("actionExecuteSelectedLines")->trigger();
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step: ") + step));
    }
}

void UndoTest::restoreEqualsFullRestore_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("typing at the start") << QStringList{"at 0 0", "type 9"};
    QTest::newRow("a line edited in the middle") << QStringList{"at 10 -1", "type +1", "enter"};
    QTest::newRow("a line added at the end") << QStringList{"at 40 0", "type 5*5", "enter", "type 6*6", "enter"};
    QTest::newRow("a paste over a selection") << QStringList{"select 4 1 8 2", "paste 7*7\\n8"};
    QTest::newRow("CLEAR") << QStringList{"at 40 0", "type CLEAR", "enter"};
    QTest::newRow("a bulk run") << QStringList{"select 20 0 26 -1", "run selected"};
    QTest::newRow("an edit inside a bold answer") << QStringList{"at 1 1", "type 5", "at 13 0", "backspace"};
    QTest::newRow("an answer typed again by hand") << QStringList{"select 3 0 3 -1", "type 24"};
    QTest::newRow("a line break removed") << QStringList{"at 6 0", "backspace", "at 30 0", "backspace"};
}

void UndoTest::restoreEqualsFullRestore()
{
    QFETCH(QStringList, steps);

    // A pad that scrolls, with bold answers of several characters.
    window->resize(400, 300);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (int i = 1; i <= 20; ++i)
        pad->submit(QStringLiteral("%1*12").arg(i));

    const qsizetype before = Access::undoSteps(*window);
    for (const QString& step : steps) {
        runStep(step);
        if (QTest::currentTestFailed())
            return;
    }
    const qsizetype taken = Access::undoSteps(*window) - before;
    QVERIFY(taken > 0);

    // Each step back, then each step forth again, compared with the whole pad
    // built anew from the same snapshot; two steps further back reach the
    // submitted lines.
    for (const bool back : {true, false}) {
        for (qsizetype i = 0; i < taken + 2; ++i) {
            const MainWindow::UndoState target =
                (back ? Access::undoStack(*window) : Access::redoStack(*window)).last();
            if (back)
                window->UndoPadState();
            else
                window->RedoPadState();
            const QStringList seen = padSeen();
            Access::restoreInFull(*window, target);
            QCOMPARE(seen, padSeen());
        }
    }
}

SUMVELLE_TEST_MAIN(UndoTest)
#include "tst_undo.moc"

// Undo and redo of whole pad states: the text with its bold answers and the
// calculation state that the lines produced.

#include "pad/mainwindow.h"

#include "engine/TextScan.h"
#include "ui_mainwindow.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

void TrimToLimit(QList<MainWindow::UndoState>& stack)
{
    if (stack.size() > MainWindow::MaximumUndoStates)
        stack.remove(0, stack.size() - MainWindow::MaximumUndoStates);
}

// Reading a block's fragments costs a search of the whole document, so each
// block of the pad keeps in its user state what the last snapshot found in
// it, and a snapshot reads only the blocks changed since. The states:
constexpr int BoldRunsUnknown = -1; // Qt's value for a new block; every change sets it again
constexpr int NoBoldRun = 0;
constexpr int BoldRunsToRead = -2; // several runs, or one too long to pack: read each time
// Otherwise the one run of the block, packed as 1 + (offset << 15 | length).
constexpr int PackedRunBits = 15;
constexpr int PackedRunLimit = 1 << PackedRunBits;

// Appends the bold runs of one block, one a fragment, and returns the state
// that describes them.
int ReadBoldRuns(const QTextBlock& block, int blockPosition, QList<MainWindow::UndoBoldRange>& runs)
{
    const qsizetype first = runs.size();
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        if (format.hasProperty(QTextFormat::FontWeight)
            && TextScan::IsBoldWeight(format.intProperty(QTextFormat::FontWeight)))
            runs.append({fragment.position(), fragment.length()});
    }
    if (runs.size() == first)
        return NoBoldRun;
    if (runs.size() > first + 1)
        return BoldRunsToRead;
    const int offset = runs.last().start - blockPosition;
    const int length = runs.last().length;
    if (offset < 0 || offset >= PackedRunLimit || length >= PackedRunLimit)
        return BoldRunsToRead;
    return 1 + (offset << PackedRunBits | length);
}

} // namespace

MainWindow::UndoState MainWindow::CaptureUndoState() const
{
    UndoState state;
    state.text = PadText();

    // Block positions are summed on the way: asking each block costs a search.
    const QTextDocument* document = ui->Text1->document();
    int blockPosition = 0;
    for (QTextBlock block = document->begin(); block.isValid(); blockPosition += block.length(), block = block.next()) {
        const int known = block.userState();
        if (known == NoBoldRun)
            continue;
        if (known > 0) {
            const int packed = known - 1;
            state.boldRanges.append({blockPosition + (packed >> PackedRunBits), packed & (PackedRunLimit - 1)});
            continue;
        }
        const int found = ReadBoldRuns(block, blockPosition, state.boldRanges);
        if (found != known)
            block.setUserState(found);
    }

    state.variables = variables;
    state.customFunctions = customFunctions;
    state.ans = ans;
    state.ansText = ansText;
    state.ansInstant = ansInstant;
    state.ansIsDateTime = ansIsDateTime;
    state.valueFormat = numberFormat;
    state.useWordOperators = ui->actionUse_Word_Oporators->isChecked();
    state.ignoreTextWhenCannotSolve = ui->actionIgnore_Text_When_Cannot_Solve->isChecked();
    state.statusText = ui->Label1->text();
    const QTextCursor cursor = ui->Text1->textCursor();
    state.cursorPosition = cursor.position();
    state.anchor = cursor.anchor();
    state.verticalScroll = ui->Text1->verticalScrollBar()->value();
    return state;
}

void MainWindow::RestoreUndoState(const UndoState& state)
{
    QSignalBlocker padBlocker(ui->Text1);
    QSignalBlocker wordOperatorBlocker(ui->actionUse_Word_Oporators);
    QSignalBlocker ignoreTextBlocker(ui->actionIgnore_Text_When_Cannot_Solve);

    // The editor gives new plain text the format of its cursor: a cursor just
    // after a bold answer would make the whole restored pad bold.
    QTextCursor plainCursor = ui->Text1->textCursor();
    plainCursor.clearSelection();
    plainCursor.setCharFormat(QTextCharFormat());
    ui->Text1->setTextCursor(plainCursor);
    ui->Text1->setPlainText(state.text);

    QTextDocument* document = ui->Text1->document();
    const int last = document->characterCount() - 1;
    if (!state.boldRanges.isEmpty()) {
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        QTextCursor cursor(document);
        // One edit for all runs: the layout and the text index follow once.
        cursor.beginEditBlock();
        for (const UndoBoldRange& range : state.boldRanges) {
            const int from = std::max(std::min(range.start, last), 0);
            const int to = std::max(int(std::min<qint64>(qint64(range.start) + range.length, last)), from);
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(bold);
        }
        cursor.endEditBlock();
    }

    variables = state.variables;
    customFunctions = state.customFunctions;
    ans = state.ans;
    ansText = state.ansText;
    ansInstant = state.ansInstant;
    ansIsDateTime = state.ansIsDateTime;
    numberFormat = state.valueFormat;

    ui->actionUse_Word_Oporators->setChecked(state.useWordOperators);
    ui->actionIgnore_Text_When_Cannot_Solve->setChecked(state.ignoreTextWhenCannotSolve);

    QTextCursor cursor(document);
    cursor.setPosition(std::clamp(state.anchor, 0, std::max(last, 0)));
    cursor.setPosition(std::clamp(state.cursorPosition, 0, std::max(last, 0)), QTextCursor::KeepAnchor);
    ui->Text1->setTextCursor(cursor);

    ui->Text1->verticalScrollBar()->setValue(state.verticalScroll);
    ui->Label1->setText(state.statusText);

    submitPending = false;
    editTransactionOpen = false;

    ui->Text1->setFocus(Qt::OtherFocusReason);
    ui->Text1->ensureCursorVisible();

    UpdatePredictiveText();

    ignoreTextBlocker.unblock();
    wordOperatorBlocker.unblock();
    padBlocker.unblock();
}

void MainWindow::SaveUndoState()
{
    ++undoSnapshotsTaken;
    undoStack.append(CaptureUndoState());
    TrimToLimit(undoStack);
    redoStack.clear();
    UpdateUndoRedoActions();
}

void MainWindow::BeginUndoEditTransaction()
{
    if (editTransactionOpen)
        return;
    SaveUndoState();
    editTransactionOpen = true;
}

MainWindow::UndoMark MainWindow::MarkUndoHistory() const
{
    return {undoStack, redoStack, undoSnapshotsTaken};
}

void MainWindow::RollBackUndoHistory(const UndoMark& mark)
{
    undoStack = mark.undoStack;
    redoStack = mark.redoStack;
    editTransactionOpen = false;
    UpdateUndoRedoActions();
}

void MainWindow::DropFirstSnapshotSince(const UndoMark& mark)
{
    // At the limit every snapshot shifts the stack, so the snapshots since
    // the mark are found by count from the top, not by index.
    const qint64 taken = undoSnapshotsTaken - mark.snapshotsTaken;
    if (taken < 1)
        return;
    const qsizetype later = qsizetype(std::min<qint64>(taken - 1, undoStack.size()));
    QList<UndoState> kept = mark.undoStack;
    kept.append(undoStack.mid(undoStack.size() - later));
    TrimToLimit(kept);
    undoStack = std::move(kept);
    UpdateUndoRedoActions();
}

void MainWindow::UndoPadState()
{
    if (undoStack.isEmpty() || solveRunning || busy)
        return;
    UndoState current = CaptureUndoState();
    const UndoState previous = undoStack.takeLast();
    redoStack.append(std::move(current));
    TrimToLimit(redoStack);
    RestoreUndoState(previous);
    UpdateUndoRedoActions();
}

void MainWindow::RedoPadState()
{
    if (redoStack.isEmpty() || solveRunning || busy)
        return;
    UndoState current = CaptureUndoState();
    const UndoState next = redoStack.takeLast();
    undoStack.append(std::move(current));
    TrimToLimit(undoStack);
    RestoreUndoState(next);
    UpdateUndoRedoActions();
}

void MainWindow::ForgetBoldRunsOfChangedBlocks(int position, int added)
{
    const QTextDocument* document = ui->Text1->document();
    QTextBlock block = document->findBlock(std::max(position, 0));
    if (!block.isValid())
        block = document->lastBlock();
    const int end = position + std::max(added, 0);
    for (int blockPosition = block.position(); block.isValid() && blockPosition <= end;
         blockPosition += block.length(), block = block.next())
        block.setUserState(BoldRunsUnknown);
}

void MainWindow::UpdateUndoRedoActions()
{
    ui->actionUndo->setEnabled(!undoStack.isEmpty());
    ui->actionRedo->setEnabled(!redoStack.isEmpty());
}

void MainWindow::UpdateUndoHistoryValueFormat()
{
    for (QList<UndoState>* stack : {&undoStack, &redoStack}) {
        for (UndoState& state : *stack)
            state.valueFormat = numberFormat;
    }
}

void MainWindow::UpdateUndoHistoryIgnoreText()
{
    const bool checked = ui->actionIgnore_Text_When_Cannot_Solve->isChecked();
    for (QList<UndoState>* stack : {&undoStack, &redoStack}) {
        for (UndoState& state : *stack)
            state.ignoreTextWhenCannotSolve = checked;
    }
}

void MainWindow::UpdateUndoHistoryWordOperators()
{
    const bool checked = ui->actionUse_Word_Oporators->isChecked();
    for (QList<UndoState>* stack : {&undoStack, &redoStack}) {
        for (UndoState& state : *stack)
            state.useWordOperators = checked;
    }
}

// Undo and redo of whole pad states: the text with its bold answers and the
// calculation state that the lines produced.

#include "pad/mainwindow.h"

#include "engine/TextScan.h"
#include "pad/MainWindowForm.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

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

// The pad's bold runs, one a fragment, in document order.
QList<MainWindow::UndoBoldRange> BoldRunsOf(const QTextDocument* document)
{
    QList<MainWindow::UndoBoldRange> runs;
    // Block positions are summed on the way: asking each block costs a search.
    int blockPosition = 0;
    for (QTextBlock block = document->begin(); block.isValid(); blockPosition += block.length(), block = block.next()) {
        const int known = block.userState();
        if (known == NoBoldRun)
            continue;
        if (known > 0) {
            const int packed = known - 1;
            runs.append({blockPosition + (packed >> PackedRunBits), packed & (PackedRunLimit - 1)});
            continue;
        }
        const int found = ReadBoldRuns(block, blockPosition, runs);
        if (found != known)
            block.setUserState(found);
    }
    return runs;
}

// The bold characters of a text of the given length as maximal spans
// [start, end), ascending: ranges cut at the text end as the restore cuts
// them, touching and overlapping ones joined.
struct BoldSpan
{
    int start = 0;
    int end = 0;
};

QList<BoldSpan> BoldSpansOf(const QList<MainWindow::UndoBoldRange>& ranges, int length)
{
    QList<BoldSpan> spans;
    spans.reserve(ranges.size());
    for (const MainWindow::UndoBoldRange& range : ranges) {
        const int from = std::max(std::min(range.start, length), 0);
        const int to = std::max(int(std::min<qint64>(qint64(range.start) + range.length, length)), from);
        if (to > from)
            spans.append({from, to});
    }
    const auto byStart = [](const BoldSpan& a, const BoldSpan& b) { return a.start < b.start; };
    if (!std::is_sorted(spans.cbegin(), spans.cend(), byStart))
        std::sort(spans.begin(), spans.end(), byStart);
    qsizetype kept = 0;
    for (const BoldSpan& span : std::as_const(spans)) {
        if (kept > 0 && span.start <= spans.at(kept - 1).end)
            spans[kept - 1].end = std::max(spans.at(kept - 1).end, span.end);
        else
            spans[kept++] = span;
    }
    spans.resize(kept);
    return spans;
}

constexpr int NoDifference = std::numeric_limits<int>::max();

// The first position, counted from the start, at which one text is bold and
// the other is not.
int FirstBoldDifference(const QList<BoldSpan>& a, const QList<BoldSpan>& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (a.at(i).start != b.at(i).start)
            return std::min(a.at(i).start, b.at(i).start);
        if (a.at(i).end != b.at(i).end)
            return std::min(a.at(i).end, b.at(i).end);
    }
    if (a.size() > common)
        return a.at(common).start;
    if (b.size() > common)
        return b.at(common).start;
    return NoDifference;
}

// The same, counted back from each text's end.
int LastBoldDifference(const QList<BoldSpan>& a, int lengthA, const QList<BoldSpan>& b, int lengthB)
{
    qsizetype i = a.size() - 1;
    qsizetype j = b.size() - 1;
    for (; i >= 0 && j >= 0; --i, --j) {
        const int endA = lengthA - a.at(i).end;
        const int endB = lengthB - b.at(j).end;
        if (endA != endB)
            return std::min(endA, endB);
        const int startA = lengthA - a.at(i).start;
        const int startB = lengthB - b.at(j).start;
        if (startA != startB)
            return std::min(startA, startB);
    }
    if (i >= 0)
        return lengthA - a.at(i).end;
    if (j >= 0)
        return lengthB - b.at(j).end;
    return NoDifference;
}

// Characters compared a block at a time, so that a long equal stretch costs
// what memcmp costs.
constexpr qsizetype ComparedBlock = 1024;

qsizetype CommonPrefixLength(QStringView a, QStringView b)
{
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype equal = 0;
    while (equal + ComparedBlock <= limit
           && std::memcmp(a.data() + equal, b.data() + equal, ComparedBlock * sizeof(QChar)) == 0)
        equal += ComparedBlock;
    while (equal < limit && a.at(equal) == b.at(equal))
        ++equal;
    return equal;
}

qsizetype CommonSuffixLength(QStringView a, QStringView b, qsizetype limit)
{
    const QChar* endA = a.data() + a.size();
    const QChar* endB = b.data() + b.size();
    qsizetype equal = 0;
    while (equal + ComparedBlock <= limit
           && std::memcmp(endA - equal - ComparedBlock, endB - equal - ComparedBlock, ComparedBlock * sizeof(QChar))
               == 0)
        equal += ComparedBlock;
    while (equal < limit && *(endA - equal - 1) == *(endB - equal - 1))
        ++equal;
    return equal;
}

void MergeBold(QTextCursor& cursor, int from, int to)
{
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(bold);
}

// Puts the snapshot's text and bold runs into the document by replacing only
// what differs: the common start and end, equal in text and in boldness,
// stay as they are. False, with nothing done, when nothing is in common.
bool RestoreTextByDifference(QTextDocument* document, const QString& now, const MainWindow::UndoState& state)
{
    const QString& wanted = state.text;
    const int nowLength = int(now.size());
    const int wantedLength = int(wanted.size());
    const QList<BoldSpan> nowBold = BoldSpansOf(BoldRunsOf(document), nowLength);
    const QList<BoldSpan> wantedBold = BoldSpansOf(state.boldRanges, wantedLength);

    const int prefix = std::min(int(CommonPrefixLength(now, wanted)), FirstBoldDifference(nowBold, wantedBold));
    if (prefix == nowLength && prefix == wantedLength)
        return true;
    const int suffixLimit = std::min(nowLength, wantedLength) - prefix;
    const int suffix = std::min(int(CommonSuffixLength(now, wanted, suffixLimit)),
                                LastBoldDifference(nowBold, nowLength, wantedBold, wantedLength));
    if (prefix == 0 && suffix == 0)
        return false;

    const int middleEnd = wantedLength - suffix;
    QTextCursor cursor(document);
    // One edit: the layout, the text index and the snapshots' knowledge of
    // the blocks follow the changed middle only.
    cursor.beginEditBlock();
    cursor.setPosition(prefix);
    cursor.setPosition(nowLength - suffix, QTextCursor::KeepAnchor);
    cursor.insertText(wanted.mid(prefix, middleEnd - prefix), QTextCharFormat());
    const auto firstInside = std::upper_bound(wantedBold.cbegin(), wantedBold.cend(), prefix,
                                              [](int position, const BoldSpan& span) { return position < span.end; });
    for (auto span = firstInside; span != wantedBold.cend() && span->start < middleEnd; ++span)
        MergeBold(cursor, std::max(span->start, prefix), std::min(span->end, middleEnd));
    cursor.endEditBlock();
    return true;
}

} // namespace

MainWindow::UndoState MainWindow::CaptureUndoState() const
{
    UndoState state;
    state.text = PadText();
    state.boldRanges = BoldRunsOf(ui->Text1->document());

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
    RestoreUndoState(state, PadRestore::ByDifference);
}

void MainWindow::RestorePadTextInFull(const UndoState& state)
{
    // The editor gives new plain text the format of its cursor: a cursor just
    // after a bold answer would make the whole restored pad bold.
    QTextCursor plainCursor = ui->Text1->textCursor();
    plainCursor.clearSelection();
    plainCursor.setCharFormat(QTextCharFormat());
    ui->Text1->setTextCursor(plainCursor);
    ui->Text1->setPlainText(state.text);

    if (state.boldRanges.isEmpty())
        return;
    QTextDocument* document = ui->Text1->document();
    const int last = document->characterCount() - 1;
    QTextCursor cursor(document);
    // One edit for all runs: the layout and the text index follow once.
    cursor.beginEditBlock();
    for (const UndoBoldRange& range : state.boldRanges) {
        const int from = std::max(std::min(range.start, last), 0);
        const int to = std::max(int(std::min<qint64>(qint64(range.start) + range.length, last)), from);
        MergeBold(cursor, from, to);
    }
    cursor.endEditBlock();
}

void MainWindow::RestoreUndoState(const UndoState& state, PadRestore how)
{
    QSignalBlocker padBlocker(ui->Text1);
    QSignalBlocker wordOperatorBlocker(ui->actionUse_Word_Oporators);
    QSignalBlocker ignoreTextBlocker(ui->actionIgnore_Text_When_Cannot_Solve);

    QTextDocument* document = ui->Text1->document();
    // An Undo on a long pad mostly takes back one line: replacing only that
    // keeps its cost to the size of the change.
    if (how == PadRestore::InFull || !RestoreTextByDifference(document, PadText(), state))
        RestorePadTextInFull(state);
    const int last = document->characterCount() - 1;

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
    ShowStatus(state.statusText);

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

void MainWindow::CommitUndoStep(OpenEditStep openStep)
{
    if (openStep == OpenEditStep::Split || !editTransactionOpen)
        SaveUndoState();
    editTransactionOpen = false;
}

void MainWindow::ClearUndoHistory()
{
    undoStack.clear();
    redoStack.clear();
    editTransactionOpen = false;
    UpdateUndoRedoActions();
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

// Running selected lines again: each line of the selection, or each block in
// braces as a whole, is submitted in turn as if Enter had been pressed at its
// end, with the progress in the status line.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString BulkProgressPrefix = QStringLiteral("  [Bulk: ");

// The events of the run's own repaints come through every 100 ms at most.
constexpr qint64 ProgressPeriodMs = 100;

QString WithoutBulkProgress(const QString& status)
{
    if (!status.contains(BulkProgressPrefix) || !status.endsWith(QLatin1Char(']')))
        return status;
    return status.left(status.lastIndexOf(BulkProgressPrefix));
}

void ReportBulkProgress(MainWindow& window, QLabel* status, int done, int total)
{
    window.ShowStatus(WithoutBulkProgress(status->text()) + BulkProgressPrefix
                      + QStringLiteral("%1/%2, %3 left]").arg(done).arg(total).arg(total - done));
    // Shown now, not whenever the window's next update comes round.
    status->repaint();
}

} // namespace

void MainWindow::MoveWithPadChange(QList<int>& positions, int position, int removed, int added)
{
    // Sorted, so the positions at or after the change are a tail. One at
    // the change's place moves past inserted text, as a cursor would.
    auto first = std::lower_bound(positions.begin(), positions.end(), position);
    const int removedEnd = position + removed;
    for (auto it = first; it != positions.end(); ++it) {
        if (*it >= removedEnd)
            *it += added - removed;
        else if (removed != added)
            // Inside replaced text: it goes to the end of what replaced it.
            *it = position + added;
        // A change of as many characters as it removed is a change of
        // format (or a same-length retyping): nothing inside it moves.
    }
}

QList<int> MainWindow::SelectedLineUnitEnds(QStringView text)
{
    QList<int> ends;
    int depth = 0;
    const int length = int(text.size());
    for (int lineStart = 0;;) {
        int lineEnd = int(text.indexOf(QLatin1Char('\n'), lineStart));
        if (lineEnd < 0)
            lineEnd = length;
        bool blank = true;
        for (int i = lineStart; i < lineEnd; ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('{'))
                ++depth;
            else if (c == QLatin1Char('}') && depth > 0)
                --depth;
            if (!c.isSpace())
                blank = false;
        }
        if (depth == 0 && !blank)
            ends.append(lineEnd);
        if (lineEnd >= length)
            break;
        lineStart = lineEnd + 1;
    }
    return ends;
}

void MainWindow::ExecuteSelectedLines()
{
    if (RefuseWhileBusy())
        return;
    const QTextCursor selection = ui->Text1->textCursor();
    if (!selection.hasSelection())
        return;

    // The whole run is one undo step.
    CommitUndoStep();
    const BusyScope busyScope(*this);
    // Only a close asked for during this run ends it.
    closeRequested = false;

    // The pad's own text holds the selection at the same positions, its
    // paragraph separators already read as line ends.
    const int selectionStart = selection.selectionStart();
    const QList<int> unitEnds =
        SelectedLineUnitEnds(QStringView(PadText()).mid(selectionStart, selection.selectionEnd() - selectionStart));
    if (unitEnds.isEmpty())
        return;

    // Each unit's end follows every change of the pad: the answers of the
    // units before it, and whatever the user cuts, pastes or types while a
    // solve lets input in. Before them stands the selection's start, the end
    // of "no unit yet". They are plain positions moved on each change, not
    // cursors of the pad, which every edit would have to visit one by one.
    QList<int> ends;
    ends.reserve(unitEnds.size() + 1);
    ends.append(selectionStart);
    for (int offset : unitEnds)
        ends.append(selectionStart + offset);
    const QMetaObject::Connection following =
        connect(ui->Text1->document(), &QTextDocument::contentsChange, this,
                [&ends](int position, int removed, int added) { MoveWithPadChange(ends, position, removed, added); });
    const auto stopFollowing = qScopeGuard([following]() { disconnect(following); });

    const int total = int(unitEnds.size());
    // Counted from the start of each report, so that neither the repaint
    // nor the pump stretches the wait until the next one.
    QElapsedTimer sincePump;
    sincePump.start();
    ReportBulkProgress(*this, ui->Label1, 0, total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    for (int i = 0; i < total && !closeRequested; ++i) {
        const int length = int(PadText().size());
        const int position = ends.at(i + 1);
        // A unit whose text is gone ends the run: a CLEAR among the lines,
        // or an edit during a solve, left its end on the previous one's.
        if (position < 0 || position > length || position <= ends.at(i))
            break;

        QTextCursor enter = ui->Text1->textCursor();
        enter.setPosition(position);
        {
            // Placing the cursor is no edit: the newline below is.
            const QSignalBlocker blocker(ui->Text1);
            ui->Text1->setTextCursor(enter);
        }
        submitPending = true;
        ui->Text1->insertPlainText(QStringLiteral("\n"));
        submitPending = false;

        if (sincePump.elapsed() >= ProgressPeriodMs) {
            sincePump.restart();
            ReportBulkProgress(*this, ui->Label1, i + 1, total);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }

    ShowStatus(WithoutBulkProgress(ui->Label1->text()));
    ui->Text1->setFocus(Qt::OtherFocusReason);
    ui->Text1->ensureCursorVisible();
}

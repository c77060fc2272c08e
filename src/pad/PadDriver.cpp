// The pad driver: keys, text changes and cursor moves of the pad become
// undo steps, submitted lines, the equation-block status and the preview.

#include "pad/mainwindow.h"

#include "editing/CompletionVocabulary.h"

#include "pad/MainWindowForm.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTimer>
#include <QWindow>

namespace {

bool IsReturnKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsContinuationOperator(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('*') || c == QLatin1Char('/')
        || c == QLatin1Char('^') || c == QChar(0x00F7);
}

// The popup, its viewport and its own window: under a real display server a
// key can reach any of them, also while the popup is being mapped and just
// after it has hidden, when it no longer counts as visible.
bool IsPartOfPopup(const QObject* watched, const QAbstractItemView* popup)
{
    return watched == popup || watched == popup->viewport()
        || (popup->windowHandle() && watched == popup->windowHandle());
}

// The popup's own window exists once the popup first shows; the filter goes
// on before the window is mapped.
void WatchPopupKeys(QAbstractItemView* popup, QObject* filter)
{
    popup->viewport()->installEventFilter(filter);
    if (QWindow* window = popup->windowHandle())
        window->installEventFilter(filter);
}

bool IsCopyEntry(const QAction* action)
{
    if (QKeySequence::keyBindings(QKeySequence::Copy).contains(action->shortcut()))
        return true;
    QString text = action->text();
    text.remove(QLatin1Char('&'));
    text = text.section(QLatin1Char('\t'), 0, 0).trimmed();
    return text.compare(QLatin1String("Copy"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Input that comes before the menus' items are built builds them first:
    // the pad's keys read the options they hold.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::ContextMenu:
        FinishForm();
        break;
    default:
        break;
    }

    QAbstractItemView* popup = autoCompleter ? autoCompleter->popup() : nullptr;
    const bool popupVisible = popup && popup->isVisible();

    if (popup && watched == popup && event->type() == QEvent::Show)
        WatchPopupKeys(popup, this);

    // While the popup shows, the keys reach it instead of the pad, and the
    // completer would hand them on to the pad past the pad's filter. Each one
    // goes to the pad as if typed there, so that it opens the edit step, Tab
    // takes the suggestion and Up and Down move in the list; Return, after
    // the popup has closed, submits the line instead of accepting. This holds
    // whether or not the popup still counts as visible: a key the display
    // server hands it as it maps or hides would otherwise reach the pad past
    // this filter too, and a Return so passed types a newline that submits
    // nothing.
    if (event->type() == QEvent::KeyPress && popup && IsPartOfPopup(watched, popup)) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        QKeyEvent resent(QEvent::KeyPress, keyEvent->key(), keyEvent->modifiers(), keyEvent->text(),
                         keyEvent->isAutoRepeat(), ushort(keyEvent->count()));
        if (IsReturnKey(keyEvent->key())) {
            HideAutoCompletePopup();
            ui->Text1->setFocus();
        }
        QCoreApplication::sendEvent(ui->Text1, &resent);
        return true;
    }

    // What the first paint does not need waits until it is done.
    if (!startUpFinishQueued && watched == ui->Text1->viewport() && event->type() == QEvent::Paint) {
        startUpFinishQueued = true;
        QTimer::singleShot(0, this, &MainWindow::FinishStartUp);
    }

    if (watched == ui->Text1->viewport() && event->type() == QEvent::ContextMenu) {
        ShowPadContextMenu(static_cast<QContextMenuEvent*>(event));
        return true;
    }

    if (watched != ui->Text1 || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);

    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    const bool upOrDown = key == Qt::Key_Up || key == Qt::Key_Down;

    if (upOrDown && !popupVisible && suggestionSuppressTimer)
        suggestionSuppressTimer->start();

    if (popupVisible) {
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            AcceptAutoCompleteSuggestion();
            return true;
        }
        if (key == Qt::Key_Escape) {
            HideAutoCompletePopup();
            return true;
        }
        if (upOrDown) {
            QAbstractItemModel* model = popup->model();
            const int count = model ? model->rowCount() : 0;
            if (count > 0) {
                const int row = std::max(popup->currentIndex().row(), 0);
                const int next = key == Qt::Key_Up ? (row + count - 1) % count : (row + 1) % count;
                popup->setCurrentIndex(model->index(next, 0));
            }
            return true;
        }
    }

    // The pad is the one widget that takes the focus, so Tab moves it at
    // most; it never types a tab character.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        if (!(keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            focusNextPrevChild(key == Qt::Key_Tab && !(keyEvent->modifiers() & Qt::ShiftModifier));
        return true;
    }

    if (keyEvent->matches(QKeySequence::Undo)) {
        UndoPadState();
        return true;
    }
    if (keyEvent->matches(QKeySequence::Redo)) {
        RedoPadState();
        return true;
    }

    const Qt::KeyboardModifiers modifiers = keyEvent->modifiers() & ~Qt::KeypadModifier;
    const bool commandModifier = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);

    if (IsReturnKey(key)) {
        // With Ctrl, Alt or Meta the editor inserts no newline, so nothing
        // may wait for one.
        if (commandModifier)
            return false;
        if (!(modifiers & Qt::ShiftModifier)) {
            if (!editTransactionOpen && !solveRunning && !busy)
                SaveUndoState();
            editTransactionOpen = false;
            submitPending = true;
            return false;
        }
    }

    const bool isEdit = keyEvent->matches(QKeySequence::Cut) || keyEvent->matches(QKeySequence::Paste)
        || key == Qt::Key_Backspace || key == Qt::Key_Delete || IsReturnKey(key)
        || (!keyEvent->text().isEmpty() && !(keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
    if (isEdit && !solveRunning && !busy)
        BeginUndoEditTransaction();
    return false;
}

bool MainWindow::focusNextPrevChild(bool next)
{
    if (ui->Text1->hasFocus() && autoCompleter && autoCompleter->popup()->isVisible()) {
        AcceptAutoCompleteSuggestion();
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

void MainWindow::ShowPadContextMenu(QContextMenuEvent* event)
{
    QMenu* menu = ui->Text1->createStandardContextMenu();
    const QTextCursor cursor = ui->Text1->textCursor();
    RefreshMenus();
    ui->actionCopyWithoutFormatting->setEnabled(cursor.hasSelection());

    const QList<QAction*> entries = menu->actions();
    qsizetype copyIndex = -1;
    for (qsizetype i = 0; i < entries.size() && copyIndex < 0; ++i) {
        if (IsCopyEntry(entries.at(i)))
            copyIndex = i;
    }
    if (copyIndex >= 0 && copyIndex + 1 < entries.size())
        menu->insertAction(entries.at(copyIndex + 1), ui->actionCopyWithoutFormatting);
    else
        menu->addAction(ui->actionCopyWithoutFormatting);
    menu->addSeparator();
    menu->addAction(ui->actionExecuteSelectedLines);

    // While a solve or a menu command runs, the pad takes no snapshots.
    if (editTransactionOpen || solveRunning || busy || (!cursor.hasSelection() && !ui->Text1->canPaste())) {
        menu->exec(event->globalPos());
    } else {
        const QString notedText = PadText();
        // Taking the menu's snapshot empties the redo history and, with a
        // full history, drops the oldest state: the mark keeps both.
        const UndoMark mark = MarkUndoHistory();
        BeginUndoEditTransaction();
        menu->exec(event->globalPos());
        if (PadText() == notedText) {
            // Nothing changed: the menu leaves the history as it found it.
            RollBackUndoHistory(mark);
        } else if (!editTransactionOpen) {
            // The chosen entry took its own snapshot.
            DropFirstSnapshotSince(mark);
        }
    }
    delete menu;
}

// An empty pad has nothing to preview, suggest or hint at.
void MainWindow::ClearPadFeedback()
{
    ShowStatus(QString());
    HideAutoCompletePopup();
    HideSyntaxHint();
}

void MainWindow::on_Text1_textChanged()
{
    if (solveRunning) {
        // An Enter typed now only cancels; left pending, it would make the
        // first edit after the solve submit the line above again.
        submitPending = false;
        solveCancelRequested = true;
        return;
    }
    const bool enterSeen = submitPending;
    submitPending = false;

    const QString& text = PadText();
    if (text.isEmpty()) {
        ClearPadFeedback();
        return;
    }

    QTextCursor cursor = ui->Text1->textCursor();
    int position = cursor.position();

    if (!HandleEquationBlockState(text, position, TextSource::Pad) && !ContinuePreviousAnswer(text, cursor, position)) {
        // An Enter counts only when its newline stands before the cursor.
        const bool enterPending = enterSeen && position > 0 && text.at(position - 1) == QLatin1Char('\n');
        if (!enterPending) {
            // A typed key moves the cursor first, and that handler may have
            // shown this line's preview already.
            if (!PreviewStillShown(text, position))
                UpdateRealtimePreview(text, position);
            NotePreviewShown(text, position);
        } else {
            QString current = text;
            MoveEnterToEndOfLine(current, cursor, position);
            CloseOpenParentheses(current, cursor, position);
            const QString line = GetCompletedLine(current, position);
            if (!line.isEmpty())
                HandleSubmittedLine(current, position, line);
        }
    }
    UpdatePredictiveText();
}

void MainWindow::on_Text1_cursorPositionChanged()
{
    if (solveRunning)
        return;
    const QString& text = PadText();
    if (text.isEmpty()) {
        ClearPadFeedback();
        return;
    }
    const int position = ui->Text1->textCursor().position();
    if (!HandleEquationBlockState(text, position, TextSource::Pad) && !PreviewStillShown(text, position)) {
        UpdateRealtimePreview(text, position);
        NotePreviewShown(text, position);
    }
    UpdatePredictiveText();
}

bool MainWindow::IsPositionInsideEquationBlock(const QString& text, int position, TextSource source) const
{
    if (source == TextSource::Pad)
        return padIndex.IsInsideOpenBlock(position);
    return IsInsideEquationBlock(text, position);
}

bool MainWindow::HandleEquationBlockState(const QString& text, int position, TextSource source)
{
    if (IsPositionInsideEquationBlock(text, position, source)) {
        ShowStatus(QStringLiteral("Equation block open"));
        return true;
    }
    QList<QString> equations;
    if (LineBefore(text, position).trimmed().endsWith(QLatin1Char('}'))
        && ExtractEquationBlock(text, position, equations)) {
        ShowStatus(QStringLiteral("Equation block ready: %1 equation(s)").arg(equations.size()));
        return true;
    }
    return false;
}

bool MainWindow::ContinuePreviousAnswer(const QString& text, QTextCursor& cursor, int position)
{
    if (position < 2 || position > text.size())
        return false;
    if (!IsContinuationOperator(text.at(position - 1)) || text.at(position - 2) != QLatin1Char('\n'))
        return false;
    const QSignalBlocker blocker(ui->Text1);
    cursor.setPosition(position - 2);
    cursor.deleteChar();
    cursor.setPosition(position - 1);
    ui->Text1->setTextCursor(cursor);
    return true;
}

void MainWindow::MoveEnterToEndOfLine(QString& text, QTextCursor& cursor, int& position)
{
    if (position < 1 || position > text.size())
        return;
    qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), position);
    if (lineEnd < 0)
        lineEnd = text.size();
    if (lineEnd <= position)
        return;
    const QSignalBlocker blocker(ui->Text1);
    cursor.setPosition(position - 1);
    cursor.deleteChar();
    cursor.setPosition(int(lineEnd) - 1);
    cursor.insertText(QStringLiteral("\n"));
    ui->Text1->setTextCursor(cursor);
    text = PadText();
    position = cursor.position();
}

void MainWindow::CloseOpenParentheses(QString& text, QTextCursor& cursor, int& position)
{
    if (position < 2 || position > text.size())
        return;
    const int lineEnd = position - 1;
    const int lineStart = int(text.lastIndexOf(QLatin1Char('\n'), position - 2)) + 1;

    int depth = 0;
    bool inQuote = false;
    QChar quote;
    for (int i = lineStart; i < lineEnd; ++i) {
        const QChar c = text.at(i);
        if (inQuote) {
            if (c != quote)
                continue;
            int backslashes = 0;
            for (int j = i - 1; j >= lineStart && text.at(j) == QLatin1Char('\\'); --j)
                ++backslashes;
            if (backslashes % 2 == 0)
                inQuote = false;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            inQuote = true;
            quote = c;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (depth == 0)
                return; // a stray ")": the line is submitted as typed
            --depth;
        }
    }
    if (depth <= 0)
        return;

    const QSignalBlocker blocker(ui->Text1);
    cursor.setPosition(lineEnd);
    cursor.insertText(QString(depth, QLatin1Char(')')));
    ui->Text1->setTextCursor(cursor);
    text = PadText();
    position = lineEnd + depth + 1;
    cursor.setPosition(position);
    ui->Text1->setTextCursor(cursor);
}

QString MainWindow::GetCompletedLine(const QString& text, int position)
{
    if (position < 2 || position > text.size())
        return QString();
    const int start = int(text.lastIndexOf(QLatin1Char('\n'), position - 2)) + 1;
    return NormalizeSubmittedMath(text.mid(start, position - 1 - start));
}

#include "pad/StoragePaths.h"
#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"
#include "tools/LogViewer.h"
#include "tools/UpdateWindow.h"
#include "tools/searchdialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QVariant>

void MainWindowTestAccess::resetToNew(MainWindow& window, const MainWindow& reference)
{
    // Dialogs go; the window makes them again at first use, as a new one does.
    delete window.searchDialog;
    window.searchDialog = nullptr;
    delete window.logViewer;
    window.logViewer = nullptr;
    delete window.helpWindow;
    window.helpWindow = nullptr;
    delete window.updateWindow;
    window.updateWindow = nullptr;
    window.pendingHelpKey = reference.pendingHelpKey;
    window.HideAutoCompletePopup();
    window.HideSyntaxHint();

    // Options, font and frame as a new window has them. The reference stays
    // as it was made, so its options and its pad are read once; so are the
    // window's checkable actions and its pad, as searching the whole window
    // cost more than all the rest of a reset. Every action comes from the
    // window's form, made with the window.
    auto* const referenceWindow = const_cast<MainWindow*>(&reference);
    static QPointer<MainWindow> checksOf; // null once that window is gone
    static QHash<QString, bool> checks;
    static QPlainTextEdit* referencePadEditor = nullptr;
    static QLabel* referenceStatus = nullptr;
    static int checksRead = 0;
    if (checksOf != referenceWindow) {
        ++checksRead;
        checks.clear();
        for (const QAction* action : reference.findChildren<QAction*>()) {
            if (action->isCheckable() && !action->objectName().isEmpty())
                checks.insert(action->objectName(), action->isChecked());
        }
        const TestSupport::Pad referencePad(referenceWindow);
        referencePadEditor = referencePad.editor();
        referenceStatus = referencePad.statusLabel();
        checksOf = referenceWindow;
    }
    struct WindowParts
    {
        QPointer<MainWindow> window; // null once that window is gone
        int listedAgainst = 0;       // the checks read when its actions were listed
        QList<std::pair<QPointer<QAction>, bool>> checkable;
        QPointer<QPlainTextEdit> pad;
        QPointer<QLabel> status;
    };
    static WindowParts parts;
    if (parts.window != &window || parts.listedAgainst != checksRead) {
        parts.window = &window;
        parts.listedAgainst = checksRead;
        parts.checkable.clear();
        for (QAction* action : window.findChildren<QAction*>()) {
            const auto check = checks.constFind(action->objectName());
            if (action->isCheckable() && check != checks.constEnd())
                parts.checkable.append({action, *check});
        }
        const TestSupport::Pad windowPad(&window);
        parts.pad = windowPad.editor();
        parts.status = windowPad.statusLabel();
    }
    for (const auto& [action, checked] : parts.checkable) {
        if (action && action->isChecked() != checked)
            action->setChecked(checked);
    }
    QPlainTextEdit* pad = parts.pad;
    pad->setFont(referencePadEditor->font());
    if (window.windowFlags() != reference.windowFlags())
        window.setWindowFlags(reference.windowFlags());
    window.resize(reference.size());

    // Calculation state.
    window.numberFormat = reference.numberFormat;
    window.ans = reference.ans;
    window.ansText = reference.ansText;
    window.ansInstant = reference.ansInstant;
    window.ansIsDateTime = reference.ansIsDateTime;
    window.variables = reference.variables;
    window.customFunctions = reference.customFunctions;
    window.customFunctionNameIndex = MainWindow::CustomFunctionNameIndex();
    window.lastWordOperatorOutput = reference.lastWordOperatorOutput;
    window.completionVocabulary = MainWindow::CompletionVocabularyCache();
    window.setProperty(MainWindow::OneTimeOutputBaseProperty, QVariant());

    window.uptimeClock.start();

    // Run flags.
    window.busy = false;
    window.solveRunning = false;
    window.solveCancelRequested = false;
    window.solveCancelled = false;
    window.solveApproximate = false;
    window.closeRequested = false;
    window.submitPending = false;

    // The pad, its document and its history.
    {
        const QSignalBlocker blocker(pad);
        pad->setPlainText(referencePadEditor->toPlainText());
    }
    window.autoCompletePrefixStart = reference.autoCompletePrefixStart;
    window.autoCompletePrefixEnd = reference.autoCompletePrefixEnd;
    window.undoStack = reference.undoStack;
    window.redoStack = reference.redoStack;
    window.editTransactionOpen = reference.editTransactionOpen;
    window.undoSnapshotsTaken = reference.undoSnapshotsTaken;
    window.UpdateUndoRedoActions();
    window.documentPath = reference.documentPath;
    window.UpdateDocumentWindowTitle();
    parts.status->setText(referenceStatus->text());
}

namespace TestSupport {

void resetWindow(MainWindow* window)
{
    // The settings and log files go, and start-up's copies come back.
    const QString data = StoragePaths::DataDirectory();
    QDir(data).removeRecursively();
    MainWindow::CopyFilesToDataLocation(QCoreApplication::applicationDirPath(), data);
    // A new window made once, from the files as a new one finds them, is
    // the state every reset brings a window back to. Never destroyed: it
    // lives as long as the application.
    static MainWindow* const reference = createWindow().release();
    MainWindowTestAccess::resetToNew(*window, *reference);
}

} // namespace TestSupport

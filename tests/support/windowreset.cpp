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
    // as it was made, so its options are read once.
    static const MainWindow* checksOf = nullptr;
    static QHash<QString, bool> checks;
    if (checksOf != &reference) {
        checks.clear();
        for (const QAction* action : reference.findChildren<QAction*>()) {
            if (action->isCheckable() && !action->objectName().isEmpty())
                checks.insert(action->objectName(), action->isChecked());
        }
        checksOf = &reference;
    }
    for (QAction* action : window.findChildren<QAction*>()) {
        const auto check = checks.constFind(action->objectName());
        if (action->isCheckable() && check != checks.constEnd() && action->isChecked() != *check)
            action->setChecked(*check);
    }
    const TestSupport::Pad windowPad(&window);
    const TestSupport::Pad referencePad(const_cast<MainWindow*>(&reference));
    QPlainTextEdit* pad = windowPad.editor();
    pad->setFont(referencePad.editor()->font());
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
        pad->setPlainText(referencePad.text());
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
    windowPad.statusLabel()->setText(referencePad.status());
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

// The line dispatcher: every submitted line is tried against a fixed list of
// commands and forms, first hit wins.

#include "pad/mainwindow.h"

#include "tools/StorageDiagnostics.h"
#include "pad/MainWindowForm.h"

#include <QSignalBlocker>

#include <initializer_list>

namespace {

bool EqualsAny(const QString& line, std::initializer_list<const char*> words)
{
    for (const char* word : words) {
        if (line.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QString MainWindow::GetVariablesList()
{
    if (variables.isEmpty())
        return QStringLiteral("-No Variables-");
    QStringList entries;
    for (auto it = variables.cbegin(); it != variables.cend(); ++it)
        entries.append(it.key() + QStringLiteral(" = ") + FormatAnswer(it.value()));
    return entries.join(QLatin1Char('\n'));
}

void MainWindow::HandleSubmittedLine(const QString& documentText, int cursorPosition, const QString& line)
{
    if (line.trimmed().compare(QLatin1String("TRAVOKDEBUGSTORAGE"), Qt::CaseInsensitive) == 0) {
        RunTravokStorageDiagnostics(this);
        return;
    }

    if (line.endsWith(QLatin1Char('}'))) {
        QList<QString> equations;
        if (!ExtractEquationBlock(documentText, cursorPosition, equations))
            ShowStatus(QStringLiteral("Invalid equation block"));
        else if (equations.size() == 1 && !equations.first().contains(QLatin1Char('=')))
            HandleExpressionSubmission(equations.first());
        else
            HandleEquationSet(equations);
        return;
    }

    if (HandleMenuCommand(line))
        return;

    if (EqualsAny(line, {"INFO"})) {
        const QString report = BuildInfoText();
        ShowStatus(QStringLiteral("Information displayed"));
        InsertCommandResult(report, false);
        return;
    }
    if (EqualsAny(line, {"UPTIME"})) {
        ShowStatus(QStringLiteral("Application uptime displayed"));
        InsertCommandResult(BuildUptimeText(), true);
        return;
    }

    if (HandleCustomFunctionCommand(line))
        return;
    if (HandleFractionFunction(line))
        return;

    if (EqualsAny(line, {"CLR", "CLS", "CLEAR"})) {
        // A pad the log could not take stays, so nothing is lost.
        if (ui->actionSave_Log_On_Clear->isChecked() && !WriteLog())
            return;
        ShowStatus(QString());
        const QSignalBlocker blocker(ui->Text1);
        variables.clear();
        ui->Text1->clear();
        return;
    }
    if (EqualsAny(line, {"CLEAR VARIABLES"})) {
        variables.clear();
        ShowStatus(QStringLiteral("Variables cleared"));
        return;
    }
    if (EqualsAny(line, {"VARS", "VARIABLES"})) {
        ShowStatus(QStringLiteral("Variables listed"));
        InsertCommandResult(GetVariablesList(), false);
        return;
    }
    if (EqualsAny(line, {"EXIT", "END", "CLOSE", "QUIT"})) {
        close();
        return;
    }
    if (EqualsAny(line, {"MIN"})) {
        showMinimized();
        return;
    }
    if (EqualsAny(line, {"MAX"})) {
        showMaximized();
        return;
    }
    if (EqualsAny(line, {"RESTORE"})) {
        showNormal();
        return;
    }
    if (EqualsAny(line, {"ON TOP", "ONTOP", "TOPMOST", "TOP MOST"})) {
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
        show();
        ShowStatus(QStringLiteral("Topmost set"));
        return;
    }
    if (EqualsAny(line, {"NOT ON TOP", "NOTONTOP", "NOT TOPMOST", "NOT TOP MOST"})) {
        setWindowFlags(windowFlags() & ~Qt::WindowStaysOnTopHint);
        show();
        ShowStatus(QStringLiteral("Topmost cleared"));
        return;
    }

    QString helpText;
    if (HandleHelpCommand(line, helpText)) {
        InsertFormattedHelpText(helpText);
        ShowStatus(QStringLiteral("Help"));
        return;
    }

    if (HandleSymbolicCommand(line))
        return;

    if (HandleFontCommand(line) || HandleFormatCommand(line))
        return;

    QString windowsResult;
    if (HandleWindowsCommand(line, windowsResult)) {
        ShowStatus(QStringLiteral("Windows command completed"));
        InsertCommandResult(windowsResult, false);
        return;
    }

    if (HandleAssignmentSubmission(line) || HandleComparisonSubmission(line))
        return;

    const qsizetype equalsSigns = line.count(QLatin1Char('='));
    if (equalsSigns > 1) {
        ShowStatus(QStringLiteral("Cannot Solve Equation"));
        InsertCannotSolveLine();
        return;
    }
    if (equalsSigns == 1) {
        HandleEquationSet({line});
        return;
    }

    HandleExpressionSubmission(line);
}

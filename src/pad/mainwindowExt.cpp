// The line dispatcher: every submitted line is tried against a fixed list of
// commands and forms, first hit wins.

#include "pad/mainwindow.h"

#include "tools/StorageDiagnostics.h"
#include "ui_mainwindow.h"

#include <QSignalBlocker>

#include <cmath>
#include <initializer_list>

namespace {

// Larger fonts only make the pad unusable.
constexpr double MaximumFontPointSize = 1000.0;

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

    QString rest;
    if (MatchCommand(line, QStringLiteral("FONT"), rest)) {
        bool ok = false;
        const double size = rest.toDouble(&ok);
        if (ok && std::isfinite(size) && size > 0.0 && size <= MaximumFontPointSize) {
            QFont font = ui->Text1->font();
            font.setPointSizeF(size);
            ui->Text1->setFont(font);
            ShowStatus(QStringLiteral("Font size = ") + QString::number(size, 'g', 6));
        } else {
            ShowStatus(QStringLiteral("Invalid font size"));
        }
        return;
    }

    if (MatchCommand(line, QStringLiteral("FORMAT"), rest)) {
        if (rest.isEmpty()) {
            ShowStatus(QStringLiteral("Format = ") + numberFormat);
        } else if (!rest.startsWith(QLatin1Char('='))) {
            ShowStatus(QStringLiteral("Use FORMAT = <format>"));
        } else {
            numberFormat = rest.mid(1).trimmed();
            ShowStatus(QStringLiteral("Format set to '") + numberFormat + QLatin1Char('\''));
        }
        return;
    }

    QString windowsResult;
    if (HandleWindowsCommand(line, windowsResult)) {
        ShowStatus(QStringLiteral("Windows command completed"));
        InsertCommandResult(windowsResult, false);
        return;
    }

    QString name;
    QString expression;
    bool reservedName = false;
    bool ok = false;
    double value = 0.0;
    if (EvaluateVariableAssignment(line, name, expression, reservedName, ok, value)) {
        if (reservedName) {
            const QString reply = QStringLiteral("Cannot use ") + name + QStringLiteral(" as a variable name");
            ShowStatus(reply);
            InsertCommandResult(reply, false);
        } else if (expression.isEmpty()) {
            ShowStatus(QStringLiteral("Variable has no value"));
        } else if (!ok) {
            ShowStatus(QStringLiteral("Cannot Solve Variable"));
        } else {
            const QString upperName = name.toUpper();
            variables.insert(upperName, value);
            const QString reply = upperName + QStringLiteral(" = ") + FormatAnswer(value, EvaluatedMagnitude());
            ShowStatus(reply);
            InsertCommandResult(reply, true);
        }
        return;
    }

    if (HandleComparisonSubmission(line))
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

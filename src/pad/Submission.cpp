// Expression submission: the last resort of the dispatcher answers a plain
// expression in bold on the next line and makes it the new ANS.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

void MainWindow::HandleExpressionSubmission(QString expression)
{
    QString resultText;
    bool ok = false;
    double value = 0.0;
    bool isNumeric = false;
    QString newAnsText;
    QDateTime newAnsInstant;
    if (EvaluateDateTimeExpression(expression, resultText, ok, value, isNumeric, newAnsText, newAnsInstant)) {
        // The date and time language owns the line: no second opinion.
        if (!ok) {
            ShowStatus(QStringLiteral("Cannot Solve"));
            InsertCannotSolveLine();
            return;
        }
        if (isNumeric)
            SetNumericAnswer(value);
        else if (!newAnsText.isEmpty())
            SetDateTimeAnswer(newAnsText, newAnsInstant);
        ShowStatus(QStringLiteral("Value = ") + resultText);
        InsertCommandResult(resultText, true);
        return;
    }

    QString processedText;
    const double result = EvaluateExpression(expression, ok, processedText);
    if (!ok) {
        ShowStatus(QStringLiteral("Cannot Solve"));
        InsertCannotSolveLine();
        return;
    }
    const QString answer = FormatAnswer(result, EvaluatedMagnitude());
    // Cancellation noise the user was shown as 0 must not come back through ANS.
    SetNumericAnswer(answer == QLatin1String("0") ? 0.0 : result);
    ShowStatus(QStringLiteral("Value = ") + answer);
    InsertCommandResult(answer, true);
}

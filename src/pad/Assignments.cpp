// Assignments and comparison replies: "name = expression" is evaluated for
// the dispatcher, which it answers here, and for the preview; a comparison
// answers TRUE, or FALSE with a report that shows the value of every term.

#include "pad/mainwindow.h"
#include "pad/PadReplies.h"

#include "pad/MainWindowForm.h"

#include <QSignalBlocker>
#include <QTextCursor>

namespace {

// Writes the FALSE report at the cursor as one edit, so that the pad lays
// out and reports its change once however long the chain. Every term line
// is the chain with that term in bold; neighbouring text of one weight is
// inserted in one piece.
void InsertFalseReport(QTextCursor& cursor, const QList<QString>& parts, const QList<QString>& operators,
                       const QStringList& answers)
{
    const qsizetype count = parts.size();

    // The chain as written, without blanks, and where each part starts in it.
    QString chain;
    QList<qsizetype> partStarts;
    partStarts.reserve(count);
    for (qsizetype j = 0; j < count; ++j) {
        partStarts.append(chain.size());
        chain += parts.at(j);
        if (j < count - 1)
            chain += operators.at(j);
    }

    cursor.beginEditBlock();
    InsertReplyText(cursor, QStringLiteral("FALSE"), true);
    InsertReplyText(cursor, QStringLiteral("\n"), false);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype partEnd = partStarts.at(i) + parts.at(i).size();
        if (partStarts.at(i) > 0)
            InsertReplyText(cursor, chain.left(partStarts.at(i)), false);
        InsertReplyText(cursor, parts.at(i), true);
        InsertReplyText(cursor, chain.mid(partEnd) + QStringLiteral("  ->  ") + answers.at(i) + QLatin1Char('\n'),
                        false);
    }
    QString summary = answers.at(0);
    for (qsizetype j = 1; j < count; ++j)
        summary += QLatin1Char(' ') + operators.at(j - 1) + QLatin1Char(' ') + answers.at(j);
    InsertReplyText(cursor, summary + QStringLiteral("  ->  FALSE\n"), false);
    cursor.endEditBlock();
}

} // namespace

bool MainWindow::EvaluateVariableAssignment(QString line, QString& name, QString& expression, bool& reservedName,
                                            bool& ok, double& value)
{
    name.clear();
    expression.clear();
    reservedName = false;
    ok = false;
    value = 0.0;
    if (!ParseVariableAssignment(line, name, expression))
        return false;
    reservedName = IsReservedVariableName(name);
    if (reservedName || expression.isEmpty())
        return true;
    QString processedText;
    value = EvaluateExpression(expression, ok, processedText);
    return true;
}

bool MainWindow::HandleAssignmentSubmission(const QString& line)
{
    QString name;
    QString expression;
    bool reservedName = false;
    bool ok = false;
    double value = 0.0;
    if (!EvaluateVariableAssignment(line, name, expression, reservedName, ok, value))
        return false;
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
    return true;
}

bool MainWindow::HandleComparisonSubmission(QString line)
{
    bool ok = false;
    bool result = false;
    QList<QString> parts;
    QList<QString> operators;
    QList<double> values;
    QList<double> magnitudes;
    if (!EvaluateComparison(line, ok, result, &parts, &operators, &values, &magnitudes))
        return false;

    if (!ok) {
        ShowStatus(QStringLiteral("Cannot Compare"));
        InsertCommandResult(QStringLiteral("Cannot Compare"), false);
        return true;
    }
    if (result) {
        ShowStatus(QStringLiteral("TRUE"));
        InsertCommandResult(QStringLiteral("TRUE"), true);
        return true;
    }

    // Each value is formatted once, in term order, however often the report
    // shows it.
    QStringList answers;
    answers.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        answers.append(FormatAnswer(values.at(i), magnitudes.at(i)));

    ShowStatus(QStringLiteral("FALSE"));
    const QSignalBlocker blocker(ui->Text1);
    QTextCursor cursor = ui->Text1->textCursor();
    InsertFalseReport(cursor, parts, operators, answers);
    ui->Text1->setTextCursor(cursor);
    return true;
}

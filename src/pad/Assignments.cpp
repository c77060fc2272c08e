// Assignments and comparison replies: "name = expression" is evaluated for
// the dispatcher and the preview; a comparison answers TRUE, or FALSE with a
// report that shows the value of every term.

#include "pad/mainwindow.h"
#include "pad/PadReplies.h"

#include "ui_mainwindow.h"

#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>

namespace {

// Writes the FALSE report at the cursor as one edit, so that the pad lays
// out and reports its change once however long the chain. Every term line
// is the chain with that term in bold; neighbouring text of one weight is
// inserted in one piece.
void InsertFalseReport(QTextCursor& cursor, const QList<QString>& parts, const QList<QString>& operators,
                       const QStringList& answers)
{
    const QTextCharFormat normal = WeightFormat(QFont::Normal);
    const QTextCharFormat bold = WeightFormat(QFont::Bold);
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
    cursor.insertText(QStringLiteral("FALSE"), bold);
    cursor.insertText(QStringLiteral("\n"), normal);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype partEnd = partStarts.at(i) + parts.at(i).size();
        if (partStarts.at(i) > 0)
            cursor.insertText(chain.left(partStarts.at(i)), normal);
        cursor.insertText(parts.at(i), bold);
        cursor.insertText(chain.mid(partEnd) + QStringLiteral("  ->  ") + answers.at(i) + QLatin1Char('\n'), normal);
    }
    QString summary = answers.at(0);
    for (qsizetype j = 1; j < count; ++j)
        summary += QLatin1Char(' ') + operators.at(j - 1) + QLatin1Char(' ') + answers.at(j);
    cursor.insertText(summary + QStringLiteral("  ->  FALSE\n"), normal);
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
        ui->Label1->setText(QStringLiteral("Cannot Compare"));
        InsertCommandResult(QStringLiteral("Cannot Compare"), false);
        return true;
    }
    if (result) {
        ui->Label1->setText(QStringLiteral("TRUE"));
        InsertCommandResult(QStringLiteral("TRUE"), true);
        return true;
    }

    // Each value is formatted once, in term order, however often the report
    // shows it.
    QStringList answers;
    answers.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        answers.append(FormatAnswer(values.at(i), magnitudes.at(i)));

    ui->Label1->setText(QStringLiteral("FALSE"));
    const QSignalBlocker blocker(ui->Text1);
    QTextCursor cursor = ui->Text1->textCursor();
    InsertFalseReport(cursor, parts, operators, answers);
    ui->Text1->setTextCursor(cursor);
    return true;
}

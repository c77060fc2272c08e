// The live preview: while the user types or moves the cursor, the status line
// shows what the line under the cursor would give. It evaluates that one line
// only, stores nothing (no variable, no ANS) and never solves an equation.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

struct LineBounds
{
    qsizetype start = 0;
    qsizetype end = 0;
};

LineBounds LineAround(const QString& text, int position)
{
    position = std::clamp(position, 0, int(text.size()));
    // From position 0 there is nothing before the cursor to search: a search
    // from -1 would start at the end of the text.
    const qsizetype start = position > 0 ? text.lastIndexOf(QLatin1Char('\n'), position - 1) + 1 : 0;
    qsizetype end = text.indexOf(QLatin1Char('\n'), position);
    if (end < 0)
        end = text.size();
    return {start, end};
}

} // namespace

void MainWindow::UpdateRealtimePreview(const QString& text, int position)
{
    ShowStatus(BuildRealtimePreview(text, position));
}

// A typed key runs both the cursor-move and the text-change handler, the
// cursor's first; whichever shows the preview notes it for the other.
void MainWindow::NotePreviewShown(const QString& text, int position)
{
    const LineBounds line = LineAround(text, position);
    shownPreview = {padChanges, line.start, text.mid(line.start, line.end - line.start), ui->Label1->text()};
    // Good for the keystroke under way only: a menu choice may change what
    // the line gives without changing the pad.
    QTimer::singleShot(0, this, [this] { shownPreview = {}; });
}

bool MainWindow::PreviewStillShown(const QString& text, int position)
{
    const ShownPreview shown = std::exchange(shownPreview, {});
    if (shown.padChange != padChanges || ui->Label1->text() != shown.status)
        return false;
    const LineBounds line = LineAround(text, position);
    return line.start == shown.lineStart && QStringView(text).mid(line.start, line.end - line.start) == shown.line;
}

QString MainWindow::BuildRealtimePreview(const QString& text, int position)
{
    const LineBounds bounds = LineAround(text, position);
    const QString typed = QStringView(text).mid(bounds.start, bounds.end - bounds.start).trimmed().toString();
    if (typed.isEmpty())
        return QString();

    const QString line = NormalizeSubmittedMath(typed);

    QString rest;
    if (MatchCommand(line, QStringLiteral("CREATE FUNCTION"), rest)) {
        return rest.isEmpty() ? QStringLiteral("CREATE FUNCTION name(parameter, ...) = expression")
                              : QStringLiteral("Custom function definition");
    }

    QString name;
    QString expression;
    bool reservedName = false;
    bool ok = false;
    double value = 0.0;
    if (EvaluateVariableAssignment(line, name, expression, reservedName, ok, value)) {
        if (reservedName)
            return QStringLiteral("Invalid variable name: ") + name;
        if (expression.isEmpty())
            return name + QStringLiteral(" =");
        if (!ok)
            return name + QStringLiteral(" = Cannot Solve");
        return name + QStringLiteral(" = ") + FormatAnswer(value, EvaluatedMagnitude());
    }

    QString resultText;
    bool isNumeric = false;
    QString dateAnsText;
    if (EvaluateDateTimeExpression(line, resultText, ok, value, isNumeric, dateAnsText))
        return ok ? line + QStringLiteral(" = ") + resultText : QStringLiteral("Cannot Solve");

    bool result = false;
    if (EvaluateComparison(line, ok, result)) {
        if (!ok)
            return QStringLiteral("Cannot Compare");
        return result ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    }

    QString processedText;
    value = EvaluateExpression(line, ok, processedText);
    if (!ok)
        return QStringLiteral("Cannot Solve");
    return processedText + QStringLiteral(" = ") + FormatAnswer(value, EvaluatedMagnitude());
}

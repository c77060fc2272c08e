// The syntax hint: the usage text of the function being called or the
// command being typed, just under the pad's cursor, with the argument at the
// cursor in bold.

#include "pad/mainwindow.h"

#include "editing/CompletionVocabulary.h"

#include "pad/MainWindowForm.h"

#include <QLabel>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Commas outside brackets: the index of the argument the text ends in.
int CountTopLevelCommas(QStringView text)
{
    int depth = 0;
    int commas = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            depth = std::max(0, depth - 1);
        else if (c == QLatin1Char(',') && depth == 0)
            ++commas;
    }
    return commas;
}

// The innermost NAME( still open at the end of the line. Brackets with no
// name before them only group; quotes are not special.
bool FindOpenCall(QStringView line, QString& name, int& argumentIndex)
{
    int depth = 0;
    for (qsizetype i = line.size() - 1; i >= 0; --i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(')')) {
            ++depth;
        } else if (c == QLatin1Char('(')) {
            if (depth > 0) {
                --depth;
                continue;
            }
            qsizetype nameEnd = i;
            while (nameEnd > 0 && line.at(nameEnd - 1).isSpace())
                --nameEnd;
            if (nameEnd == 0 || !IsCompletionWordCharacterBefore(line, nameEnd))
                continue;
            const qsizetype nameStart = WordStartBefore(line, nameEnd);
            name = line.mid(nameStart, nameEnd - nameStart).toString();
            argumentIndex = CountTopLevelCommas(line.mid(i + 1));
            return true;
        }
    }
    return false;
}

// Of the typed commands, the one with the longest name that the line starts
// with, followed by a blank or nothing; none when no command fits.
std::optional<MainWindow::CalculatorSyntaxItem> LongestCommandAtStart(
    const QList<MainWindow::CalculatorSyntaxItem>& commands, QStringView trimmedLine)
{
    std::optional<MainWindow::CalculatorSyntaxItem> found;
    for (const MainWindow::CalculatorSyntaxItem& item : commands) {
        if (!trimmedLine.startsWith(item.name, Qt::CaseInsensitive))
            continue;
        if (trimmedLine.size() > item.name.size() && !trimmedLine.at(item.name.size()).isSpace())
            continue;
        if (!found || item.name.size() > found->name.size())
            found = item;
    }
    return found;
}

} // namespace

bool MainWindow::FindActiveFunctionCall(QStringView line, QString& name, int& argumentIndex)
{
    name.clear();
    argumentIndex = 0;
    return FindOpenCall(line, name, argumentIndex);
}

QString MainWindow::BuildSyntaxHintText(const CalculatorSyntaxItem& item, int argumentIndex) const
{
    QString hint = item.syntax.toHtmlEscaped();
    if (argumentIndex < 0 || item.parameters.isEmpty())
        return hint;
    // Arguments past the last parameter stay with the last one ("value2, ...").
    const QString label =
        item.parameters.at(std::min(qsizetype(argumentIndex), item.parameters.size() - 1)).toHtmlEscaped();
    if (!label.isEmpty())
        hint.replace(label, QStringLiteral("<b>") + label + QStringLiteral("</b>"), Qt::CaseSensitive);
    return hint;
}

QPoint MainWindow::SyntaxHintPosition(const QRect& cursor, const QSize& label, const QSize& viewport)
{
    int x = cursor.left();
    int y = cursor.bottom() + 3;
    if (x + label.width() > viewport.width())
        x = std::max(0, viewport.width() - label.width());
    // No room below: above the cursor's line.
    if (y + label.height() > viewport.height())
        y = std::max(0, cursor.top() - label.height() - 3);
    return QPoint(x, y);
}

void MainWindow::UpdateSyntaxHint()
{
    if (!syntaxHintLabel || !ui->actionSyntax_Help->isChecked() || solveRunning || busy) {
        HideSyntaxHint();
        return;
    }

    const QStringView line = LineBefore(PadText(), ui->Text1->textCursor().position());
    std::optional<CalculatorSyntaxItem> entry;
    int argumentIndex = 0;
    QString name;
    if (FindActiveFunctionCall(line, name, argumentIndex)) {
        entry = FindCalculatorSyntaxItem(name);
        if (entry && !entry->isFunction)
            entry.reset();
    }

    if (!entry) {
        static const QRegularExpression firstIdentifier(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\b"));
        const QRegularExpressionMatch match = firstIdentifier.match(line.toString());
        if (!match.hasMatch()) {
            HideSyntaxHint();
            return;
        }
        entry = FindCalculatorSyntaxItem(match.captured(1));
        // MENU OUTPUT BASE HEX is its own command, not MENU's.
        // Only built-in entries are commands, so they are picked out once.
        static const QList<CalculatorSyntaxItem> commands = []() {
            QList<CalculatorSyntaxItem> found;
            for (const CalculatorSyntaxItem& item : BuiltInCalculatorSyntaxItems()) {
                if (item.isCommand)
                    found.append(item);
            }
            return found;
        }();
        if (std::optional<CalculatorSyntaxItem> command = LongestCommandAtStart(commands, line.trimmed()))
            entry = std::move(command);
        argumentIndex = CountTopLevelCommas(line.mid(match.capturedEnd()));
        if (!entry || !entry->isCommand) {
            HideSyntaxHint();
            return;
        }
    }

    if (entry->syntax.isEmpty()) {
        HideSyntaxHint();
        return;
    }
    syntaxHintLabel->setText(BuildSyntaxHintText(*entry, argumentIndex));
    syntaxHintLabel->adjustSize();
    syntaxHintLabel->move(
        SyntaxHintPosition(ui->Text1->cursorRect(), syntaxHintLabel->size(), ui->Text1->viewport()->size()));
    syntaxHintLabel->show();
    syntaxHintLabel->raise();
}

void MainWindow::HideSyntaxHint()
{
    if (syntaxHintLabel)
        syntaxHintLabel->hide();
}

#include "help/HelpWindow.h"

#include "ui_HelpWindow.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The largest count in [low, high] for which fits(count) holds, given that
// fits(low) holds and fits is true up to some count and false after it: a
// banner only grows wider as "=" are added, so a few measurements place it
// where adding them one at a time would take one per "=".
template <typename Fits>
int LargestFittingCount(int low, int high, const Fits& fits)
{
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// An upper bound on the fill characters a width can take, past which
// nothing fits.
int EqualsBound(const QFontMetrics& metrics, int width, QChar fill)
{
    const int advance = qMax(1, metrics.horizontalAdvance(fill));
    return width / advance * 2 + 4;
}

// What stands between the leading and the trailing run of fill characters,
// trimmed.
QString TitleBetweenRuns(const QString& line, QChar fill)
{
    qsizetype first = 0;
    while (first < line.size() && line.at(first) == fill)
        ++first;
    qsizetype last = line.size();
    while (last > first && line.at(last - 1) == fill)
        --last;
    return line.mid(first, last - first).trimmed();
}

} // namespace

int HelpWindow::AvailableTextWidth() const
{
    const int margin = static_cast<int>(ui->helpText->document()->documentMargin());
    const int width = ui->helpText->viewport()->contentsRect().width() - 2 * margin - 2;
    return width > 0 ? width : 1;
}

void HelpWindow::RefreshDisplayedHelpText()
{
    if (currentText.isEmpty())
        return;
    const int width = AvailableTextWidth();
    // Resizes and splitter moves arrive in streams; the same text at the
    // same width would be set again unchanged.
    if (width == fittedWidth && currentText == fittedText)
        return;

    QPlainTextEdit* view = ui->helpText;
    const int scrollValue = view->verticalScrollBar()->value();
    const int cursorPosition = view->textCursor().position();
    view->setPlainText(FormatHelpTextForCurrentWidth(currentText));
    fittedText = currentText;
    fittedWidth = width;

    QTextCursor cursor(view->document());
    cursor.setPosition(qMin(cursorPosition, view->document()->characterCount() - 1));
    view->setTextCursor(cursor);
    view->verticalScrollBar()->setValue(scrollValue);
}

QString HelpWindow::FormatHelpTextForCurrentWidth(const QString& text) const
{
    const int width = AvailableTextWidth();
    // Every full-width rule of a kind is the same line; measure it once.
    QString fullWidthEquals;
    QString fullWidthHyphens;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.size() < 3)
            continue;
        const qsizetype equalsCount = trimmed.count(QLatin1Char('='));
        if (equalsCount == trimmed.size()) {
            if (fullWidthEquals.isEmpty())
                fullWidthEquals = BuildFullWidthEquals(width);
            line = fullWidthEquals;
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('=')) && trimmed.endsWith(QLatin1Char('=')) && equalsCount >= 4) {
            const QString title = TitleBetweenRuns(trimmed, QLatin1Char('='));
            if (!title.isEmpty())
                line = BuildTitleLine(title, width);
            continue;
        }
        // In the fixed-pitch font the 60 "-" of the menu rules and the
        // manual's section headings are wider than the pane at its first
        // size and would wrap; they follow the width as the "=" lines do.
        // Three "-" on each side at least, so that no sentence that merely
        // begins and ends with one (-Cannot Solve-) is taken for a heading.
        if (trimmed.count(QLatin1Char('-')) == trimmed.size()) {
            if (fullWidthHyphens.isEmpty())
                fullWidthHyphens = BuildFullWidthEquals(width, QLatin1Char('-'));
            line = fullWidthHyphens;
            continue;
        }
        if (trimmed.startsWith(QStringLiteral("---")) && trimmed.endsWith(QStringLiteral("---"))) {
            const QString title = TitleBetweenRuns(trimmed, QLatin1Char('-'));
            if (!title.isEmpty())
                line = BuildTitleLine(title, width, QLatin1Char('-'));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString HelpWindow::BuildFullWidthEquals(int width, QChar fill) const
{
    const QFontMetrics metrics(ui->helpText->font());
    const int count = LargestFittingCount(1, EqualsBound(metrics, width, fill), [&](int candidate) {
        return metrics.horizontalAdvance(QString(candidate, fill)) <= width;
    });
    return QString(count, fill);
}

QString HelpWindow::BuildTitleLine(const QString& title, int width, QChar fill) const
{
    const QFontMetrics metrics(ui->helpText->font());
    const QString trimmed = title.trimmed();
    const QString middle = QLatin1Char(' ') + trimmed + QLatin1Char(' ');
    // After `added` more fill characters, the left run has the odd one: growth starts on
    // the left and alternates.
    const auto lineWith = [&](int added) {
        return QString(1 + (added + 1) / 2, fill) + middle + QString(1 + added / 2, fill);
    };
    if (metrics.horizontalAdvance(lineWith(0)) >= width)
        return fill + trimmed + fill;
    const int added = LargestFittingCount(0, EqualsBound(metrics, width, fill), [&](int candidate) {
        return metrics.horizontalAdvance(lineWith(candidate)) <= width;
    });
    return lineWith(added);
}

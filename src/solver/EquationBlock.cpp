#include "pad/mainwindow.h"

// A block is the text between the last "}" before the position and the last
// "{" before that; a "}" inside it means there is no block.
bool MainWindow::ExtractEquationBlock(QString text, int position, QList<QString>& equations)
{
    equations.clear();
    const int end = std::min(position, int(text.size()));
    if (end < 1)
        return false;
    const qsizetype close = text.lastIndexOf(QLatin1Char('}'), end - 1);
    if (close < 1)
        return false;
    const qsizetype open = text.lastIndexOf(QLatin1Char('{'), close - 1);
    if (open < 0)
        return false;
    if (text.indexOf(QLatin1Char('}'), open + 1) < close)
        return false;

    const QStringList pieces = text.mid(open + 1, close - open - 1).split(QLatin1Char('\n'));
    for (const QString& piece : pieces) {
        const QString equation = NormalizeSubmittedMath(piece);
        if (!equation.isEmpty())
            equations.append(equation);
    }
    return !equations.isEmpty();
}

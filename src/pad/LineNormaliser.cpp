// A submitted line made ready for the handlers: word operators, unit
// conversions and user-defined functions are written out. The key handling
// and the equation-block reader both start here, so neither calls back into
// the dispatcher.

#include "pad/mainwindow.h"

QString MainWindow::NormalizeSubmittedMath(QString line)
{
    line = line.trimmed();
    lineWrittenInWords.clear();
    QString rest;
    // Help requests, function definitions and number formats keep their
    // words: a format's literal text is not arithmetic.
    if (line.compare(QLatin1String("HELP"), Qt::CaseInsensitive) == 0
        || line.startsWith(QLatin1String("HELP "), Qt::CaseInsensitive)
        || MatchCommand(line, QStringLiteral("CREATE FUNCTION"), rest)
        || MatchCommand(line, QStringLiteral("FORMAT"), rest))
        return line;

    bool writtenInWords = false;
    if (WordOperatorsOn()) {
        const QString rewritten = RewriteWordOperators(line);
        writtenInWords = rewritten != line;
        line = rewritten;
    }
    line = ExpandUnitConversions(line);
    QString expanded;
    QString error;
    if (ExpandCustomFunctions(line, expanded, error))
        line = expanded;
    if (writtenInWords)
        lineWrittenInWords = line;
    return line;
}

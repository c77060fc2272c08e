// The log viewer's search: friendly terms or one regular expression, tested
// against each whole day, and the highlighting of the matches in the preview.

#include "tools/LogViewer.h"

#include "engine/TextScan.h"
#include "tools/TimeBudget.h"
#include "ui_LogViewer.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace {

const QString tooComplexText = QStringLiteral("search too complex");

// How many days one search thread takes at least, and how many threads the
// day filter uses at most.
constexpr int DaysPerPart = 64;
constexpr int MaximumParts = 4;

QRegularExpression::PatternOptions SearchOptions(bool caseSensitive)
{
    return caseSensitive ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption;
}

// One wildcard term as a pattern: "*" any run of characters on the line, "?"
// one character, "#" one digit, "[...]" a character set taken as written.
QString TermPattern(const QString& term)
{
    QString pattern;
    const qsizetype size = term.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = term.at(i);
        // Where a "[" finds its "]"; -1 for any other character.
        const qsizetype close = c == QLatin1Char('[') ? term.indexOf(QLatin1Char(']'), i + 1) : -1;
        if (c == QLatin1Char('*')) {
            pattern += QStringLiteral(".*");
        } else if (c == QLatin1Char('?')) {
            pattern += QLatin1Char('.');
        } else if (c == QLatin1Char('#')) {
            pattern += QStringLiteral("\\d");
        } else if (close > i) {
            pattern += term.mid(i, close - i + 1);
            i = close;
        } else {
            // A character outside the Basic Multilingual Plane is escaped as a
            // whole: a backslash between its halves would break the pair and
            // with it the pattern.
            int width = 1;
            TextScan::CodePointAt(term, int(i), width);
            pattern += QRegularExpression::escape(term.mid(i, width));
            i += width - 1;
        }
    }
    return pattern;
}

// A term's expression made anew, so that each thread matches with its own.
struct TermPatternCopy
{
    bool excluded = false;
    QString pattern;
    QRegularExpression::PatternOptions options;
};

// Whether one day's text passes; complete comes back false when the engine
// gave up (its match limit), which must not pass for "no match".
bool DayPasses(const QString& text, const QList<LogViewer::SearchTerm>& terms, const QRegularExpression& expression,
               bool regularExpression, bool& complete)
{
    complete = true;
    if (regularExpression) {
        const QRegularExpressionMatch match = expression.match(text);
        complete = match.isValid();
        return complete && match.hasMatch();
    }
    for (const LogViewer::SearchTerm& term : terms) {
        const QRegularExpressionMatch match = term.expression.match(text);
        if (!match.isValid()) {
            complete = false;
            return false;
        }
        if (match.hasMatch() == term.excluded)
            return false;
    }
    return true;
}

// What the day filter's threads share; it outlives a rebuild that stopped
// waiting for them.
struct FilterJob
{
    QList<LogViewer::LogDay> days;
    QList<TermPatternCopy> terms;
    QString expressionPattern;
    QRegularExpression::PatternOptions expressionOptions;
    bool regularExpression = false;
    int partCount = 1;
    std::vector<char> passes;
    std::atomic<bool> engineGaveUp{false};

    void Run(int part, const std::atomic<bool>& abandoned)
    {
        QList<LogViewer::SearchTerm> ownTerms;
        for (const TermPatternCopy& copy : terms)
            ownTerms.append({copy.excluded, QRegularExpression(copy.pattern, copy.options)});
        const QRegularExpression ownExpression(expressionPattern, expressionOptions);
        for (qsizetype i = part; i < days.size(); i += partCount) {
            if (abandoned.load() || engineGaveUp.load())
                return;
            bool complete = true;
            passes[size_t(i)] = DayPasses(days.at(i).text, ownTerms, ownExpression, regularExpression, complete);
            if (!complete)
                engineGaveUp = true;
        }
    }
};

struct HighlightRange
{
    int start = 0;
    int length = 0;
};

struct HighlightJob
{
    QString text;
    QList<TermPatternCopy> terms;
    QList<HighlightRange> ranges;

    // Every non-empty match of every term, up to the limit; a term at which
    // the engine gives up keeps what it found before, as its iterator ends
    // there just as after its last match.
    void Run(const std::atomic<bool>& abandoned)
    {
        for (const TermPatternCopy& term : terms) {
            const QRegularExpression expression(term.pattern, term.options);
            QRegularExpressionMatchIterator iterator = expression.globalMatch(text);
            while (iterator.hasNext()) {
                if (abandoned.load() || ranges.size() >= LogViewer::maximumHighlights)
                    return;
                const QRegularExpressionMatch match = iterator.next();
                if (match.capturedLength(0) > 0)
                    ranges.append({int(match.capturedStart(0)), int(match.capturedLength(0))});
            }
        }
    }
};

} // namespace

bool LogViewer::BuildFriendlySearchTerms(QList<SearchTerm>& terms, QString& error) const
{
    terms.clear();
    const QString text = ui->TextSearch->text().trimmed();
    if (text.isEmpty())
        return true;
    static const QRegularExpression termExpression(QStringLiteral("(-)?(?:\"([^\"]*)\"|(\\S+))"));
    const QRegularExpression::PatternOptions options = SearchOptions(ui->CheckCaseSensitive->isChecked());
    QRegularExpressionMatchIterator iterator = termExpression.globalMatch(text);
    while (iterator.hasNext()) {
        const QRegularExpressionMatch match = iterator.next();
        const QString termText = match.capturedStart(2) >= 0 ? match.captured(2) : match.captured(3);
        if (termText.isEmpty())
            continue;
        SearchTerm term;
        term.excluded = !match.captured(1).isEmpty();
        term.expression = QRegularExpression(TermPattern(termText), options);
        if (!term.expression.isValid()) {
            error = QStringLiteral("Search error: ") + term.expression.errorString();
            return false;
        }
        terms.append(term);
    }
    return true;
}

bool LogViewer::LogDayMatchesSearch(const LogDay& day, const QList<SearchTerm>& terms,
                                    const QRegularExpression& expression) const
{
    if (ui->TextSearch->text().trimmed().isEmpty())
        return true;
    bool complete = true;
    return DayPasses(day.text, terms, expression, ui->CheckRegularExpression->isChecked(), complete);
}

// The days are shared out among a few threads; the rebuild stays synchronous,
// but a search that takes too long is given up as too complex instead of
// freezing the window.
bool LogViewer::FilterDays(const QList<SearchTerm>& terms, const QRegularExpression& expression, QList<int>& indexes,
                           QString& error) const
{
    indexes.clear();
    const bool regularExpression = ui->CheckRegularExpression->isChecked();
    if (ui->TextSearch->text().trimmed().isEmpty()) {
        indexes.reserve(logDays.size());
        for (int i = 0; i < logDays.size(); ++i)
            indexes.append(i);
        return true;
    }

    auto job = std::make_shared<FilterJob>();
    job->days = logDays;
    for (const SearchTerm& term : terms)
        job->terms.append({term.excluded, term.expression.pattern(), term.expression.patternOptions()});
    job->expressionPattern = expression.pattern();
    job->expressionOptions = expression.patternOptions();
    job->regularExpression = regularExpression;
    job->partCount = std::clamp(int(logDays.size() / DaysPerPart), 1,
                                std::min(MaximumParts, std::max(1, QThread::idealThreadCount())));
    job->passes.assign(size_t(logDays.size()), 0);

    const bool finished =
        RunWithinTimeBudget(searchTimeBudgetMs, job->partCount,
                            [job](int part, const std::atomic<bool>& abandoned) { job->Run(part, abandoned); });
    if (!finished || job->engineGaveUp.load()) {
        error = (regularExpression ? QStringLiteral("Regular expression error: ") : QStringLiteral("Search error: "))
            + tooComplexText;
        return false;
    }
    for (int i = 0; i < logDays.size(); ++i) {
        if (job->passes[size_t(i)])
            indexes.append(i);
    }
    return true;
}

void LogViewer::HighlightSearchMatches()
{
    const QString searchText = ui->TextSearch->text();
    if (searchText.trimmed().isEmpty()) {
        ui->TextLogPreview->setExtraSelections({});
        return;
    }
    const QRegularExpression::PatternOptions options = SearchOptions(ui->CheckCaseSensitive->isChecked());
    auto job = std::make_shared<HighlightJob>();
    if (ui->CheckRegularExpression->isChecked()) {
        if (!QRegularExpression(searchText, options).isValid())
            return;
        job->terms.append({false, searchText, options});
    } else {
        QList<SearchTerm> terms;
        QString error;
        if (!BuildFriendlySearchTerms(terms, error))
            return;
        for (const SearchTerm& term : terms) {
            if (!term.excluded)
                job->terms.append({false, term.expression.pattern(), term.expression.patternOptions()});
        }
    }
    job->text = ui->TextLogPreview->document()->toPlainText();

    QList<QTextEdit::ExtraSelection> selections;
    if (RunWithinTimeBudget(searchTimeBudgetMs, 1,
                            [job](int, const std::atomic<bool>& abandoned) { job->Run(abandoned); })) {
        QTextCharFormat format;
        format.setBackground(QBrush(QColor(255, 235, 120)));
        QTextDocument* document = ui->TextLogPreview->document();
        selections.reserve(job->ranges.size());
        for (const HighlightRange& range : job->ranges) {
            QTextEdit::ExtraSelection selection;
            selection.cursor = QTextCursor(document);
            selection.cursor.setPosition(range.start);
            selection.cursor.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
            selection.format = format;
            selections.append(selection);
        }
    }
    ui->TextLogPreview->setExtraSelections(selections);
}

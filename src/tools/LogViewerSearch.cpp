// The log viewer's search: friendly terms or one regular expression, tested
// against each whole day, and the highlighting of the matches in the preview.

#include "tools/LogViewer.h"

#include "engine/TextScan.h"
#include "tools/LimitedPattern.h"
#include "tools/TimeBudget.h"
#include "ui_LogViewer.h"

#include <QThread>

#include <algorithm>
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
            pattern += LimitedPattern::EscapeLiteral(term.mid(i, width));
            i += width - 1;
        }
    }
    return pattern;
}

// The patterns of one search, compiled once and shared by the threads that
// test the days.
struct SearchPatterns
{
    QList<bool> excluded;
    QList<LimitedPattern> patterns;

    SearchPatterns(const QList<LogViewer::SearchTerm>& terms, const QRegularExpression& expression,
                   bool regularExpression)
    {
        if (regularExpression) {
            excluded.append(false);
            patterns.append(LimitedPattern(expression));
            return;
        }
        for (const LogViewer::SearchTerm& term : terms) {
            excluded.append(term.excluded);
            patterns.append(LimitedPattern(term.expression));
        }
    }

    // Whether one day's text passes; complete comes back false when the search
    // stopped (the engine gave up or the limit ran out), which must not pass
    // for "no match".
    bool DayPasses(const QString& text, const SearchLimit& limit, bool& complete) const
    {
        complete = true;
        for (qsizetype i = 0; i < patterns.size(); ++i) {
            const LimitedPattern::Outcome outcome = patterns.at(i).Contains(text, limit);
            if (outcome == LimitedPattern::Outcome::Stopped) {
                complete = false;
                return false;
            }
            if ((outcome == LimitedPattern::Outcome::Found) == excluded.at(i))
                return false;
        }
        return true;
    }
};

// The days whose texts pass, in ascending order; false when the search
// stopped before it had judged them all.
bool FilterDays(const QList<LogViewer::LogDay>& days, const SearchPatterns& patterns, SearchLimit& limit,
                QList<int>& indexes)
{
    indexes.clear();
    const int partCount =
        std::clamp(int(days.size() / DaysPerPart), 1, std::min(MaximumParts, std::max(1, QThread::idealThreadCount())));
    std::vector<char> passes(size_t(days.size()), 0);
    const bool completed = RunSearchParts(partCount, [&](int part) {
        for (qsizetype i = part; i < days.size(); i += partCount) {
            bool complete = true;
            passes[size_t(i)] = patterns.DayPasses(days.at(i).text, limit, complete);
            if (!complete) {
                // The other parts need not go on either.
                limit.Cancel();
                return false;
            }
        }
        return true;
    });
    if (!completed)
        return false;
    for (int i = 0; i < days.size(); ++i) {
        if (passes[size_t(i)])
            indexes.append(i);
    }
    return true;
}

// Every non-empty match of every pattern, up to the cap, as start and length;
// false when the search stopped on the way.
bool CollectHighlights(const QList<LimitedPattern>& patterns, const QString& text, const SearchLimit& limit,
                       QList<std::pair<int, int>>& ranges)
{
    ranges.clear();
    for (const LimitedPattern& pattern : patterns) {
        const LimitedPattern::Outcome outcome = pattern.ForEachMatch(text, limit, [&ranges](int start, int length) {
            if (length > 0)
                ranges.append({start, length});
            return ranges.size() < LogViewer::maximumHighlights;
        });
        if (outcome == LimitedPattern::Outcome::Stopped)
            return false;
        if (ranges.size() >= LogViewer::maximumHighlights)
            break;
    }
    return true;
}

// The patterns that highlight: the expression, or the terms not excluded.
QList<LimitedPattern> HighlightPatterns(const SearchPatterns& search)
{
    QList<LimitedPattern> patterns;
    for (qsizetype i = 0; i < search.patterns.size(); ++i) {
        if (!search.excluded.at(i))
            patterns.append(search.patterns.at(i));
    }
    return patterns;
}

} // namespace

bool LogViewer::BuildFriendlySearchTerms(QList<SearchTerm>& terms, QString& error) const
{
    terms.clear();
    const QString text = ui->TextSearch->text().trimmed();
    if (text.isEmpty())
        return true;
    const bool caseSensitive = ui->CheckCaseSensitive->isChecked();
    if (!lastTerms.built || lastTerms.text != text || lastTerms.caseSensitive != caseSensitive) {
        lastTerms = {text, caseSensitive, true, {}, {}};
        static const QRegularExpression termExpression(QStringLiteral("(-)?(?:\"([^\"]*)\"|(\\S+))"));
        const QRegularExpression::PatternOptions options = SearchOptions(caseSensitive);
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
                lastTerms.error = QStringLiteral("Search error: ") + term.expression.errorString();
                break;
            }
            lastTerms.terms.append(term);
        }
    }
    terms = lastTerms.terms;
    error = lastTerms.error;
    return error.isEmpty();
}

bool LogViewer::LogDayMatchesSearch(const LogDay& day, const QList<SearchTerm>& terms,
                                    const QRegularExpression& expression) const
{
    if (ui->TextSearch->text().trimmed().isEmpty())
        return true;
    const SearchLimit limit(searchTimeBudgetMs);
    bool complete = true;
    return SearchPatterns(terms, expression, ui->CheckRegularExpression->isChecked())
        .DayPasses(day.text, limit, complete);
}

// The days are shared out among a few threads, on a thread of the search's
// own, so that the window takes the next key at once; that key drops this
// search, and the engine stops at the limit, so that a search that takes too
// long is given up as too complex instead of running on.
void LogViewer::StartDaySearch(const QList<SearchTerm>& terms, const QRegularExpression& expression,
                               const QString& keyToKeep, const QString& signature)
{
    struct Result
    {
        bool completed = false;
        QList<int> days;
        FoundHighlights highlights;
    };
    const bool regularExpression = ui->CheckRegularExpression->isChecked();
    const bool reverse = ui->CheckReverseSearch->isChecked();
    auto patterns = std::make_shared<const SearchPatterns>(terms, expression, regularExpression);
    auto result = std::make_shared<Result>();
    // Copies share the texts: the window may read the log anew meanwhile.
    const QList<LogDay> days = logDays;
    const int shownDay = previewDayIndex;
    const QString shownText = previewText;

    auto work = [patterns, result, days, reverse, keyToKeep, shownDay, shownText](SearchLimit& limit) {
        result->completed = FilterDays(days, *patterns, limit, result->days);
        if (!result->completed)
            return;
        if (reverse)
            std::reverse(result->days.begin(), result->days.end());
        // The day that the list will show, highlighted as its preview will be.
        const int row = RowToSelect(days, result->days, keyToKeep);
        if (row < 0)
            return;
        const int day = result->days.at(row);
        result->highlights.text = day == shownDay ? shownText : days.at(day).text;
        limit.RestartBudget(searchTimeBudgetMs);
        result->highlights.complete =
            CollectHighlights(HighlightPatterns(*patterns), result->highlights.text, limit, result->highlights.ranges);
    };
    auto done = [this, result, regularExpression, keyToKeep, signature]() {
        daySearch.reset();
        if (!result->completed) {
            ShowSearchError(
                (regularExpression ? QStringLiteral("Regular expression error: ") : QStringLiteral("Search error: "))
                + tooComplexText);
            return;
        }
        foundHighlights = std::make_unique<FoundHighlights>(std::move(result->highlights));
        ShowMatchingDays(result->days, keyToKeep, signature);
        foundHighlights.reset();
    };
    daySearch = std::make_unique<BackgroundTask>(this, searchTimeBudgetMs, std::move(work), std::move(done));
}

void LogViewer::HighlightSearchMatches()
{
    const QString searchText = ui->TextSearch->text();
    if (searchText.trimmed().isEmpty()) {
        ui->TextLogPreview->setExtraSelections({});
        return;
    }
    // A search that stops on the way highlights nothing. The day search has
    // found them already when the preview shows the very text it searched.
    QList<std::pair<int, int>> ranges;
    bool completed = false;
    if (foundHighlights && foundHighlights->text.constData() == previewText.constData()
        && foundHighlights->text.size() == previewText.size()) {
        ranges = std::move(foundHighlights->ranges);
        completed = foundHighlights->complete;
        foundHighlights.reset();
    } else {
        QList<LimitedPattern> patterns;
        if (ui->CheckRegularExpression->isChecked()) {
            const QRegularExpression expression(searchText, SearchOptions(ui->CheckCaseSensitive->isChecked()));
            if (!expression.isValid())
                return;
            patterns.append(LimitedPattern(expression));
        } else {
            QList<SearchTerm> terms;
            QString error;
            if (!BuildFriendlySearchTerms(terms, error))
                return;
            patterns = HighlightPatterns(SearchPatterns(terms, QRegularExpression(), false));
        }
        const SearchLimit limit(searchTimeBudgetMs);
        completed = CollectHighlights(patterns, previewText, limit, ranges);
    }

    QList<QTextEdit::ExtraSelection> selections;
    if (completed) {
        QTextCharFormat format;
        format.setBackground(QBrush(QColor(255, 235, 120)));
        QTextDocument* document = ui->TextLogPreview->document();
        selections.reserve(ranges.size());
        for (const auto& [start, length] : ranges) {
            QTextEdit::ExtraSelection selection;
            selection.cursor = QTextCursor(document);
            selection.cursor.setPosition(start);
            selection.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
            selection.format = format;
            selections.append(selection);
        }
    }
    ui->TextLogPreview->setExtraSelections(selections);
}

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

struct HighlightRange
{
    int start = 0;
    int length = 0;
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
    const SearchLimit limit(searchTimeBudgetMs);
    bool complete = true;
    return SearchPatterns(terms, expression, ui->CheckRegularExpression->isChecked())
        .DayPasses(day.text, limit, complete);
}

// The days are shared out among a few threads; the rebuild stays synchronous,
// and the engine stops at the limit, so that a search that takes too long is
// given up as too complex instead of freezing the window.
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

    const SearchPatterns patterns(terms, expression, regularExpression);
    SearchLimit limit(searchTimeBudgetMs);
    const int partCount = std::clamp(int(logDays.size() / DaysPerPart), 1,
                                     std::min(MaximumParts, std::max(1, QThread::idealThreadCount())));
    std::vector<char> passes(size_t(logDays.size()), 0);
    const bool completed = RunSearchParts(partCount, [&](int part) {
        for (qsizetype i = part; i < logDays.size(); i += partCount) {
            bool complete = true;
            passes[size_t(i)] = patterns.DayPasses(logDays.at(i).text, limit, complete);
            if (!complete) {
                // The other parts need not go on either.
                limit.Cancel();
                return false;
            }
        }
        return true;
    });
    if (!completed) {
        error = (regularExpression ? QStringLiteral("Regular expression error: ") : QStringLiteral("Search error: "))
            + tooComplexText;
        return false;
    }
    for (int i = 0; i < logDays.size(); ++i) {
        if (passes[size_t(i)])
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
    QList<LimitedPattern> patterns;
    if (ui->CheckRegularExpression->isChecked()) {
        const QRegularExpression expression(searchText, options);
        if (!expression.isValid())
            return;
        patterns.append(LimitedPattern(expression));
    } else {
        QList<SearchTerm> terms;
        QString error;
        if (!BuildFriendlySearchTerms(terms, error))
            return;
        for (const SearchTerm& term : terms) {
            if (!term.excluded)
                patterns.append(LimitedPattern(term.expression));
        }
    }

    // Every non-empty match of every term, up to the cap; a search that stops
    // on the way highlights nothing.
    const QString& text = previewText;
    const SearchLimit limit(searchTimeBudgetMs);
    QList<HighlightRange> ranges;
    bool completed = true;
    for (const LimitedPattern& pattern : patterns) {
        const LimitedPattern::Outcome outcome = pattern.ForEachMatch(text, limit, [&ranges](int start, int length) {
            if (length > 0)
                ranges.append({start, length});
            return ranges.size() < LogViewer::maximumHighlights;
        });
        if (outcome == LimitedPattern::Outcome::Stopped)
            completed = false;
        if (!completed || ranges.size() >= LogViewer::maximumHighlights)
            break;
    }

    QList<QTextEdit::ExtraSelection> selections;
    if (completed) {
        QTextCharFormat format;
        format.setBackground(QBrush(QColor(255, 235, 120)));
        QTextDocument* document = ui->TextLogPreview->document();
        selections.reserve(ranges.size());
        for (const HighlightRange& range : ranges) {
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

#include "tools/searchdialog.h"

#include "engine/TextScan.h"
#include "tools/LimitedPattern.h"
#include "tools/TimeBudget.h"
#include "ui_searchdialog.h"

#include <QPlainTextEdit>
#include <QSet>

#include <algorithm>

namespace {

using FriendlySearchTerm = SearchDialog::FriendlySearchTerm;
using SearchMatch = SearchDialog::SearchMatch;

const QString tooComplexText = QStringLiteral("Search too complex");

// What one match build reads and gives back.
struct MatchJob
{
    QString text;
    QString findWhat;
    bool caseSensitive = false;
    bool regularExpression = false;

    QList<SearchMatch> matches;
    bool ok = true;
    QString error;
};

QList<FriendlySearchTerm> ParseTerms(const QString& text)
{
    QList<FriendlySearchTerm> terms;
    const int size = text.size();
    int i = 0;
    while (i < size) {
        while (i < size && text.at(i).isSpace())
            ++i;
        if (i >= size)
            break;
        FriendlySearchTerm term;
        if (text.at(i) == QLatin1Char('-')) {
            // A minus sign standing apart applies to the next word or phrase.
            term.excluded = true;
            ++i;
            while (i < size && text.at(i).isSpace())
                ++i;
        }
        if (i < size && text.at(i) == QLatin1Char('"')) {
            ++i;
            const int close = text.indexOf(QLatin1Char('"'), i);
            const int end = close < 0 ? size : close;
            term.text = text.mid(i, end - i);
            i = close < 0 ? size : close + 1;
        } else {
            const int begin = i;
            while (i < size && !text.at(i).isSpace())
                ++i;
            term.text = text.mid(begin, i - begin);
        }
        if (!term.text.isEmpty())
            terms.append(term);
    }
    return terms;
}

QString WildcardToPattern(const QString& term)
{
    QString pattern;
    const int size = term.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = term.at(i);
        if (c == QLatin1Char('*')) {
            pattern += QStringLiteral(".*?");
        } else if (c == QLatin1Char('?')) {
            pattern += QLatin1Char('.');
        } else if (c == QLatin1Char('#')) {
            pattern += QStringLiteral("\\d");
        } else if (c == QLatin1Char('[') && term.indexOf(QLatin1Char(']'), i + 1) > i + 1) {
            const int close = term.indexOf(QLatin1Char(']'), i + 1);
            QString set = term.mid(i + 1, close - i - 1);
            pattern += QLatin1Char('[');
            if (set.startsWith(QLatin1Char('!'))) {
                set.remove(0, 1);
                pattern += QLatin1Char('^');
            }
            for (const QChar member : set) {
                if (member == QLatin1Char('\\') || member == QLatin1Char('^'))
                    pattern += QLatin1Char('\\');
                pattern += member;
            }
            pattern += QLatin1Char(']');
            i = close;
        } else if (c.isHighSurrogate() && i + 1 < size && term.at(i + 1).isLowSurrogate()) {
            // Escaped as a whole: a backslash between the halves would break
            // the pair and with it the pattern.
            pattern += LimitedPattern::EscapeLiteral(term.mid(i, 2));
            ++i;
        } else {
            pattern += LimitedPattern::EscapeLiteral(QString(c));
        }
    }
    return pattern;
}

QRegularExpression TermExpression(const QString& term, bool caseSensitive)
{
    QRegularExpression::PatternOptions options = QRegularExpression::DotMatchesEverythingOption;
    if (!caseSensitive)
        options |= QRegularExpression::CaseInsensitiveOption;
    return QRegularExpression(WildcardToPattern(term), options);
}

// Every match of the expression's global match, empty ones included.
// complete comes back false when the search stopped on the way: the engine
// gave up (its match limit) or the limit ran out, neither of which may pass
// for the end of the matches.
QList<SearchMatch> EnumerateMatches(const QString& text, const QRegularExpression& expression, bool& complete,
                                    const SearchLimit& limit)
{
    QList<SearchMatch> matches;
    const LimitedPattern pattern(expression);
    const LimitedPattern::Outcome outcome = pattern.ForEachMatch(text, limit, [&matches](int start, int length) {
        matches.append({start, length});
        return true;
    });
    complete = outcome != LimitedPattern::Outcome::Stopped;
    return matches;
}

void Fail(MatchJob& job, const QString& error)
{
    job.ok = false;
    job.error = error;
    job.matches.clear();
}

void RunMatchJob(MatchJob& job, const SearchLimit& limit)
{
    if (job.regularExpression) {
        QRegularExpression expression(job.findWhat,
                                      job.caseSensitive ? QRegularExpression::NoPatternOption
                                                        : QRegularExpression::CaseInsensitiveOption);
        if (!expression.isValid())
            return Fail(job, QStringLiteral("Invalid regular expression"));
        bool complete = true;
        job.matches = EnumerateMatches(job.text, expression, complete, limit);
        if (!complete)
            Fail(job, tooComplexText);
        return;
    }

    QList<FriendlySearchTerm> excluded;
    QList<FriendlySearchTerm> positive;
    for (const FriendlySearchTerm& term : ParseTerms(job.findWhat))
        (term.excluded ? excluded : positive).append(term);
    if (positive.isEmpty())
        return Fail(job, QStringLiteral("Enter at least one term to find"));

    for (const FriendlySearchTerm& term : excluded) {
        const QRegularExpression expression = TermExpression(term.text, job.caseSensitive);
        if (!expression.isValid())
            return Fail(job, QStringLiteral("Invalid wildcard expression"));
        const LimitedPattern::Outcome outcome = LimitedPattern(expression).Contains(job.text, limit);
        if (outcome == LimitedPattern::Outcome::Stopped)
            return Fail(job, tooComplexText);
        if (outcome == LimitedPattern::Outcome::Found)
            return;
    }

    QList<SearchMatch> collected;
    QSet<qint64> seen;
    for (const FriendlySearchTerm& term : positive) {
        const QRegularExpression expression = TermExpression(term.text, job.caseSensitive);
        if (!expression.isValid())
            return Fail(job, QStringLiteral("Invalid wildcard expression"));
        bool complete = true;
        const QList<SearchMatch> found = EnumerateMatches(job.text, expression, complete, limit);
        if (!complete)
            return Fail(job, tooComplexText);
        if (found.isEmpty())
            return; // every positive term must occur
        for (const SearchMatch& match : found) {
            if (match.length < 1)
                continue;
            const qint64 key = (qint64(match.start) << 32) | quint32(match.length);
            if (seen.contains(key))
                continue;
            seen.insert(key);
            collected.append(match);
        }
    }
    std::sort(collected.begin(), collected.end(), [](const SearchMatch& a, const SearchMatch& b) {
        return a.start != b.start ? a.start < b.start : a.length < b.length;
    });
    job.matches = collected;
}

} // namespace

QList<SearchDialog::FriendlySearchTerm> SearchDialog::ParseFriendlySearchTerms(const QString& text) const
{
    return ParseTerms(text);
}

QString SearchDialog::WildcardTermToRegularExpression(const QString& term) const
{
    return WildcardToPattern(term);
}

QRegularExpression SearchDialog::BuildFriendlyTermExpression(const QString& term) const
{
    return TermExpression(term, ui->CheckCaseSensitive->isChecked());
}

QList<SearchDialog::SearchMatch> SearchDialog::FindRegularExpressionMatches(const QString& text,
                                                                            const QRegularExpression& expression) const
{
    // Not given up by time: only the engine's own match limit ends it early.
    const SearchLimit limit(-1);
    bool complete = true;
    return EnumerateMatches(text, expression, complete, limit);
}

// The engine looks at the time budget while it matches, so a pattern that
// backtracks on every line ends in "Search too complex" instead of freezing
// the window, and stops its work right there.
QList<SearchDialog::SearchMatch> SearchDialog::BuildSearchMatches(bool& ok, QString& error) const
{
    ok = true;
    error.clear();
    if (!searchTarget) {
        ok = false;
        error = QStringLiteral("Search target is unavailable");
        return {};
    }
    const QString findWhat = ui->TextSearch->text();
    if (findWhat.isEmpty()) {
        ok = false;
        error = QStringLiteral("Enter text to find");
        return {};
    }

    MatchJob job;
    // A stray half of a surrogate pair would fail every match; its stand-in
    // keeps the offsets.
    job.text = TextScan::WithoutLoneSurrogates(searchTarget->document()->toPlainText());
    job.findWhat = findWhat;
    job.caseSensitive = ui->CheckCaseSensitive->isChecked();
    job.regularExpression = ui->CheckRegularExpression->isChecked();
    const SearchLimit limit(searchTimeBudgetMs);
    RunMatchJob(job, limit);
    ok = job.ok;
    error = job.error;
    return job.matches;
}

QString SearchDialog::BuildSearchSignature() const
{
    return ui->TextSearch->text() + QStringLiteral("\nCASE=")
        + (ui->CheckCaseSensitive->isChecked() ? QLatin1Char('1') : QLatin1Char('0')) + QStringLiteral("\nREGEX=")
        + (ui->CheckRegularExpression->isChecked() ? QLatin1Char('1') : QLatin1Char('0'));
}

QString SearchDialog::SearchDescription() const
{
    QString text = ui->TextSearch->text();
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

#include "tools/searchdialog.h"

#include "engine/TextScan.h"
#include "tools/TimeBudget.h"
#include "ui_searchdialog.h"

#include <QPlainTextEdit>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

using FriendlySearchTerm = SearchDialog::FriendlySearchTerm;
using SearchMatch = SearchDialog::SearchMatch;

const QString tooComplexText = QStringLiteral("Search too complex");

// What one match build needs, copied off the dialog so that it can run away
// from the GUI thread.
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
            pattern += QRegularExpression::escape(term.mid(i, 2));
            ++i;
        } else {
            pattern += QRegularExpression::escape(QString(c));
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
// complete comes back false when the engine gave up on the way (its match
// limit), which a plain global match would pass off as the end of the matches.
QList<SearchMatch> EnumerateMatches(const QString& text, const QRegularExpression& expression, bool& complete,
                                    const std::atomic<bool>* abandoned = nullptr)
{
    QList<SearchMatch> matches;
    complete = true;
    int resumeAt = 0;
    QRegularExpressionMatchIterator iterator = expression.globalMatch(text);
    while (iterator.hasNext()) {
        if (abandoned && abandoned->load()) {
            complete = false;
            return matches;
        }
        const QRegularExpressionMatch match = iterator.next();
        if (!match.hasMatch())
            continue;
        SearchMatch found;
        found.start = int(match.capturedStart(0));
        found.length = int(match.capturedLength(0));
        matches.append(found);
        resumeAt = found.start + found.length;
    }
    // The iterator ends the same way at the last match and at an engine
    // error; one more search from where it stopped tells the two apart.
    if (!expression.match(text, resumeAt).isValid())
        complete = false;
    return matches;
}

void Fail(MatchJob& job, const QString& error)
{
    job.ok = false;
    job.error = error;
    job.matches.clear();
}

// abandoned is raised once the GUI stops waiting: the build ends at its next step.
void RunMatchJob(MatchJob& job, const std::atomic<bool>& abandoned)
{
    if (job.regularExpression) {
        QRegularExpression expression(job.findWhat,
                                      job.caseSensitive ? QRegularExpression::NoPatternOption
                                                        : QRegularExpression::CaseInsensitiveOption);
        if (!expression.isValid())
            return Fail(job, QStringLiteral("Invalid regular expression"));
        bool complete = true;
        job.matches = EnumerateMatches(job.text, expression, complete, &abandoned);
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
        const QRegularExpressionMatch first = expression.match(job.text);
        if (!first.isValid())
            return Fail(job, tooComplexText);
        if (first.hasMatch())
            return;
        if (abandoned.load())
            return Fail(job, tooComplexText);
    }

    QList<SearchMatch> collected;
    QSet<qint64> seen;
    for (const FriendlySearchTerm& term : positive) {
        const QRegularExpression expression = TermExpression(term.text, job.caseSensitive);
        if (!expression.isValid())
            return Fail(job, QStringLiteral("Invalid wildcard expression"));
        bool complete = true;
        const QList<SearchMatch> found = EnumerateMatches(job.text, expression, complete, &abandoned);
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
    bool complete = true;
    return EnumerateMatches(text, expression, complete);
}

// The build runs on a pool thread over a copy of the text, and the GUI waits
// for it only so long: one match call cannot be interrupted, and a pattern
// that backtracks on every line could otherwise freeze the window for long.
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

    auto job = std::make_shared<MatchJob>();
    // A stray half of a surrogate pair would fail every match; its stand-in
    // keeps the offsets.
    job->text = TextScan::WithoutLoneSurrogates(searchTarget->document()->toPlainText());
    job->findWhat = findWhat;
    job->caseSensitive = ui->CheckCaseSensitive->isChecked();
    job->regularExpression = ui->CheckRegularExpression->isChecked();

    const bool finished = RunWithinTimeBudget(
        searchTimeBudgetMs, 1, [job](int, const std::atomic<bool>& abandoned) { RunMatchJob(*job, abandoned); });
    if (!finished) {
        ok = false;
        error = tooComplexText;
        return {};
    }
    ok = job->ok;
    error = job->error;
    return job->matches;
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

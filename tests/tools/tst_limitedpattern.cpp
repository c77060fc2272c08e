#include "support/testsupport.h"

#include "tools/LimitedPattern.h"
#include "tools/TimeBudget.h"

// The searches' matcher must find exactly what QRegularExpression finds, and
// stop when its limit does.

namespace {

using Options = QRegularExpression::PatternOptions;

// Matches written as "start:length" items, so that a table row reads at a
// glance. The engine's start-of-match shortcuts are turned off for Qt's
// search too: with them it misses matches of some patterns.
QString QtMatches(const QRegularExpression& expression, const QString& text)
{
    QStringList parts;
    const QRegularExpression withoutShortcuts(QStringLiteral("(*NO_START_OPT)") + expression.pattern(),
                                              expression.patternOptions());
    QRegularExpressionMatchIterator iterator = withoutShortcuts.globalMatch(text);
    while (iterator.hasNext()) {
        const QRegularExpressionMatch match = iterator.next();
        parts << QStringLiteral("%1:%2").arg(match.capturedStart(0)).arg(match.capturedLength(0));
    }
    return parts.join(QLatin1Char(' '));
}

QString LimitedMatches(const LimitedPattern& pattern, const QString& text, LimitedPattern::Outcome& outcome)
{
    QStringList parts;
    const SearchLimit limit(-1);
    outcome = pattern.ForEachMatch(text, limit, [&parts](int start, int length) {
        parts << QStringLiteral("%1:%2").arg(start).arg(length);
        return true;
    });
    return parts.join(QLatin1Char(' '));
}

QString Hostile()
{
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString(32, QLatin1Char('a')) + QStringLiteral("!\n");
    return text;
}

} // namespace

class LimitedPatternTest : public QObject
{
    Q_OBJECT

private slots:
    void matchesAsQtDoes_data();
    void matchesAsQtDoes();
    void missesNoMatch_data();
    void missesNoMatch();
    void invalidPattern();
    void invalidSubject_data();
    void invalidSubject();
    void stopsWithItsLimit_data();
    void stopsWithItsLimit();
    void stopsAfterItsSteps();
    void searchesOneAfterAnother();
    void searchInsideAVisit();
};

void LimitedPatternTest::matchesAsQtDoes_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Options>("options");
    QTest::addColumn<QString>("text");
    const Options none = QRegularExpression::NoPatternOption;
    const Options caseless = QRegularExpression::CaseInsensitiveOption;
    const Options dotAll = QRegularExpression::DotMatchesEverythingOption;
    QTest::newRow("empty matches everywhere") << "x*" << none << "ab\ncd";
    QTest::newRow("empty and non-empty") << "a*" << none << "baab";
    QTest::newRow("empty before a surrogate pair") << "x*" << none << QStringLiteral("a\U0001F600b");
    QTest::newRow("carriage return is no line end") << "x*|$" << none << "a\r\nb\r";
    QTest::newRow("dot stops at a line feed only") << "a.b" << none << "a\rb a\nb";
    QTest::newRow("dot all") << "a.*?b" << dotAll << "a\nb a\r\nb";
    QTest::newRow("case folding beyond ASCII") << QStringLiteral("\u00e9t\u00c9") << caseless
                                              << QStringLiteral("\u00c9T\u00e9 \u00e9t\u00e9");
    QTest::newRow("word boundaries are ASCII") << "\\b\\w+\\b" << none << QStringLiteral("caf\u00e9 ok");
    QTest::newRow("lazy wildcard from the start") << ".*?cat" << dotAll << "the cat and the cat";
    QTest::newRow("digits and literal dot") << "\\d\\.\\d\\d" << none << "3.14 3,14 2.718";
    QTest::newRow("lookahead is empty") << "(?=a)" << none << "aab";
    QTest::newRow("astral literal") << QStringLiteral("\U0001F600+") << none << QStringLiteral("x\U0001F600\U0001F600y");
    QTest::newRow("no match") << "zebra" << caseless << "no stripes here";

    // Long texts are searched a run of start positions at a time; matches,
    // empty matches, surrogate pairs and lookbehinds must not notice where a
    // run ends.
    QString numbered;
    for (int i = 0; i < 400; ++i)
        numbered += QStringLiteral("a%1b ").arg(i * 7919 % 1000) + QString(i % 13, QLatin1Char('.'));
    QTest::newRow("matches in every run") << "a\\d+b" << none << numbered;
    QTest::newRow("lookbehind across runs") << "(?<=\\d)b" << none << numbered;
    QTest::newRow("empty matches in every run") << "b*" << none << numbered;
    QString astral;
    for (int i = 0; i < 700; ++i)
        astral += (i % 3 == 0 ? QStringLiteral("\U0001F600") : QStringLiteral("x"));
    QTest::newRow("surrogate pairs at run ends") << QStringLiteral("x\U0001F600") << none << astral;
    QTest::newRow("empty matches among surrogate pairs") << "y*" << none << astral;
    QTest::newRow("no start inside a surrogate pair") << "[^\\x{1F600}x]" << none << astral;
    QTest::newRow("no match on a long line") << "zebra" << none << QString(5000, QLatin1Char('z'));
    // \G holds only where the search, or the previous match, left off.
    QTest::newRow("anchor to the previous match") << "\\Ga" << none << QStringLiteral("b") + QString(600, QLatin1Char('a'));
    // Some starts cost the plain match too many steps; those runs are matched
    // again with the callouts and must find the same.
    QString costly;
    for (int i = 0; i < 20; ++i)
        costly += QString(24, QLatin1Char('a')) + QStringLiteral("b ");
    costly += QString(24, QLatin1Char('a')) + QStringLiteral("c");
    QTest::newRow("costly starts before a match") << "(a|aa)+c" << none << costly;
    // Patterns whose matches the engine's start-of-match shortcuts miss.
    QTest::newRow("empty alternative before a repeat") << "(a|)a+ac" << none << "aac xaac";
    QTest::newRow("empty alternative before a class") << "(a|)(a*)(a|b)" << none << "acbbca";
    QTest::newRow("lookahead before a repeat") << "(?=a)a*(a|aa)" << none << "a";
}

void LimitedPatternTest::missesNoMatch_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("matches");
    QTest::newRow("empty alternative before a repeat") << "(a|)a+ac" << "aac xaac" << "0:3 5:3";
    QTest::newRow("empty alternative in a plain group") << "(?:a|)a+a" << "aac" << "0:2";
    QTest::newRow("lookahead before a repeat") << "(?=a)a*(a|aa)" << "a" << "0:1";
}

void LimitedPatternTest::missesNoMatch()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(QString, matches);
    const LimitedPattern limited{QRegularExpression(pattern)};
    LimitedPattern::Outcome outcome = LimitedPattern::Outcome::Stopped;
    QCOMPARE(LimitedMatches(limited, text, outcome), matches);
}

void LimitedPatternTest::matchesAsQtDoes()
{
    QFETCH(QString, pattern);
    QFETCH(Options, options);
    QFETCH(QString, text);
    const QRegularExpression expression(pattern, options);
    QVERIFY(expression.isValid());
    const LimitedPattern limited(expression);
    QVERIFY(limited.IsValid());
    LimitedPattern::Outcome outcome = LimitedPattern::Outcome::Stopped;
    const QString expected = QtMatches(expression, text);
    QCOMPARE(LimitedMatches(limited, text, outcome), expected);
    QCOMPARE(outcome, expected.isEmpty() ? LimitedPattern::Outcome::NotFound : LimitedPattern::Outcome::Found);
    const SearchLimit limit(-1);
    QCOMPARE(limited.Contains(text, limit) == LimitedPattern::Outcome::Found, !expected.isEmpty());
}

void LimitedPatternTest::invalidPattern()
{
    const LimitedPattern pattern(QRegularExpression(QStringLiteral("(a")));
    QVERIFY(!pattern.IsValid());
    const SearchLimit limit(-1);
    QCOMPARE(pattern.Contains(QStringLiteral("a"), limit), LimitedPattern::Outcome::Stopped);
}

// Text that is not valid UTF-16 is never matched, also where the first try
// gives up on a costly start and the match is tried again.
void LimitedPatternTest::invalidSubject_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("cheap") << "b";
    QTest::newRow("costly start") << "(a|aa)+c";
}

void LimitedPatternTest::invalidSubject()
{
    QFETCH(QString, pattern);
    const QString text = QString(3000, QLatin1Char('a')) + QChar(0xD800) + QStringLiteral("bc");
    const LimitedPattern limited{QRegularExpression(pattern)};
    LimitedPattern::Outcome outcome = LimitedPattern::Outcome::Found;
    QCOMPARE(LimitedMatches(limited, text, outcome), QString());
    QCOMPARE(outcome, LimitedPattern::Outcome::Stopped);
}

// A match that backtracks on every start ends when its limit stops, also
// in the middle of one engine call, and leaves nothing running.
void LimitedPatternTest::stopsWithItsLimit_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("budgetMs");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("budget runs out") << "(a|aa)+$" << 50 << false;
    QTest::newRow("cancelled") << "(a|aa)+$" << -1 << true;
    QTest::newRow("engine's own match limit") << "(a+)+b" << -1 << false;
}

void LimitedPatternTest::stopsWithItsLimit()
{
    QFETCH(QString, pattern);
    QFETCH(int, budgetMs);
    QFETCH(bool, cancelled);
    const LimitedPattern limited{QRegularExpression(pattern)};
    SearchLimit limit(budgetMs);
    if (cancelled)
        limit.Cancel();
    int visits = 0;
    const LimitedPattern::Outcome outcome = limited.ForEachMatch(Hostile() + QStringLiteral("ab"), limit,
                                                                 [&visits](int, int) {
                                                                     ++visits;
                                                                     return true;
                                                                 });
    QCOMPARE(outcome, LimitedPattern::Outcome::Stopped);
    QCOMPARE(visits, 0);
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
}

// Without a time budget, a limit of engine steps ends the hostile match and
// leaves an ordinary search alone.
void LimitedPatternTest::stopsAfterItsSteps()
{
    struct StepLimit
    {
        StepLimit() { LimitedPattern::SetStepLimit(100000); }
        ~StepLimit() { LimitedPattern::SetStepLimit(0); }
    } const steps;
    const SearchLimit limit(-1);
    const LimitedPattern hostile{QRegularExpression(QStringLiteral("(a|aa)+$"))};
    QCOMPARE(hostile.Contains(Hostile() + QStringLiteral("ab"), limit), LimitedPattern::Outcome::Stopped);
    const LimitedPattern plain{QRegularExpression(QStringLiteral("a!"))};
    LimitedPattern::Outcome outcome = LimitedPattern::Outcome::Stopped;
    QCOMPARE(LimitedMatches(plain, QStringLiteral("aa! a!"), outcome), QStringLiteral("1:2 4:2"));
    QCOMPARE(outcome, LimitedPattern::Outcome::Found);
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
}

// A thread keeps its last compiled patterns and its match blocks for the
// next search: the same pattern with other switches is another pattern, and a
// pattern with more groups than the one before needs more room.
void LimitedPatternTest::searchesOneAfterAnother()
{
    const QString text = QStringLiteral("Ab ab AB (ab)(ab) aab");
    const Options caseless = QRegularExpression::CaseInsensitiveOption;
    const QList<QRegularExpression> expressions = {
        QRegularExpression(QStringLiteral("ab")),
        QRegularExpression(QStringLiteral("ab"), caseless),
        QRegularExpression(QStringLiteral("ab")),
        QRegularExpression(QStringLiteral("(a)(b)|\\((a)(b)\\)")),
        QRegularExpression(QStringLiteral("x*")),
        QRegularExpression(QStringLiteral("a+")),
        QRegularExpression(QStringLiteral("b|(a)(a)(b)")),
        QRegularExpression(QStringLiteral("ab"), caseless),
        QRegularExpression(QStringLiteral("ab")),
    };
    for (const QRegularExpression& expression : expressions) {
        const LimitedPattern pattern(expression);
        QVERIFY(pattern.IsValid());
        LimitedPattern::Outcome outcome = LimitedPattern::Outcome::Stopped;
        QCOMPARE(LimitedMatches(pattern, text, outcome), QtMatches(expression, text));
    }
}

// A search started while another visits its matches must leave that
// search's match where it is.
void LimitedPatternTest::searchInsideAVisit()
{
    const QString text = QStringLiteral("ab aab x aaab");
    const QRegularExpression outerExpression(QStringLiteral("a+b"));
    const QRegularExpression innerExpression(QStringLiteral("(a)(a)|x*"));
    const LimitedPattern outer(outerExpression);
    const LimitedPattern inner(innerExpression);
    QStringList expected;
    QRegularExpressionMatchIterator iterator = outerExpression.globalMatch(text);
    while (iterator.hasNext()) {
        const QRegularExpressionMatch match = iterator.next();
        expected << QStringLiteral("%1:%2 [%3]")
                        .arg(match.capturedStart(0))
                        .arg(match.capturedLength(0))
                        .arg(QtMatches(innerExpression, match.captured(0)));
    }
    QStringList found;
    const SearchLimit limit(-1);
    const LimitedPattern::Outcome outcome = outer.ForEachMatch(text, limit, [&](int start, int length) {
        LimitedPattern::Outcome innerOutcome = LimitedPattern::Outcome::Stopped;
        found << QStringLiteral("%1:%2 [%3]").arg(start).arg(length).arg(
            LimitedMatches(inner, text.mid(start, length), innerOutcome));
        return true;
    });
    QCOMPARE(outcome, LimitedPattern::Outcome::Found);
    QCOMPARE(found, expected);
}

SUMVELLE_TEST_MAIN(LimitedPatternTest)
#include "tst_limitedpattern.moc"

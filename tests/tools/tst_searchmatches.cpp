#include "support/testsupport.h"

#include "tools/LimitedPattern.h"
#include "tools/searchdialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

Q_DECLARE_METATYPE(QList<SearchDialog::SearchMatch>)

namespace {

// Matches written as "start:length" items, so that a table row reads at a glance.
QString describe(const QList<SearchDialog::SearchMatch>& matches)
{
    QStringList parts;
    for (const SearchDialog::SearchMatch& match : matches)
        parts << QStringLiteral("%1:%2").arg(match.start).arg(match.length);
    return parts.join(QLatin1Char(' '));
}

QString describe(const QList<SearchDialog::FriendlySearchTerm>& terms)
{
    QStringList parts;
    for (const SearchDialog::FriendlySearchTerm& term : terms)
        parts << (term.excluded ? QStringLiteral("-<") : QStringLiteral("<")) + term.text + QLatin1Char('>');
    return parts.join(QLatin1Char(' '));
}

// A dialog over its own editor, its controls set as a user sets them.
struct Fixture
{
    QPlainTextEdit editor;
    SearchDialog dialog{&editor};

    QList<SearchDialog::SearchMatch> search(const QString& text, const QString& findWhat, bool caseSensitive,
                                            bool regularExpression, bool& ok, QString& error)
    {
        editor.setPlainText(text);
        dialog.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(findWhat);
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"))->setChecked(caseSensitive);
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))->setChecked(regularExpression);
        return dialog.BuildSearchMatches(ok, error);
    }
};

} // namespace

class SearchMatchesTest : public QObject
{
    Q_OBJECT

private slots:
    void parseTerms_data();
    void parseTerms();
    void wildcardPattern_data();
    void wildcardPattern();
    void matches_data();
    void matches();
    void errorsInOrder_data();
    void errorsInOrder();
    void signatureAndDescription();
    void withoutTarget();
    void engineGivingUpIsReported_data();
    void engineGivingUpIsReported();
    void slowBuildEndsWithinBudget_data();
    void slowBuildEndsWithinBudget();
};

void SearchMatchesTest::parseTerms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("terms");
    QTest::newRow("words and blanks") << "  total \t memo  " << "<total> <memo>";
    QTest::newRow("exclusion") << "total -memo" << "<total> -<memo>";
    QTest::newRow("minus apart applies to next word") << "total - memo" << "<total> -<memo>";
    QTest::newRow("minus apart applies to next phrase") << "a -  \"b c\"" << "<a> -<b c>";
    QTest::newRow("lone minus dropped") << "-" << "";
    QTest::newRow("trailing minus dropped") << "a -" << "<a>";
    QTest::newRow("phrase keeps blanks") << "\" a  b \"" << "< a  b >";
    QTest::newRow("unclosed quote runs to end") << "x \"rest of  it" << "<x> <rest of  it>";
    QTest::newRow("empty quotes dropped") << "\"\" a" << "<a>";
    QTest::newRow("quote inside word is ordinary") << "a\"b" << "<a\"b>";
    QTest::newRow("minus inside word is ordinary") << "a-b" << "<a-b>";
    QTest::newRow("closing quote needs no blank") << "\"a b\"c" << "<a b> <c>";
    QTest::newRow("line feed is whitespace") << "a\nb" << "<a> <b>";
    QTest::newRow("no-break space is whitespace") << QString("a") + QChar(0x00A0) + "b" << "<a> <b>";
}

void SearchMatchesTest::parseTerms()
{
    QFETCH(QString, text);
    QFETCH(QString, terms);
    Fixture fixture;
    QCOMPARE(describe(fixture.dialog.ParseFriendlySearchTerms(text)), terms);
}

void SearchMatchesTest::wildcardPattern_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("digits and a literal point") << "#.##" << "\\d\\.\\d\\d";
    QTest::newRow("lazy star and one character") << "a*b?" << "a.*?b.";
    QTest::newRow("negated set") << "[!0-9]" << "[^0-9]";
    QTest::newRow("caret in set is literal") << "[^a]" << "[\\^a]";
    QTest::newRow("backslash in set escaped") << "[\\x]" << "[\\\\x]";
    QTest::newRow("empty brackets are literal") << "[]x" << "\\[\\]x";
    QTest::newRow("unclosed bracket is literal") << "[abc" << "\\[abc";
    QTest::newRow("set ends at first bracket") << "[ab]c]" << "[ab]c\\]";
    QTest::newRow("regex characters escaped") << "a+(b)" << "a\\+\\(b\\)";
    // As \0, a digit after it would read as part of an octal escape.
    QTest::newRow("NUL before a digit") << QString(QChar(0)) + QStringLiteral("1") << "\\x{0}1";
    QTest::newRow("pair outside the basic plane kept whole") << QString::fromUtf8("\xF0\x9F\x98\x80")
                                                             << QString::fromUtf8("\\\xF0\x9F\x98\x80");
}

void SearchMatchesTest::wildcardPattern()
{
    QFETCH(QString, term);
    QFETCH(QString, pattern);
    Fixture fixture;
    QCOMPARE(fixture.dialog.WildcardTermToRegularExpression(term), pattern);
}

void SearchMatchesTest::matches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("findWhat");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<QString>("expected");

    // Offsets:           0123456789012345678901
    const QString pad = "total 5\nmemo x\ntotal 7";
    QTest::newRow("two words merged in order") << pad << "memo total" << false << false << "0:5 8:4 15:5";
    QTest::newRow("one word missing") << pad << "total absent" << false << false << "";
    QTest::newRow("excluded word present anywhere") << pad << "total -memo" << false << false << "";
    QTest::newRow("excluded word absent") << pad << "total -absent" << false << false << "0:5 15:5";
    QTest::newRow("minus apart excludes") << pad << "total - memo" << false << false << "";
    QTest::newRow("digits wildcard") << "pi 3.14 or 3,14" << "#.##" << false << false << "3:4";
    QTest::newRow("negated set finds non-digit") << "12a4" << "[!0-9]" << false << false << "2:1";
    QTest::newRow("caret set finds caret or a") << "x^ya" << "[^a]" << false << false << "1:1 3:1";
    QTest::newRow("empty brackets literal") << "a[]x" << "[]x" << false << false << "1:3";
    QTest::newRow("unclosed bracket literal") << "x[abc" << "[abc" << false << false << "1:4";
    QTest::newRow("leading star from previous match") << "a cat b cat" << "*cat" << false << false << "0:5 5:6";
    QTest::newRow("trailing star is lazy") << "cats" << "cat*" << false << false << "0:3";
    // After an empty match the global match looks for a non-empty one at the
    // same place, so a lone star gives every character on its own.
    QTest::newRow("lone star") << "ab" << "*" << false << false << "0:1 1:1";
    QTest::newRow("star matches across lines") << "a\nb" << "a*b" << false << false << "0:3";
    QTest::newRow("case folded word") << "TOTAL" << "Total" << false << false << "0:5";
    QTest::newRow("case kept word") << "TOTAL" << "Total" << true << false << "";
    QTest::newRow("case folded set") << "B" << "[a-c]" << false << false << "0:1";
    QTest::newRow("case kept set") << "B" << "[a-c]" << true << false << "";
    QTest::newRow("same range listed once") << "xab" << "ab a?" << false << false << "1:2";
    QTest::newRow("overlapping ranges both kept") << "abc" << "bc abc" << false << false << "0:3 1:2";
    QTest::newRow("equal starts shorter first") << "abc" << "abc ab" << false << false << "0:2 0:3";
    QTest::newRow("phrase with blanks") << "a b a  b" << "\"a b\"" << false << false << "0:3";
    QTest::newRow("two-line selection as terms") << "one\ntwo" << "one\ntwo" << false << false << "0:3 4:3";
    QTest::newRow("emoji term") << QString::fromUtf8("a\xF0\x9F\x98\x80") << QString::fromUtf8("\xF0\x9F\x98\x80")
                                << false << false << "1:2";
    QTest::newRow("NUL before a digit") << QStringLiteral("a") + QChar(0) + QStringLiteral("1b")
                                        << QString(QChar(0)) + QStringLiteral("1") << false << false << "1:2";
    QTest::newRow("regex empty matches kept") << "ab" << "x*" << false << true << "0:0 1:0 2:0";
    QTest::newRow("regex dot stops at line feed") << "a\nb" << "a.b" << false << true << "";
    QTest::newRow("regex case folded") << "ABC" << "b" << false << true << "1:1";
    QTest::newRow("regex case kept") << "ABC" << "b" << true << true << "";
    QTest::newRow("regex blanks search blanks") << "a  b" << "  " << false << true << "1:2";
}

void SearchMatchesTest::matches()
{
    QFETCH(QString, text);
    QFETCH(QString, findWhat);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, regularExpression);
    QFETCH(QString, expected);
    Fixture fixture;
    bool ok = false;
    QString error = QStringLiteral("stale");
    const auto found = fixture.search(text, findWhat, caseSensitive, regularExpression, ok, error);
    QVERIFY(ok);
    QCOMPARE(error, QString());
    QCOMPARE(describe(found), expected);
}

void SearchMatchesTest::errorsInOrder_data()
{
    QTest::addColumn<QString>("findWhat");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty text") << "" << false << "Enter text to find";
    QTest::newRow("empty regex text") << "" << true << "Enter text to find";
    QTest::newRow("unbalanced parenthesis") << "(a" << true << "Invalid regular expression";
    QTest::newRow("blanks only") << "   " << false << "Enter at least one term to find";
    QTest::newRow("lone minus") << "-" << false << "Enter at least one term to find";
    QTest::newRow("only exclusions") << "-a -b" << false << "Enter at least one term to find";
    QTest::newRow("descending range") << "[z-a]" << false << "Invalid wildcard expression";
    QTest::newRow("invalid exclusion before missing term") << "absent -[z-a]" << false
                                                           << "Invalid wildcard expression";
    QTest::newRow("negated set of nothing") << "[!]" << false << "Invalid wildcard expression";
}

void SearchMatchesTest::errorsInOrder()
{
    QFETCH(QString, findWhat);
    QFETCH(bool, regularExpression);
    QFETCH(QString, error);
    Fixture fixture;
    bool ok = true;
    QString reported;
    const auto found = fixture.search(QStringLiteral("some text a b"), findWhat, false, regularExpression, ok,
                                      reported);
    QVERIFY(!ok);
    QCOMPARE(reported, error);
    QVERIFY(found.isEmpty());
}

void SearchMatchesTest::signatureAndDescription()
{
    Fixture fixture;
    bool ok = false;
    QString error;
    fixture.search(QString(), QStringLiteral("a\nb"), true, false, ok, error);
    QCOMPARE(fixture.dialog.BuildSearchSignature(), QStringLiteral("a\nb\nCASE=1\nREGEX=0"));
    QCOMPARE(fixture.dialog.SearchDescription(), QStringLiteral("\"a b\""));
    fixture.search(QString(), QStringLiteral("x"), false, true, ok, error);
    QCOMPARE(fixture.dialog.BuildSearchSignature(), QStringLiteral("x\nCASE=0\nREGEX=1"));
}

void SearchMatchesTest::withoutTarget()
{
    SearchDialog dialog(nullptr);
    bool ok = true;
    QString error;
    QVERIFY(dialog.BuildSearchMatches(ok, error).isEmpty());
    QVERIFY(!ok);
    QCOMPARE(error, QStringLiteral("Search target is unavailable"));
}

// When the engine gives up, the search must not be read as "nothing found":
// an excluded term would then let the pad through.
void SearchMatchesTest::engineGivingUpIsReported_data()
{
    QTest::addColumn<QString>("findWhat");
    QTest::addColumn<bool>("regularExpression");
    QTest::newRow("regular expression") << "(a+)+b" << true;
}

void SearchMatchesTest::engineGivingUpIsReported()
{
    QFETCH(QString, findWhat);
    QFETCH(bool, regularExpression);
    Fixture fixture;
    bool ok = true;
    QString error;
    const auto found =
        fixture.search(QString(40, QLatin1Char('a')) + QStringLiteral("\nab"), findWhat, false, regularExpression, ok,
                       error);
    QVERIFY(!ok);
    QCOMPARE(error, QStringLiteral("Search too complex"));
    QVERIFY(found.isEmpty());
}

// A pattern that stays under the engine's limit on every line can still take
// seconds over a long pad; the build is given up instead of freezing the
// window, and no match of it goes on afterwards.
void SearchMatchesTest::slowBuildEndsWithinBudget_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("findWhat");
    QTest::newRow("alternation before a digit") << QString(30, QLatin1Char('a')) << 60 << "(a|aa)*\\d";
    QTest::newRow("alternation to the end") << QString(32, QLatin1Char('a')) + QLatin1Char('!') << 300 << "(a|aa)+$";
}

void SearchMatchesTest::slowBuildEndsWithinBudget()
{
    QFETCH(QString, line);
    QFETCH(int, lines);
    QFETCH(QString, findWhat);
    Fixture fixture;
    QString text;
    for (int i = 0; i < lines; ++i)
        text += line + QLatin1Char('\n');
    bool ok = true;
    QString error;
    const auto found = fixture.search(text, findWhat, false, true, ok, error);
    QVERIFY(!ok);
    QCOMPARE(error, QStringLiteral("Search too complex"));
    QVERIFY(found.isEmpty());
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
}

SUMVELLE_TEST_MAIN(SearchMatchesTest)
#include "tst_searchmatches.moc"

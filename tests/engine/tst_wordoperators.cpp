#include "support/testsupport.h"

#include "pad/mainwindow.h"

class WordOperatorsTest : public QObject
{
    Q_OBJECT

private slots:
    void operatorWords_data();
    void operatorWords();
    void numberWords_data();
    void numberWords();
    void wholeWordsOnly_data();
    void wholeWordsOnly();
    void overflowingRuns_data();
    void overflowingRuns();
    void minusBetweenNumberWords_data();
    void minusBetweenNumberWords();
    void longLines_data();
    void longLines();
};

namespace {
void addRewriteColumns()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
}

void checkRewrite()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QCOMPARE(MainWindow::WordOp(input), output);
    // The pad rewrites a line once per Enter and counts on a second rewrite
    // changing nothing.
    QCOMPARE(MainWindow::WordOp(output), output);
}
} // namespace

void WordOperatorsTest::operatorWords_data()
{
    addRewriteColumns();
    QTest::newRow("plus with number words") << "two plus two" << "2 + 2";
    QTest::newRow("any case") << "Three Times Four" << "3 * 4";
    QTest::newRow("longest power phrase") << "x raised to the power of two" << "x ^ 2";
    QTest::newRow("to the power of") << "ten to the power of three" << "10 ^ 3";
    QTest::newRow("raised to") << "2 RAISED TO 3" << "2 ^ 3";
    QTest::newRow("multiplied by") << "6 multiplied by 7" << "6 * 7";
    QTest::newRow("divided by") << "two hundred five divided by five" << "205 / 5";
    QTest::newRow("added to") << "1 added to 2" << "1 + 2";
    QTest::newRow("equals") << "x equals 4" << "x = 4";
    QTest::newRow("equal") << "x equal 4" << "x = 4";
    QTest::newRow("phrase across a line break") << "6 MULTIPLIED\n  BY 7" << "6 * 7";
    QTest::newRow("of") << "half of 8" << "half * 8";
    QTest::newRow("over") << "1 over 4" << "1 / 4";
    QTest::newRow("negative before a number word") << "NEGATIVE FIVE" << "- 5";
    QTest::newRow("positive") << "positive 3" << "+ 3";
    QTest::newRow("subtract") << "9 subtract 4" << "9 - 4";
    QTest::newRow("BY alone is kept") << "2 BY 3" << "2 BY 3";
    QTest::newRow("TO alone is kept") << "12 IN TO CM" << "12 IN TO CM";
    QTest::newRow("no words at all") << "1+2*3" << "1+2*3";
    QTest::newRow("unrelated words") << "SIN(x) + speed" << "SIN(x) + speed";
    QTest::newRow("caseless match takes the long s for S") << QString::fromUtf8("2 PLU\u017F 3") << "2 + 3";
    QTest::newRow("a lone surrogate does not stop the operators")
        << QStringLiteral("two plus two") + QChar(0xDC00) << QStringLiteral("2 + 2") + QChar(QChar::ReplacementCharacter);
}

void WordOperatorsTest::operatorWords()
{
    checkRewrite();
}

void WordOperatorsTest::numberWords_data()
{
    addRewriteColumns();
    QTest::newRow("hundreds with hyphenated tens") << "ONE HUNDRED TWENTY-THREE" << "123";
    QTest::newRow("hyphenated tens") << "TWENTY-FIVE" << "25";
    QTest::newRow("nineteen hundred") << "NINETEEN HUNDRED" << "1900";
    QTest::newRow("thousand and units") << "TWO THOUSAND FIVE" << "2005";
    QTest::newRow("million and thousands") << "ONE MILLION TWO HUNDRED THOUSAND" << "1200000";
    QTest::newRow("trillion") << "THREE TRILLION" << "3000000000000";
    QTest::newRow("decimal point") << "THREE POINT ONE FOUR" << "3.14";
    QTest::newRow("point first") << "POINT FIVE" << "0.5";
    QTest::newRow("point last") << "FIVE POINT" << "5 POINT";
    QTest::newRow("fraction word above nine") << "ONE POINT TWELVE" << "1 POINT 12";
    QTest::newRow("two points") << "ONE POINT TWO POINT THREE" << "1.2 0.3";
    QTest::newRow("AND ends the run") << "ONE HUNDRED AND FIVE" << "100 AND 5";
    QTest::newRow("order is not checked") << "FIVE TWENTY" << "25";
    QTest::newRow("units add up") << "ONE TWO" << "3";
    QTest::newRow("scale word alone") << "A MILLION" << "A 1000000";
    QTest::newRow("thousand alone") << "THOUSAND" << "1000";
    QTest::newRow("lower case") << "forty two" << "42";
    QTest::newRow("zero") << "zero" << "0";
    QTest::newRow("two runs") << "TWO AND THREE" << "2 AND 3";
    QTest::newRow("inside an expression") << "SQRT(sixteen)+one" << "SQRT(16)+1";
}

void WordOperatorsTest::numberWords()
{
    checkRewrite();
}

void WordOperatorsTest::wholeWordsOnly_data()
{
    addRewriteColumns();
    QTest::newRow("joined to a digit") << "2FIVE" << "2FIVE";
    QTest::newRow("joined to an underscore") << "FIVE_X" << "FIVE_X";
    QTest::newRow("run shrinks before an underscore") << "TWENTY FIVE_X" << "20 FIVE_X";
    QTest::newRow("OFTEN is not OF") << "OFTEN" << "OFTEN";
    QTest::newRow("ADDITION is not ADD") << "ADDITION" << "ADDITION";
    QTest::newRow("TENT is not TEN") << "TENT" << "TENT";
    QTest::newRow("X_OF is not OF") << "X_OF 2" << "X_OF 2";
    QTest::newRow("joined to a non-ASCII letter") << QString::fromUtf8("éFIVE") << QString::fromUtf8("éFIVE");
    QTest::newRow("joined to a letter beyond the basic plane")
        << QString::fromUtf8("\U0001D400FIVE") << QString::fromUtf8("\U0001D400FIVE");
    QTest::newRow("run shrinks before a digit beyond the basic plane")
        << QString::fromUtf8("TWENTY FIVE\U0001D7CE") << QString::fromUtf8("20 FIVE\U0001D7CE");
}

void WordOperatorsTest::wholeWordsOnly()
{
    checkRewrite();
}

// Runs whose value does not fit 64 bits are not numbers; the run shrinks
// until what is left converts.
void WordOperatorsTest::overflowingRuns_data()
{
    addRewriteColumns();
    QTest::newRow("largest hundreds that fit")
        << "NINE HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED" << "9000000000000000000";
    QTest::newRow("hundreds multiply past 64 bits")
        << "NINETY HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED"
        << "900000000000000000 100";
    QTest::newRow("scale times a huge group")
        << "NINETY HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED TRILLION"
        << "900000000000000000 1000000000000";
    QTest::newRow("scaled groups add past 64 bits")
        << "NINE HUNDRED HUNDRED HUNDRED TRILLION NINE HUNDRED HUNDRED HUNDRED TRILLION"
        << "9000000000009000000 1000000000000";
}

void WordOperatorsTest::overflowingRuns()
{
    checkRewrite();
}

void WordOperatorsTest::minusBetweenNumberWords_data()
{
    addRewriteColumns();
    QTest::newRow("minus between number words") << "FIVE MINUS THREE" << "5 - 3";
    QTest::newRow("subtracted between number words") << "TEN SUBTRACTED TWO" << "10 - 2";
    QTest::newRow("negative after a number word") << "FIVE NEGATIVE THREE" << "5 - 3";
    QTest::newRow("digits and a word") << "FIVE MINUS 3" << "5 - 3";
    QTest::newRow("bare hyphen still joins") << "TWENTY-FIVE MINUS ONE" << "25 - 1";
    QTest::newRow("hyphen with a blank before it") << "TWENTY -FIVE" << "20 -5";
    QTest::newRow("two hyphens") << "TWENTY--FIVE" << "20--5";
}

void WordOperatorsTest::minusBetweenNumberWords()
{
    checkRewrite();
}

// Lines as long as a paste makes them; every one of them is rewritten in one
// pass over its words.
void WordOperatorsTest::longLines_data()
{
    addRewriteColumns();
    QTest::newRow("800 POINTs never convert") << QString("POINT ").repeated(800) << QString("POINT ").repeated(800);
    QTest::newRow("1,600 POINTs never convert") << QString("POINT ").repeated(1600) << QString("POINT ").repeated(1600);
    QTest::newRow("10 KB run of number words adds up")
        << QString("ninety nine ").repeated(850) << QString::number(99 * 850) + QLatin1Char(' ');
    QTest::newRow("a pasted megabyte of sums")
        << QString("two plus ").repeated(100000) + "two" << QString("2 + ").repeated(100000) + "2";
}

void WordOperatorsTest::longLines()
{
    checkRewrite();
}

SUMVELLE_TEST_MAIN(WordOperatorsTest)
#include "tst_wordoperators.moc"

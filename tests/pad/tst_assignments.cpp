#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QPlainTextEdit>

namespace {

// "NAME=value" for every stored variable, in the map's order.
QStringList describeVariables(const QMap<QString, double>& variables)
{
    QStringList entries;
    for (auto it = variables.cbegin(); it != variables.cend(); ++it)
        entries.append(it.key() + QLatin1Char('=') + QString::number(it.value(), 'g', 17));
    return entries;
}

} // namespace

class AssignmentsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void assignments_data();
    void assignments();
    void linesThatAreNoAssignment_data();
    void linesThatAreNoAssignment();
    void comparisons_data();
    void comparisons();
    void equalsOnlyLinesGoToTheEquationStep_data();
    void equalsOnlyLinesGoToTheEquationStep();
    void falseReport_data();
    void falseReport();
    void longChainReportsEveryTerm();
    void comparisonsChangeNoState();

private:
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void AssignmentsTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void AssignmentsTest::cleanup()
{
    pad.reset();
    window.reset();
}

void AssignmentsTest::assignments_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("padText");
    QTest::addColumn<QStringList>("bold");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("variables");

    // Every row starts after the answer 7, which no assignment changes.
    QTest::newRow("stores and echoes in upper case")
        << QStringList{"x = 5"} << "x = 5\nX = 5\n" << QStringList{"X = 5"} << "X = 5" << QStringList{"X=5"};
    QTest::newRow("reassignment reads the old value")
        << QStringList{"x = 5", "x = 2*x"} << "x = 5\nX = 5\nx = 2*x\nX = 10\n" << QStringList{"X = 5", "X = 10"}
        << "X = 10" << QStringList{"X=10"};
    QTest::newRow("underscores and digits")
        << QStringList{"_rate2=0.05*2"} << "_rate2=0.05*2\n_RATE2 = 0.1\n" << QStringList{"_RATE2 = 0.1"}
        << "_RATE2 = 0.1" << QStringList{"_RATE2=0.10000000000000001"};
    QTest::newRow("whole-line HEX answers once in hexadecimal")
        << QStringList{"x = HEX(255)", "x+1"} << "x = HEX(255)\nX = FF\nx+1\n256\n" << QStringList{"X = FF", "256"}
        << "Value = 256" << QStringList{"X=255"};
    QTest::newRow("reserved word, name as typed")
        << QStringList{"pi = 3"} << "pi = 3\nCannot use pi as a variable name\n" << QStringList()
        << "Cannot use pi as a variable name" << QStringList();
    QTest::newRow("command word")
        << QStringList{"Clear = 2"} << "Clear = 2\nCannot use Clear as a variable name\n" << QStringList()
        << "Cannot use Clear as a variable name" << QStringList();
    QTest::newRow("empty right side")
        << QStringList{"x ="} << "x =\n" << QStringList() << "Variable has no value" << QStringList();
    QTest::newRow("right side that fails")
        << QStringList{"x = q"} << "x = q\n" << QStringList() << "Cannot Solve Variable" << QStringList();
    QTest::newRow("failure keeps the old value")
        << QStringList{"x = 4", "x = 1/0"} << "x = 4\nX = 4\nx = 1/0\n" << QStringList{"X = 4"}
        << "Cannot Solve Variable" << QStringList{"X=4"};
    QTest::newRow("infinite value is refused")
        << QStringList{"big = 10^400"} << "big = 10^400\n" << QStringList() << "Cannot Solve Variable"
        << QStringList();
}

void AssignmentsTest::assignments()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, padText);
    QFETCH(QStringList, bold);
    QFETCH(QString, status);
    QFETCH(QStringList, variables);

    pad->submit(QStringLiteral("7"));
    for (const QString& line : lines)
        pad->submit(line);
    QCOMPARE(pad->text(), QStringLiteral("7\n7\n") + padText);
    QCOMPARE(pad->boldRuns(), QStringList{"7"} + bold);
    QCOMPARE(pad->status(), status);
    QCOMPARE(describeVariables(MainWindowTestAccess::variables(*window)), variables);
    QCOMPARE(MainWindowTestAccess::ans(*window), lines.last() == QLatin1String("x+1") ? 256.0 : 7.0);
}

// Lines whose left side is no name are not assignments: they go on to the
// comparison and equation steps and store nothing.
void AssignmentsTest::linesThatAreNoAssignment_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("number before the name") << "2x = 4";
    QTest::newRow("hyphen in the name") << "my-var = 3";
    QTest::newRow("blank in the name") << "my var = 3";
    QTest::newRow("two equals signs") << "x = y = 2";
}

void AssignmentsTest::linesThatAreNoAssignment()
{
    QFETCH(QString, line);

    pad->submit(line);
    QVERIFY(MainWindowTestAccess::variables(*window).isEmpty());
    const QStringList replyLines = pad->text().mid(line.size() + 1).split(QLatin1Char('\n'));
    for (const char* assignmentText : {"Variable has no value", "Cannot Solve Variable", "Cannot Compare"})
        QVERIFY2(pad->status() != QLatin1String(assignmentText), qPrintable(pad->status()));
    QVERIFY(!replyLines.first().contains(QLatin1String(" as a variable name")));
    // 2x = 4 is solved as an equation (X = 2); never read as X = 4.
    QVERIFY(!replyLines.first().startsWith(QLatin1String("X = 4")));
}

// Columns: the line, the first reply line, whether that line is bold, the
// status.
void AssignmentsTest::comparisons_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("status");

    QTest::newRow("chain") << "1 < 2 < 3" << "TRUE" << true << "TRUE";
    QTest::newRow("not an assignment: 5 is no name") << "5 = 5" << "TRUE" << true << "TRUE";
    QTest::newRow("tenths") << "0.1 + 0.2 = 0.3" << "TRUE" << true << "TRUE";
    QTest::newRow("unequal") << "2^10 <> 1000" << "TRUE" << true << "TRUE";
    QTest::newRow("above 1, inside the tolerance") << "1000 = 1000.0000000006" << "TRUE" << true << "TRUE";
    QTest::newRow("above 1, outside the tolerance") << "1000 = 1000.0000000014" << "FALSE" << true << "FALSE";
    QTest::newRow("below 1, inside the tolerance") << "0.5 = 0.5000000000004" << "TRUE" << true << "TRUE";
    QTest::newRow("below 1, outside the tolerance") << "0.5 = 0.5000000000006" << "FALSE" << true << "FALSE";
    QTest::newRow("tenths are equal, so not greater") << "0.1 + 0.2 > 0.3" << "FALSE" << true << "FALSE";
    QTest::newRow("product of tenths is not greater") << "1.1 * 3 > 3.3" << "FALSE" << true << "FALSE";
    QTest::newRow("hundredfold is not less") << "4.35*100 < 435" << "FALSE" << true << "FALSE";
    QTest::newRow("cancelled tenths equal zero") << "0.1 + 0.2 - 0.3 = 0" << "TRUE" << true << "TRUE";
    QTest::newRow("a tiny value is not zero") << "1e-13 = 0" << "FALSE" << true << "FALSE";
    QTest::newRow("tiny values are ordered") << "1e-15 < 2e-15" << "TRUE" << true << "TRUE";
    QTest::newRow("a gap close above 1") << "1000000 = 1000000.0000001" << "TRUE" << true << "TRUE";
    QTest::newRow("the same gap below 1") << "0.5 = 0.5000001" << "FALSE" << true << "FALSE";
    QTest::newRow("unknown operand") << "2 < q" << "Cannot Compare" << false << "Cannot Compare";
    QTest::newRow("double equals") << "2 == 2" << "Cannot Compare" << false << "Cannot Compare";
    QTest::newRow("equals then greater") << "3 => 2" << "Cannot Compare" << false << "Cannot Compare";
    QTest::newRow("infinite operand") << "10^400 > 1" << "Cannot Compare" << false << "Cannot Compare";
    QTest::newRow("undefined operand") << "(-8)^(1/3) <> 1" << "Cannot Compare" << false << "Cannot Compare";
}

void AssignmentsTest::comparisons()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(bool, bold);
    QFETCH(QString, status);

    pad->submit(line);
    const QStringList padLines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(padLines.at(0), line);
    QCOMPARE(padLines.at(1), reply);
    QCOMPARE(pad->boldRuns().value(0) == reply, bold);
    QCOMPARE(pad->status(), status);
    QCOMPARE(padLines.last(), QString());
}

// A line of "=" only whose operands do not all evaluate is an equation, not
// a comparison that cannot be compared.
void AssignmentsTest::equalsOnlyLinesGoToTheEquationStep_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("unknown") << "2q = 6";
    QTest::newRow("unknowns in a chain of equals") << "a = b = 2";
    QTest::newRow("infinite operands") << "10^400 = 10^400";
    QTest::newRow("undefined operand") << "(-8)^(1/3) = 2";
}

void AssignmentsTest::equalsOnlyLinesGoToTheEquationStep()
{
    QFETCH(QString, line);

    pad->submit(line);
    const QString reply = pad->text().mid(line.size() + 1).section(QLatin1Char('\n'), 0, 0);
    for (const char* comparisonReply : {"TRUE", "FALSE", "Cannot Compare"}) {
        QVERIFY2(reply != QLatin1String(comparisonReply), qPrintable(reply));
        QVERIFY2(pad->status() != QLatin1String(comparisonReply), qPrintable(pad->status()));
    }
    QVERIFY(MainWindowTestAccess::variables(*window).isEmpty());
}

void AssignmentsTest::falseReport_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("bold");

    QTest::newRow("three terms")
        << "1 < 3 < 2"
        << "FALSE\n1<3<2  ->  1\n1<3<2  ->  3\n1<3<2  ->  2\n1 < 3 < 2  ->  FALSE\n"
        << QStringList{"FALSE", "1", "3", "2"};
    QTest::newRow("two terms") << "2 < 1" << "FALSE\n2<1  ->  2\n2<1  ->  1\n2 < 1  ->  FALSE\n"
                               << QStringList{"FALSE", "2", "1"};
    QTest::newRow("parts as written, no blanks added")
        << "  x+1 > 2*y  "
        << "FALSE\nx+1>2*y  ->  2\nx+1>2*y  ->  10\n2 > 10  ->  FALSE\n" << QStringList{"FALSE", "x+1", "2*y"};
    QTest::newRow("values through the answer format")
        << "1/3 >= 1 <> 0"
        << "FALSE\n1/3>=1<>0  ->  0.333333333333333\n1/3>=1<>0  ->  1\n1/3>=1<>0  ->  0\n"
           "0.333333333333333 >= 1 <> 0  ->  FALSE\n"
        << QStringList{"FALSE", "1/3", "1", "0"};
    QTest::newRow("repeated parts are bold one at a time")
        << "5=5=4" << "FALSE\n5=5=4  ->  5\n5=5=4  ->  5\n5=5=4  ->  4\n5 = 5 = 4  ->  FALSE\n"
        << QStringList{"FALSE", "5", "5", "4"};
    QTest::newRow("tiny values as they are")
        << "1e-15 > 2e-15" << "FALSE\n1e-15>2e-15  ->  1e-15\n1e-15>2e-15  ->  2e-15\n1e-15 > 2e-15  ->  FALSE\n"
        << QStringList{"FALSE", "1e-15", "2e-15"};
    QTest::newRow("cancellation noise shown as the zero it equals")
        << "0.1 + 0.2 - 0.3 > 0"
        << "FALSE\n0.1 + 0.2 - 0.3>0  ->  0\n0.1 + 0.2 - 0.3>0  ->  0\n0 > 0  ->  FALSE\n"
        << QStringList{"FALSE", "0.1 + 0.2 - 0.3", "0"};
}

void AssignmentsTest::falseReport()
{
    QFETCH(QString, line);
    QFETCH(QString, report);
    QFETCH(QStringList, bold);

    pad->submit(QStringLiteral("x = 1"));
    pad->submit(QStringLiteral("y = 5"));
    const QString before = pad->text();
    pad->submit(line);
    QCOMPARE(pad->text(), before + line + QLatin1Char('\n') + report);
    QCOMPARE(pad->boldRuns().mid(2), bold);
    QCOMPARE(pad->status(), QStringLiteral("FALSE"));
    // The report is one edit: the pad's own copy of its text follows it.
    QCOMPARE(window->PadText(), pad->text());
    // The cursor stands after the report, ready for the next line.
    QCOMPARE(pad->editor()->textCursor().position(), int(pad->text().size()));
    pad->submit(QStringLiteral("2+2"));
    QVERIFY(pad->text().endsWith(QLatin1String("FALSE\n2+2\n4\n")));
}

void AssignmentsTest::longChainReportsEveryTerm()
{
    QStringList terms;
    for (int i = 1; i < 100; ++i)
        terms.append(QString::number(i));
    terms.append(QStringLiteral("0"));
    const QString line = terms.join(QLatin1Char('<'));

    pad->submit(line);
    const QStringList reply = pad->text().split(QLatin1Char('\n')).mid(1);
    QCOMPARE(reply.size(), 1 + 100 + 1 + 1);
    QCOMPARE(reply.at(0), QStringLiteral("FALSE"));
    QCOMPARE(reply.at(1), line + QStringLiteral("  ->  1"));
    QCOMPARE(reply.at(100), line + QStringLiteral("  ->  0"));
    QCOMPARE(reply.at(101), terms.join(QStringLiteral(" < ")) + QStringLiteral("  ->  FALSE"));
    QCOMPARE(pad->boldRuns().size(), 101);
    QCOMPARE(pad->boldRuns().last(), QStringLiteral("0"));
}

void AssignmentsTest::comparisonsChangeNoState()
{
    pad->submit(QStringLiteral("7"));
    pad->submit(QStringLiteral("x = 3"));
    pad->submit(QStringLiteral("ANS > x"));
    pad->submit(QStringLiteral("ANS < x"));
    QCOMPARE(MainWindowTestAccess::ans(*window), 7.0);
    QCOMPARE(describeVariables(MainWindowTestAccess::variables(*window)), QStringList{"X=3"});
    pad->submit(QStringLiteral("ANS"));
    QVERIFY(pad->text().endsWith(QLatin1String("ANS\n7\n")));
}

SUMVELLE_TEST_MAIN(AssignmentsTest)
#include "tst_assignments.moc"

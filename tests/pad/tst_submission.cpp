#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QPlainTextEdit>

class SubmissionTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void answers_data();
    void answers();
    void smallValues_data();
    void smallValues();
    void ansKeepsEveryDigit_data();
    void ansKeepsEveryDigit();
    void numericAnswerForgetsDateAnswer();
    void failedLineKeepsAns();
    void replyGoesBeforeTheFollowingLine();
    void ignoredText_data();
    void ignoredText();

private:
    void compareLastReply(const QStringList& lines, const QString& lastReply) const;

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void SubmissionTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void SubmissionTest::cleanup()
{
    pad.reset();
    window.reset();
}

void SubmissionTest::answers_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("lastReply");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("ans");

    QTest::newRow("sum") << QStringList{"1+2"} << "3" << true << "Value = 3" << 3.0;
    QTest::newRow("ANS after a numeric answer") << QStringList{"1+2", "ANS*2"} << "6" << true << "Value = 6" << 6.0;
    QTest::newRow("ans in lower case") << QStringList{"10", "ans/4"} << "2.5" << true << "Value = 2.5" << 2.5;
    QTest::newRow("syntax error") << QStringList{"2*"} << "-Cannot Solve-" << false << "Cannot Solve" << 0.0;
    QTest::newRow("division by zero") << QStringList{"7", "1/0"} << "-Cannot Solve-" << false << "Cannot Solve"
                                      << 7.0;
    // A value beyond double is no answer, and no other reading of the line
    // stands in for it.
    QTest::newRow("overflow next to a constant") << QStringList{"7", "1e308 PI"} << "-Cannot Solve-" << false
                                                 << "Cannot Solve" << 7.0;
    QTest::newRow("overflow in a power of a constant") << QStringList{"7", "2 EULER^1000"} << "-Cannot Solve-"
                                                       << false << "Cannot Solve" << 7.0;
    QTest::newRow("overflow minus itself") << QStringList{"7", "1e308 PI - 1e308 PI"} << "-Cannot Solve-" << false
                                           << "Cannot Solve" << 7.0;
}

void SubmissionTest::answers()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, lastReply);
    QFETCH(bool, bold);
    QFETCH(QString, status);
    QFETCH(double, ans);

    for (const QString& line : lines)
        pad->submit(line);
    const QStringList padLines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(padLines.at(padLines.size() - 2), lastReply);
    QCOMPARE(padLines.last(), QString());
    QCOMPARE(pad->boldRuns().contains(lastReply), bold);
    QCOMPARE(pad->status(), status);
    QCOMPARE(MainWindowTestAccess::ans(*window), ans);
}

void SubmissionTest::smallValues_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("lastReply");

    // Rounding noise is snapped away only beside the size of the operands.
    QTest::newRow("cancellation noise") << QStringList{"0.1 + 0.2 - 0.3"} << "0";
    QTest::newRow("sine of pi") << QStringList{"SIN(PI)"} << "0";
    QTest::newRow("difference inside a function") << QStringList{"COORDDEV(25.03, 25)"} << "0.03";
    QTest::newRow("noise scaled up stays noise") << QStringList{"(0.1 + 0.2 - 0.3) * 1000"} << "0";
    QTest::newRow("power of two") << QStringList{"2^-50"} << "8.88178419700125e-16";
    QTest::newRow("tiny literal") << QStringList{"6.626e-34"} << "6.626e-34";
    QTest::newRow("exponential") << QStringList{"EXP(-40)"} << "4.24835425529159e-18";
    QTest::newRow("square root") << QStringList{"SQRT(1e-300)"} << "1e-150";
    QTest::newRow("tiny times a sum") << QStringList{"1e-20 * (1 + 1)"} << "2e-20";
    QTest::newRow("unit conversion") << QStringList{"1 electron volt to joules"} << "1.602176634e-19";
    QTest::newRow("reciprocal keeps its digits") << QStringList{"1/496713"} << "2.01323500693559e-06";
    QTest::newRow("assignment echo") << QStringList{"x = 6.626e-34"} << "X = 6.626e-34";
    QTest::newRow("variable list") << QStringList{"x = 6.626e-34", "VARS"} << "X = 6.626e-34";
}

void SubmissionTest::compareLastReply(const QStringList& lines, const QString& lastReply) const
{
    for (const QString& line : lines)
        pad->submit(line);
    const QStringList padLines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(padLines.at(padLines.size() - 2), lastReply);
}

void SubmissionTest::smallValues()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, lastReply);
    compareLastReply(lines, lastReply);
}

void SubmissionTest::ansKeepsEveryDigit_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("lastReply");

    QTest::newRow("large power of two") << QStringList{"2^60", "ANS - 2^60"} << "0";
    QTest::newRow("largest safe integer in hexadecimal") << QStringList{"0x1FFFFFFFFFFFFF", "HEX(ANS)"}
                                                         << "1FFFFFFFFFFFFF";
    QTest::newRow("third of a large number") << QStringList{"1e20/3", "ANS*3"} << "1e+20";
    QTest::newRow("short decimal") << QStringList{"0.1", "ANS + 0.2"} << "0.3";
    QTest::newRow("noise shown as 0 stays 0") << QStringList{"0.1 + 0.2 - 0.3", "ANS"} << "0";
    QTest::newRow("noise shown as 0, then scaled") << QStringList{"0.1 + 0.2 - 0.3", "ANS * 1e20"} << "0";
    QTest::newRow("solved equation, then ANS") << QStringList{"DATE(\"1/31/2024\")", "2x = 5", "ANS * 2"} << "5";
}

void SubmissionTest::ansKeepsEveryDigit()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, lastReply);
    compareLastReply(lines, lastReply);
}

void SubmissionTest::numericAnswerForgetsDateAnswer()
{
    MainWindowTestAccess::setDateTimeAnswer(*window, QStringLiteral("1:30"));
    pad->submit(QStringLiteral("4*4"));
    QCOMPARE(MainWindowTestAccess::ans(*window), 16.0);
    QCOMPARE(MainWindowTestAccess::ansText(*window), QString());
    QVERIFY(!MainWindowTestAccess::ansIsDateTime(*window));
}

void SubmissionTest::failedLineKeepsAns()
{
    pad->submit(QStringLiteral("5"));
    MainWindowTestAccess::setDateTimeAnswer(*window, QStringLiteral("2:30 PM"));
    pad->submit(QStringLiteral("5+"));
    QCOMPARE(MainWindowTestAccess::ans(*window), 5.0);
    QCOMPARE(MainWindowTestAccess::ansText(*window), QStringLiteral("2:30 PM"));
    QVERIFY(MainWindowTestAccess::ansIsDateTime(*window));
}

void SubmissionTest::replyGoesBeforeTheFollowingLine()
{
    // Re-running a line in the middle of the pad puts its answer right
    // under it; the lines below move down.
    pad->editor()->setPlainText(QStringLiteral("2+2\nnext"));
    QTextCursor cursor = pad->editor()->textCursor();
    cursor.setPosition(3);
    pad->editor()->setTextCursor(cursor);
    pad->enter();
    QCOMPARE(pad->text(), QStringLiteral("2+2\n4\n\nnext"));
    QCOMPARE(pad->boldRuns(), QStringList{"4"});
}

// With Ignore Text on (as it starts), labels and notes beside the numbers
// are stripped from a line that fails; text that carries meaning fails the
// line instead of answering a different calculation. ANS is 7 before each
// line.
void SubmissionTest::ignoredText_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");

    const QString cannotSolve = QStringLiteral("-Cannot Solve-");
    const struct
    {
        const char* name;
        const char* line;
    } failing[] = {
        {"function without parentheses", "cos 0"},
        {"function before a number", "sqrt 9"},
        {"function before a signed number", "abs -5"},
        {"short function name", "ln 2"},
        {"unknown function with digits", "log10(100)"},
        {"unknown function of two arguments", "pow(2,3)"},
        {"unknown function named like a known one", "hypot(3,4)"},
        {"undefined user function", "AREA2(1)"},
        {"name joined to a digit", "x2*3"},
        {"constant joined to a digit", "PI2"},
        {"unknown name as the first operand", "y + 1"},
        {"unknown name as the last operand", "2 * k"},
        {"unknown name between operators", "3 + z - 1"},
        {"middle dot between digits", "2\u00B73"},
        {"multiplication sign between digits", "2\u00D73"},
        {"letter x between digits", "2x3"},
        {"decimal comma", "1,5 + 1"},
        {"percent in words", "ten percent of fifty"},
        {"squared in words", "five squared"},
        {"dozen in words", "twelve dozen"},
        {"unit the catalogue lacks", "1 ton to kg"},
        {"unit abbreviation the catalogue lacks", "3 hrs to min"},
        {"units of different kinds", "5 KM TO KG"},
        {"mass to length", "2 kg to m"},
        {"value glued to its unit", "5KM TO M"},
        {"volume to mass", "1 FL OZ TO G"},
        {"conversion after a converted group", "(5 KM TO M) TO CM"},
        {"base literal among words", "0x1F + 5 apples"},
    };
    for (const auto& row : failing)
        QTest::newRow(row.name) << QStringList() << QString::fromUtf8(row.line) << cannotSolve;

    QTest::newRow("call of a deleted function")
        << QStringList{"CREATE FUNCTION F(x) = x*2", "DELETE FUNCTION F"} << "F(3)" << cannotSolve;
    QTest::newRow("option off keeps the failure")
        << QStringList{"MENU IGNORE TEXT OFF"} << "total 5 + 3 apples" << cannotSolve;

    QTest::newRow("words before and after") << QStringList() << "total 5 + 3 apples" << "8";
    QTest::newRow("exponent among words") << QStringList() << "the price is 2e3 dollars" << "2000";
    QTest::newRow("label after each number") << QStringList() << "5 apples + 3 oranges" << "8";
    QTest::newRow("headings") << QStringList() << "Rent: 1200 + Food: 300" << "1500";
    QTest::newRow("currency signs") << QStringList() << "$5 + $3" << "8";
    QTest::newRow("units without TO") << QStringList() << "5 kg + 3 kg" << "8";
    QTest::newRow("thousands separator") << QStringList() << "1,000 + 5" << "1005";
    QTest::newRow("several thousands separators") << QStringList() << "12,345,678.5 + 0.5" << "12345679";
    QTest::newRow("word operators") << QStringList() << "5 plus 3" << "8";
    QTest::newRow("heading before words") << QStringList() << "apples: five plus three" << "8";
    QTest::newRow("resolved conversion") << QStringList() << "12 inch to cm" << "30.48";
}

void SubmissionTest::ignoredText()
{
    QFETCH(QStringList, before);
    QFETCH(QString, line);
    QFETCH(QString, reply);

    pad->submit(QStringLiteral("7"));
    for (const QString& typed : before)
        pad->submit(typed);
    pad->submit(line);
    const QStringList padLines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(padLines.at(padLines.size() - 2), reply);
    const bool solved = reply != QStringLiteral("-Cannot Solve-");
    QCOMPARE(pad->boldRuns().contains(reply), solved);
    QCOMPARE(pad->status(), solved ? QStringLiteral("Value = ") + reply : QStringLiteral("Cannot Solve"));
    QCOMPARE(MainWindowTestAccess::ans(*window), solved ? reply.toDouble() : 7.0);
}

SUMVELLE_TEST_MAIN(SubmissionTest)
#include "tst_submission.moc"

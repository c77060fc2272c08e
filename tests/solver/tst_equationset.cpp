#include "pad/mainwindow.h"
#include "support/numbers.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

#include <cmath>
#include <functional>
#include <limits>

using Access = MainWindowTestAccess;

namespace {

// ANS before every test, so that "unchanged" can be told from "set".
constexpr double AnsBefore = 42.0;
const double Unchanged = std::numeric_limits<double>::quiet_NaN();

// The report of x^2 + 1 = 0 after a cancel: the best point is the start
// at 0, where the left side is 1.
const QString ReportOfSquarePlusOne = QStringLiteral(
    "Approximate Answer\n\n"
    "X = 0\n"
    "\nNo exact solution was found before solving stopped.\n\n"
    "Equation 1:\n"
    "x^2 + 1 = 0\n"
    "Calculated Left Side:  1\n"
    "Calculated Right Side: 0\n"
    "Difference:             +1\n\n"
    "Maximum Error: 1\n"
    "RMS Error: 1\n"
    "Total Squared Error: 1\n");

} // namespace

class EquationSetTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void answers_data();
    void answers();
    void answersShowTheRightDigits_data();
    void answersShowTheRightDigits();
    void storedVariablesAreKnown_data();
    void storedVariablesAreKnown();
    void cannotSolve_data();
    void cannotSolve();
    void cancelledSolve_data();
    void cancelledSolve();
    void typingAfterAnAnswerIsNotBold();
    void progressDotsCycle();
    void flagsKeepTheOutcomeUntilTheNextSolve();
    void typingDuringASolveSubmitsNothing();
    void typingCancelsEveryStrategy_data();
    void typingCancelsEveryStrategy();
    void closingTheWindowEndsTheSolve();
    void answerLandsWhereTheLineWasSubmitted_data();
    void answerLandsWhereTheLineWasSubmitted();
    void padChangingActionsRefuseDuringASolve_data();
    void padChangingActionsRefuseDuringASolve();
    void solvedEquationClearsTheDateAnswer();

private:
    // Types each line and presses Enter after it.
    void submitLines(const QStringList& lines);
    // Runs action at the first progress poll of the next solve.
    void duringSolve(std::function<void()> action);
    // What the solve inserted after the submitted lines.
    QString inserted(const QStringList& lines) const;

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
    std::unique_ptr<QTimer> actionTimer;
    std::unique_ptr<QTimer> safetyTimer;
};

void EquationSetTest::init()
{
    window = TestSupport::createWindow();
    window->show();
    pad = std::make_unique<TestSupport::Pad>(window.get());
    pad->editor()->setFocus();
    Access::ans(*window) = AnsBefore;
    // A solve that should end by itself but spins is stopped, so the test
    // fails instead of hanging.
    safetyTimer = std::make_unique<QTimer>();
    safetyTimer->setSingleShot(true);
    safetyTimer->setInterval(60000);
    connect(safetyTimer.get(), &QTimer::timeout, this, [this] { pad->enter(); });
    safetyTimer->start();
}

void EquationSetTest::cleanup()
{
    actionTimer.reset();
    safetyTimer.reset();
    pad.reset();
    window.reset();
}

void EquationSetTest::submitLines(const QStringList& lines)
{
    for (const QString& line : lines)
        pad->submit(line);
}

void EquationSetTest::duringSolve(std::function<void()> action)
{
    actionTimer = std::make_unique<QTimer>();
    actionTimer->setSingleShot(true);
    actionTimer->setInterval(0);
    connect(actionTimer.get(), &QTimer::timeout, this, std::move(action));
    actionTimer->start();
}

QString EquationSetTest::inserted(const QStringList& lines) const
{
    const QString submitted = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    const QString text = pad->text();
    if (!text.startsWith(submitted))
        return QStringLiteral("<pad changed: ") + text + QLatin1Char('>');
    return text.mid(submitted.size());
}

void EquationSetTest::answers_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("newAns");

    // Every expected value was checked by putting it back into the
    // equations; irrational roots are written to 17 digits.
    const QStringList block{"{", "x + y = 3", "x - y = 1", "}"};
    QTest::newRow("one linear equation") << QStringList{"x + 2 = 5"} << QStringList{"X"} << QList<double>{3}
                                         << "Equation solved" << 3.0;
    QTest::newRow("linear block") << block << QStringList{"X", "Y"} << QList<double>{2, 1}
                                  << "Equation system solved" << Unchanged;
    QTest::newRow("blank line inside a block") << QStringList{"{", "x + y = 3", "", "x - y = 1", "}"}
                                               << QStringList{"X", "Y"} << QList<double>{2, 1}
                                               << "Equation system solved" << Unchanged;
    QTest::newRow("fewer equations than unknowns") << QStringList{"x + y = 3"} << QStringList{"X", "Y"}
                                                   << QList<double>{3, 0} << "One solution found" << Unchanged;
    QTest::newRow("redundant block") << QStringList{"{", "2x = 4", "4x = 8", "}"} << QStringList{"X"}
                                     << QList<double>{2} << "Equation system solved" << Unchanged;
    QTest::newRow("unknown that cancels out") << QStringList{"x - x = 0"} << QStringList{"X"} << QList<double>{0}
                                              << "One solution found" << 0.0;
    QTest::newRow("names sorted, lower case found")
        << QStringList{"{", "b + a = 3", "A - B = 1", "}"} << QStringList{"A", "B"} << QList<double>{2, 1}
        << "Equation system solved" << Unchanged;
    QTest::newRow("square: positive mirror") << QStringList{"x^2 = 4"} << QStringList{"X"} << QList<double>{2}
                                             << "Equation solved" << 2.0;
    QTest::newRow("square root of two") << QStringList{"x^2 = 2"} << QStringList{"X"}
                                        << QList<double>{1.4142135623730951} << "Equation solved"
                                        << 1.4142135623730951;
    QTest::newRow("cube keeps the negative root") << QStringList{"x^3 = -8"} << QStringList{"X"}
                                                  << QList<double>{-2} << "Equation solved" << -2.0;
    QTest::newRow("points outside the domain skipped") << QStringList{"sqrt(x) = 3"} << QStringList{"X"}
                                                       << QList<double>{9} << "Equation solved" << 9.0;
    QTest::newRow("reserved PI") << QStringList{"PI*r^2 = 10"} << QStringList{"R"}
                                 << QList<double>{1.7841241161527712} << "Equation solved" << 1.7841241161527712;
    QTest::newRow("first root met from -10 wins") << QStringList{"sin(t) = 0.5"} << QStringList{"T"}
                                                  << QList<double>{-9.9483767363676785} << "Equation solved"
                                                  << -9.9483767363676785;
    QTest::newRow("block in one unknown, root search")
        << QStringList{"{", "x^2 = 4", "x + 2 = 4", "}"} << QStringList{"X"} << QList<double>{2}
        << "Equation system solved" << Unchanged;
    QTest::newRow("block rejects the mirrored root")
        << QStringList{"{", "x^2 = 4", "x^3 = -8", "}"} << QStringList{"X"} << QList<double>{-2}
        << "Equation system solved" << Unchanged;
    QTest::newRow("nonlinear block") << QStringList{"{", "x^2 - y = 1", "x + y = 5", "}"} << QStringList{"X", "Y"}
                                     << QList<double>{2, 3} << "Equation system solved" << Unchanged;
    QTest::newRow("base literals are no unknowns") << QStringList{"0x1F + 0b101 = y"} << QStringList{"Y"}
                                                   << QList<double>{36} << "Equation solved" << 36.0;
    QTest::newRow("ANS is the previous answer") << QStringList{"ans + x = 10"} << QStringList{"X"}
                                                << QList<double>{-32} << "Equation solved" << -32.0;
    // Exponents are part of their numbers, never unknowns.
    QTest::newRow("exponent 1e5") << QStringList{"2x = 1e5"} << QStringList{"X"} << QList<double>{50000}
                                  << "Equation solved" << 50000.0;
    // Written the other way round: x = 1e5 alone is an assignment.
    QTest::newRow("1e5 = x has one unknown") << QStringList{"1e5 = x"} << QStringList{"X"}
                                             << QList<double>{100000} << "Equation solved" << 100000.0;
    QTest::newRow("negative exponent") << QStringList{"x * 2.5e-3 = 1"} << QStringList{"X"} << QList<double>{400}
                                       << "Equation solved" << 400.0;
    QTest::newRow("17-digit factor") << QStringList{"9.9999999999999995e-07 * 3 = x"} << QStringList{"X"}
                                     << QList<double>{3e-06} << "Equation solved" << 3e-06;
    QTest::newRow("unknown E beside a value with an exponent")
        << QStringList{"{", "d = 0.00001", "e = 2", "}"} << QStringList{"D", "E"} << QList<double>{1e-05, 2}
        << "Equation system solved" << Unchanged;
    QTest::newRow("x after a number ending in 0") << QStringList{"10x = 20"} << QStringList{"X"}
                                                  << QList<double>{2} << "Equation solved" << 2.0;
}

void EquationSetTest::answers()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, names);
    QFETCH(QList<double>, values);
    QFETCH(QString, status);
    QFETCH(double, newAns);

    submitLines(lines);
    QCOMPARE(pad->status(), status);

    const QStringList answerLines = inserted(lines).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(answerLines.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString prefix = names.at(i) + QStringLiteral(" = ");
        QVERIFY2(answerLines.at(i).startsWith(prefix), qPrintable(answerLines.at(i)));
        bool ok = false;
        const double value = answerLines.at(i).mid(prefix.size()).toDouble(&ok);
        QVERIFY2(ok, qPrintable(answerLines.at(i)));
        QVERIFY2(TestSupport::IsClose(value, values.at(i), 1e-9), qPrintable(answerLines.at(i)));
    }
    QCOMPARE(pad->boldRuns(), answerLines);

    const double ans = Access::ans(*window);
    if (std::isnan(newAns))
        QCOMPARE(ans, AnsBefore);
    else
        QVERIFY2(TestSupport::IsClose(ans, newAns, 1e-9), qPrintable(QString::number(ans, 'g', 17)));
}

void EquationSetTest::answersShowTheRightDigits_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("status");

    // Exact answers: a coefficient measured as f(1) - f(0) lost digits
    // against the constant.
    QTest::newRow("0.05x = 12") << QStringList{"0.05x = 12"} << "X = 240\n" << "Equation solved";
    QTest::newRow("1.08x = 540") << QStringList{"1.08x = 540"} << "X = 500\n" << "Equation solved";
    QTest::newRow("x/1000 = 5") << QStringList{"x/1000 = 5"} << "X = 5000\n" << "Equation solved";
    QTest::newRow("small change to a large constant")
        << QStringList{"0.0001x + 12345 = 12345.5"} << "X = 5000\n" << "Equation solved";
    QTest::newRow("unit conversion") << QStringList{"x F TO C = 100"} << "X = 212\n" << "Equation solved";
    // Roots are the double nearest the root, not the first point whose
    // residual was below 1e-12.
    QTest::newRow("square root of two") << QStringList{"x^2 = 2"} << "X = 1.4142135623731\n" << "Equation solved";
    QTest::newRow("logarithm") << QStringList{"ln(x) = 2"} << "X = 7.38905609893065\n" << "Equation solved";
    QTest::newRow("reciprocal") << QStringList{"1/x = 3"} << "X = 0.333333333333333\n" << "Equation solved";
    QTest::newRow("small square") << QStringList{"x^2 = 1e-8"} << "X = 0.0001\n" << "Equation solved";
    QTest::newRow("tiny square") << QStringList{"x^2 = 1e-20"} << "X = 1e-10\n" << "Equation solved";
    QTest::newRow("root beyond 1e6") << QStringList{"1/x = 1e-7"} << "X = 10000000\n" << "Equation solved";
    // A residual below 1e-12 near a double root or a tangent is no answer
    // until the step has stopped moving it.
    QTest::newRow("double root") << QStringList{"(x - 0.123)^2 = 0"} << "X = 0.123\n" << "Equation solved";
    QTest::newRow("tangent circle and hyperbola")
        << QStringList{"{", "x^2 + y^2 = 2", "x*y = 1", "}"} << "X = -1\nY = -1\n" << "Equation system solved";
    // Zero is judged against the terms beside it, not against 1.
    QTest::newRow("tiny coefficient") << QStringList{"1e-13 x = 1e-13"} << "X = 1\n" << "Equation solved";
    // A linear equation is linear at any scale.
    QTest::newRow("large constant") << QStringList{"2x = 3e20"} << "X = 1.5e+20\n" << "Equation solved";
    QTest::newRow("large constant, factor 1") << QStringList{"1*x = 1e20"} << "X = 1e+20\n" << "Equation solved";
    QTest::newRow("large divisor") << QStringList{"x/1e13 = 1"} << "X = 10000000000000\n" << "Equation solved";
    QTest::newRow("4 by 4 with a half")
        << QStringList{"{", "3a - 7b + 2c + 5d = 20.5", "-4a + b - 6c + 8d = -18.5", "9a + 2b + c - 3d = 17",
                       "a - 5b + 7c + 2d = 27.5", "}"}
        << "A = 2\nB = -0.5\nC = 3\nD = 1\n" << "Equation system solved";
}

void EquationSetTest::answersShowTheRightDigits()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, answer);
    QFETCH(QString, status);

    submitLines(lines);
    QCOMPARE(inserted(lines), answer);
    QCOMPARE(pad->status(), status);
}

void EquationSetTest::storedVariablesAreKnown_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("answer");

    QTest::newRow("stored K") << "x + k = 3" << "K" << 1.0 << "X = 2\n";
    // X inside the stored name A1X is no unknown.
    QTest::newRow("unknown inside a stored name") << "A1X + x = 7" << "A1X" << 2.0 << "X = 5\n";
}

void EquationSetTest::storedVariablesAreKnown()
{
    QFETCH(QString, line);
    QFETCH(QString, variable);
    QFETCH(double, stored);
    QFETCH(QString, answer);

    Access::variables(*window).insert(variable, stored);
    pad->submit(line);
    QCOMPARE(inserted({line}), answer);
    QCOMPARE(pad->status(), QStringLiteral("Equation solved"));
    // Solved unknowns are never stored.
    QCOMPARE(Access::variables(*window).keys(), QList<QString>{variable});
}

void EquationSetTest::cannotSolve_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("status");

    // Lines whose sides all evaluate are comparisons; these fail on a side.
    QTest::newRow("no unknown") << QStringList{"sqrt(-1) = 2"} << "Cannot Solve Equation";
    QTest::newRow("reserved names only") << QStringList{"PI/0 = 3.14"} << "Cannot Solve Equation";
    QTest::newRow("block without unknowns") << QStringList{"{", "1 = 2", "3 = 3", "}"}
                                            << "Cannot Solve Equation System";
    // A linear system proved inconsistent is answered at once, with no
    // search that could never end.
    QTest::newRow("inconsistent block") << QStringList{"{", "x = 1", "x = 2", "}"} << "Cannot Solve Equation System";
    QTest::newRow("inconsistent block in two unknowns") << QStringList{"{", "x + y = 1", "x + y = 2", "}"}
                                                        << "Cannot Solve Equation System";
    QTest::newRow("unknown cancels, constant stays") << QStringList{"x - x = 5"} << "Cannot Solve Equation";
    // Shapes that can never evaluate are answered at once.
    QTest::newRow("block line without =") << QStringList{"{", "x + 1", "y = 2", "}"}
                                          << "Cannot Solve Equation System";
    QTest::newRow("block line with ==") << QStringList{"{", "x == 2", "y = 1", "}"}
                                        << "Cannot Solve Equation System";
    QTest::newRow("block line with two =") << QStringList{"{", "x = y = 2", "x = 1", "}"}
                                           << "Cannot Solve Equation System";
    QTest::newRow("block line with an empty side") << QStringList{"{", "x =", "y = 1", "}"}
                                                   << "Cannot Solve Equation System";
}

void EquationSetTest::cannotSolve()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, status);

    submitLines(lines);
    QCOMPARE(inserted(lines), QStringLiteral("-Cannot Solve-\n"));
    QCOMPARE(pad->status(), status);
    QCOMPARE(pad->boldRuns(), QStringList());
    QCOMPARE(Access::ans(*window), AnsBefore);
}

void EquationSetTest::cancelledSolve_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("approximate");

    QTest::newRow("no real root") << QStringList{"x^2 + 1 = 0"} << ReportOfSquarePlusOne << "Approximate answer"
                                  << true;
    // x*x is never negative: the start at 0 misses by 1 and 3, and every
    // other point by more.
    QTest::newRow("contradictory block") << QStringList{"{", "x*x = -1", "x*x = -3", "}"}
                                         << QStringLiteral("Approximate Answer\n\n"
                                                           "X = 0\n"
                                                           "\nNo exact solution was found before solving stopped.\n\n"
                                                           "Equation 1:\n"
                                                           "x*x = -1\n"
                                                           "Calculated Left Side:  0\n"
                                                           "Calculated Right Side: -1\n"
                                                           "Difference:             +1\n\n"
                                                           "Equation 2:\n"
                                                           "x*x = -3\n"
                                                           "Calculated Left Side:  0\n"
                                                           "Calculated Right Side: -3\n"
                                                           "Difference:             +3\n\n"
                                                           "Maximum Error: 3\n"
                                                           "RMS Error: 2.23606797749979\n"
                                                           "Total Squared Error: 10\n")
                                         << "Approximate answer" << true;
    QTest::newRow("never evaluates") << QStringList{"1/(x-x) = 1"} << QString() << "Solve cancelled" << false;
}

void EquationSetTest::cancelledSolve()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, report);
    QFETCH(QString, status);
    QFETCH(bool, approximate);

    // Enter typed during the solve cancels it; its newline stays before the
    // report.
    duringSolve([this] { pad->enter(); });
    submitLines(lines);
    QCOMPARE(inserted(lines), QLatin1Char('\n') + report);
    QCOMPARE(pad->status(), status);
    QVERIFY(Access::solveCancelled(*window));
    QCOMPARE(Access::solveApproximate(*window), approximate);
    QVERIFY(!Access::solveRunning(*window));
    // An approximate answer never becomes ANS, even for one unknown.
    QCOMPARE(Access::ans(*window), AnsBefore);
    QStringList boldLines;
    if (approximate) {
        for (const QString& line : report.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Approximate")) || line.startsWith(QLatin1String("X =")))
                boldLines << line;
            else if (line.startsWith(QLatin1String("Equation ")))
                boldLines << line;
        }
    }
    QCOMPARE(pad->boldRuns(), boldLines);
}

void EquationSetTest::typingAfterAnAnswerIsNotBold()
{
    pad->submit(QStringLiteral("x + 2 = 5"));
    pad->type(QStringLiteral("7"));
    QCOMPARE(pad->text(), QStringLiteral("x + 2 = 5\nX = 3\n7"));
    QCOMPARE(pad->boldRuns(), QStringList{"X = 3"});
}

void EquationSetTest::progressDotsCycle()
{
    // Every poll lets a zero-interval timer run once: it notes the status
    // and cancels after the dots have gone round once.
    QStringList seen;
    QTimer observer;
    observer.setInterval(0);
    connect(&observer, &QTimer::timeout, this, [&] {
        const QString status = pad->status();
        if (seen.isEmpty() || seen.last() != status)
            seen.append(status);
        if (seen.size() == 4)
            pad->type(QStringLiteral(" "));
    });
    observer.start();
    pad->submit(QStringLiteral("x^2 + 1 = 0"));
    observer.stop();
    const QString solving = QStringLiteral("(Type to Cancel) Solving");
    QCOMPARE(seen, QStringList({solving + ".", solving + "..", solving + "...", solving + "."}));
    QCOMPARE(pad->status(), QStringLiteral("Approximate answer"));
}

void EquationSetTest::flagsKeepTheOutcomeUntilTheNextSolve()
{
    duringSolve([this] { pad->enter(); });
    pad->submit(QStringLiteral("x^2 + 1 = 0"));
    QVERIFY(Access::solveCancelled(*window));
    QVERIFY(Access::solveApproximate(*window));
    QVERIFY(Access::solveCancelRequested(*window));

    pad->submit(QStringLiteral("x + 1 = 2"));
    QCOMPARE(pad->status(), QStringLiteral("Equation solved"));
    QVERIFY(!Access::solveRunning(*window));
    QVERIFY(!Access::solveCancelRequested(*window));
    QVERIFY(!Access::solveCancelled(*window));
    QVERIFY(!Access::solveApproximate(*window));
}

void EquationSetTest::typingDuringASolveSubmitsNothing()
{
    qsizetype undoStepsDuringSolve = -1;
    QString statusAfterTyping;
    duringSolve([&] {
        undoStepsDuringSolve = Access::undoSteps(*window);
        pad->type(QStringLiteral("1+2"));
        pad->enter();
        statusAfterTyping = pad->status();
        QCOMPARE(Access::undoSteps(*window), undoStepsDuringSolve);
    });
    pad->submit(QStringLiteral("x^2 + 1 = 0"));
    // No answer 3 and no preview: the typing only cancelled.
    QVERIFY(statusAfterTyping.startsWith(QLatin1String("(Type to Cancel) Solving")));
    QCOMPARE(inserted({"x^2 + 1 = 0"}), QStringLiteral("1+2\n") + ReportOfSquarePlusOne);
    QCOMPARE(pad->status(), QStringLiteral("Approximate answer"));
}

void EquationSetTest::typingCancelsEveryStrategy_data()
{
    QTest::addColumn<QStringList>("equations");
    QTest::addColumn<QString>("status");

    // Long enough to be still running at the first poll for events.
    QStringList block;
    for (int k = 0; k < 3000; ++k)
        block << QStringLiteral("2*x%1 - x%2 = %3").arg(k).arg(k + 1).arg(k % 5);
    block << QStringLiteral("x3000 = 1");
    QTest::newRow("linear block") << block << "Solve cancelled";
    QString longEquation = QStringLiteral("x^2");
    for (int k = 0; k < 3000; ++k)
        longEquation += QStringLiteral(" + sin(x + %1) - sin(x + %1)").arg(k);
    // A root search cut short hands over to the nonlinear solver, which
    // answers with its best point.
    QTest::newRow("long equation in one unknown")
        << QStringList{longEquation + QStringLiteral(" = -1")} << "Approximate answer";
}

void EquationSetTest::typingCancelsEveryStrategy()
{
    QFETCH(QStringList, equations);
    QFETCH(QString, status);

    QString statusWhileSolving;
    duringSolve([&] {
        statusWhileSolving = pad->status();
        pad->type(QStringLiteral("a"));
    });
    window->HandleEquationSet(equations);
    QVERIFY2(statusWhileSolving.startsWith(QLatin1String("(Type to Cancel) Solving")), qPrintable(statusWhileSolving));
    QCOMPARE(pad->status(), status);
    if (status == QLatin1String("Solve cancelled"))
        QCOMPARE(pad->text(), QStringLiteral("a"));
    else
        QVERIFY(pad->text().startsWith(QLatin1String("aApproximate Answer\n")));
    QVERIFY(Access::solveCancelled(*window));
    QVERIFY(!Access::solveRunning(*window));
}

void EquationSetTest::closingTheWindowEndsTheSolve()
{
    duringSolve([this] { window->close(); });
    pad->submit(QStringLiteral("x^2 + 1 = 0"));
    QVERIFY(!window->isVisible());
    QVERIFY(!Access::solveRunning(*window));
    QVERIFY(Access::solveCancelled(*window));
    // Nothing is answered into a closing pad.
    QCOMPARE(pad->text(), QStringLiteral("x^2 + 1 = 0\n"));
}

void EquationSetTest::answerLandsWhereTheLineWasSubmitted_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("text");

    // A click at the start, then a character typed there to cancel.
    QTest::newRow("cursor moved") << false << QStringLiteral("zx^2 + 1 = 0\n") + ReportOfSquarePlusOne;
    // Everything selected (a Find would do it) and the pad changed elsewhere:
    // the answer replaces nothing.
    QTest::newRow("text selected") << true << QStringLiteral("zx^2 + 1 = 0\n") + ReportOfSquarePlusOne;
}

void EquationSetTest::answerLandsWhereTheLineWasSubmitted()
{
    QFETCH(bool, select);
    QFETCH(QString, text);

    duringSolve([&] {
        if (select) {
            pad->editor()->selectAll();
            QTextCursor elsewhere(pad->editor()->document());
            elsewhere.insertText(QStringLiteral("z"));
        } else {
            pad->editor()->moveCursor(QTextCursor::Start);
            pad->type(QStringLiteral("z"));
        }
    });
    pad->submit(QStringLiteral("x^2 + 1 = 0"));
    QCOMPARE(pad->text(), text);
    QCOMPARE(pad->status(), QStringLiteral("Approximate answer"));
    QCOMPARE(pad->editor()->textCursor().position(), int(text.size()));
}

void EquationSetTest::padChangingActionsRefuseDuringASolve_data()
{
    QTest::addColumn<QString>("action");

    QTest::newRow("New") << "actionNew_Document";
    QTest::newRow("Open") << "actionOpen_Document";
    QTest::newRow("Insert at Cursor") << "actionInsert_Document_At_Cursor";
    QTest::newRow("Clear Pad") << "actionClear_Pad";
}

void EquationSetTest::padChangingActionsRefuseDuringASolve()
{
    QFETCH(QString, action);

    auto* menuAction = window->findChild<QAction*>(action);
    QVERIFY(menuAction);
    QString statusDuringSolve;
    duringSolve([&] {
        menuAction->trigger();
        statusDuringSolve = pad->status();
        pad->enter();
    });
    pad->submit(QStringLiteral("x^2 + 1 = 0"));
    QCOMPARE(statusDuringSolve, QStringLiteral("Please finish the current calculation first"));
    QCOMPARE(inserted({"x^2 + 1 = 0"}), QLatin1Char('\n') + ReportOfSquarePlusOne);

    // With nothing running they do not refuse.
    pad->statusLabel()->setText(QStringLiteral("idle"));
    QVERIFY(!window->RefuseWhileBusy());
    QCOMPARE(pad->status(), QStringLiteral("idle"));
}

void EquationSetTest::solvedEquationClearsTheDateAnswer()
{
    Access::ansText(*window) = QStringLiteral("2024-01-01");
    Access::ansIsDateTime(*window) = true;
    pad->submit(QStringLiteral("x + 2 = 5"));
    QCOMPARE(Access::ans(*window), 3.0);
    QCOMPARE(Access::ansText(*window), QString());
    QVERIFY(!Access::ansIsDateTime(*window));
}

SUMVELLE_TEST_MAIN(EquationSetTest)
#include "tst_equationset.moc"

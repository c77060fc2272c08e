#include "support/numbers.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <cmath>

// The financial functions. Expected values come from the closed-form formulas
// in the comments, evaluated to 40 digits outside this program.
class FinancialTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void values_data();
    void values();
    void failures_data();
    void failures();
    void namesAreCaseInsensitive();
    void otherNamesAreLeftToTheNextFamily_data();
    void otherNamesAreLeftToTheNextFamily();

    void loanScheduleEnds_data();
    void loanScheduleEnds();
    void paymentSplitsIntoInterestAndPrincipal();
    void rateInvertsPayment_data();
    void rateInvertsPayment();
    void presentValueInvertsFutureValue();

    void tenThousandCashFlows();

    void throughTheParser_data();
    void throughTheParser();
    void failuresThroughTheParser_data();
    void failuresThroughTheParser();

private:
    std::unique_ptr<MainWindow> window;
    double run(const QString& name, const QList<double>& arguments, bool& ok, bool& handled);
};

void FinancialTest::initTestCase()
{
    window = TestSupport::createWindow();
}

double FinancialTest::run(const QString& name, const QList<double>& arguments, bool& ok, bool& handled)
{
    ok = false;
    handled = false;
    return window->RunFinancialFunction(name, arguments, ok, handled);
}

void FinancialTest::values_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");
    QTest::addColumn<double>("expected");

    const double monthly5 = 0.05 / 12;

    // PV * g + pmt * (g - 1) / r, g = (1 + r)^n
    QTest::newRow("FV savings with deposits") << "FV" << QList<double>{monthly5, 120, 10000, 100} << 31998.322921469623;
    QTest::newRow("FV payment defaults to 0") << "FV" << QList<double>{0.05, 10, 100} << 162.88946267774414;
    QTest::newRow("FV zero rate is PV + pmt * n") << "FV" << QList<double>{0, 10, 100, 5} << 150.0;
    QTest::newRow("FV rate below 1e-15 counts as zero") << "FV" << QList<double>{1e-16, 10, 100, 5} << 150.0;
    QTest::newRow("FV zero periods") << "FV" << QList<double>{0.05, 0, 100, 5} << 100.0;

    // (FV - pmt * (g - 1) / r) / g
    QTest::newRow("PV with deposits") << "PV" << QList<double>{0.04, 8, 5000, 200} << 2306.9020500198404;
    QTest::newRow("PV zero rate is FV - pmt * n") << "PV" << QList<double>{0, 10, 150, 5} << 100.0;

    // (PV * g - FV) * r / (g - 1)
    QTest::newRow("PMT 30-year mortgage") << "PMT" << QList<double>{0.005, 360, 300000} << 1798.6515754582572;
    QTest::newRow("PMT down to a balloon") << "PMT" << QList<double>{0.005, 60, 25000, 5000} << 411.65603058855837;
    QTest::newRow("PMT zero rate is PV / n") << "PMT" << QList<double>{0, 12, 1200} << 100.0;

    // ln((pmt / r - FV) / (pmt / r - PV)) / ln(1 + r)
    QTest::newRow("NPER repaid in full") << "NPER" << QList<double>{0.005, 600, 25000} << 46.839680564951385;
    QTest::newRow("NPER down to a balance") << "NPER" << QList<double>{0.005, 600, 25000, 1000} << 45.16184998409408;
    QTest::newRow("NPER zero rate is (PV - FV) / pmt") << "NPER" << QList<double>{0, 100, 1200} << 12.0;

    // Root of PMT(x, n, PV, FV) - pmt
    QTest::newRow("RATE near half a percent") << "RATE" << QList<double>{60, 483.32, 25000} << 0.00499999725901451;
    QTest::newRow("RATE down to a balance") << "RATE" << QList<double>{120, 150, 10000, 2000} << 0.011981522380679748;

    // IPMT = B * r, PPMT = pmt - B * r, B = PV * g_k - pmt * (g_k - 1) / r with k = period - 1
    QTest::newRow("IPMT first period is PV * r") << "IPMT" << QList<double>{0.005, 1, 360, 300000} << 1500.0;
    QTest::newRow("PPMT first period") << "PPMT" << QList<double>{0.005, 1, 360, 300000} << 298.6515754582572;
    QTest::newRow("IPMT thirteenth period") << "IPMT" << QList<double>{0.005, 13, 360, 300000} << 1481.5798243158492;
    QTest::newRow("PPMT thirteenth period") << "PPMT" << QList<double>{0.005, 13, 360, 300000} << 317.07175114240797;
    QTest::newRow("IPMT zero rate") << "IPMT" << QList<double>{0, 3, 12, 1200} << 0.0;
    QTest::newRow("PPMT zero rate") << "PPMT" << QList<double>{0, 3, 12, 1200} << 100.0;

    QTest::newRow("BALANCE after five years") << "BALANCE" << QList<double>{0.005, 360, 300000, 60} << 279163.07046845868;
    QTest::newRow("BALANCE before any payment") << "BALANCE" << QList<double>{0.005, 360, 300000, 0} << 300000.0;
    QTest::newRow("BALANCE zero rate") << "BALANCE" << QList<double>{0, 12, 1200, 3} << 900.0;

    // pmt * n - PV
    QTest::newRow("INTEREST over a mortgage") << "INTEREST" << QList<double>{0.005, 360, 300000} << 347514.56716497259;
    QTest::newRow("INTEREST zero rate") << "INTEREST" << QList<double>{0, 12, 1200} << 0.0;

    // P * (1 + r / m)^(m * t)
    QTest::newRow("COMPOUND monthly for ten years") << "COMPOUND" << QList<double>{1000, 0.05, 12, 10} << 1647.009497690283;
    QTest::newRow("COMPOUND zero years") << "COMPOUND" << QList<double>{1000, 0.05, 12, 0} << 1000.0;
    // (1 + apr / m)^m - 1 and ((1 + apy)^(1 / m) - 1) * m
    QTest::newRow("APY of 6% monthly") << "APY" << QList<double>{0.06, 12} << 0.061677811864499569;
    QTest::newRow("APR back from that APY") << "APR" << QList<double>{0.061677811864499569, 12} << 0.06;
    QTest::newRow("APR quarterly") << "APR" << QList<double>{0.05, 4} << 0.049088937716157083;

    // cf0 + cf1 / 1.1 + cf2 / 1.1^2 + cf3 / 1.1^3
    QTest::newRow("NPV first flow undiscounted") << "NPV" << QList<double>{0.1, -1000, 300, 400, 500} << -21.036814425244177;
    QTest::newRow("NPV of one flow is that flow") << "NPV" << QList<double>{0.1, 42} << 42.0;
    QTest::newRow("NPV at rate zero is the sum") << "NPV" << QList<double>{0, -10, 4, 4, 4} << 2.0;

    // Root of -1000 + 300 / (1 + x) + 400 / (1 + x)^2 + 500 / (1 + x)^3
    QTest::newRow("IRR converging from the first start") << "IRR" << QList<double>{-1000, 300, 400, 500} << 0.088963394693349935;
    // -100 + 1 / (1 + x) = 0 at x = -0.99: every Newton start overshoots below -1,
    // only the scan can find it.
    QTest::newRow("IRR found only by the scan") << "IRR" << QList<double>{-100, 1} << -0.99;
    QTest::newRow("IRR of doubling money") << "IRR" << QList<double>{-100, 200} << 1.0;

    QTest::newRow("ROI") << "ROI" << QList<double>{800, 1000} << 0.25;
    QTest::newRow("ROI of a loss") << "ROI" << QList<double>{1000, 800} << -0.2;
    QTest::newRow("PERCENTCHANGE") << "PERCENTCHANGE" << QList<double>{50, 75} << 0.5;
    QTest::newRow("PERCENTCHANGE from a negative value") << "PERCENTCHANGE" << QList<double>{-50, -25} << -0.5;
    // (final / initial)^(1 / years) - 1
    QTest::newRow("CAGR over two years") << "CAGR" << QList<double>{100, 121, 2} << 0.1;
    QTest::newRow("CAGR doubling in five years") << "CAGR" << QList<double>{100, 200, 5} << 0.14869835499703501;
    QTest::newRow("CAGR to nothing") << "CAGR" << QList<double>{100, 0, 5} << -1.0;
    QTest::newRow("MARKUP") << "MARKUP" << QList<double>{80, 0.25} << 100.0;
    QTest::newRow("MARGIN") << "MARGIN" << QList<double>{125, 100} << 0.2;
    QTest::newRow("DISCOUNT") << "DISCOUNT" << QList<double>{100, 0.2} << 80.0;
    QTest::newRow("TAX") << "TAX" << QList<double>{100, 0.0725} << 107.25;
}

void FinancialTest::values()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);
    QFETCH(double, expected);
    bool ok = false;
    bool handled = false;
    const double value = run(name, arguments, ok, handled);
    QVERIFY(handled);
    QVERIFY2(ok, qPrintable(TestSupport::DescribeCall(name, arguments) + QStringLiteral(" failed")));
    QVERIFY2(TestSupport::IsClose(value, expected, 1e-10),
             qPrintable(QStringLiteral("%1 = %2, expected %3")
                            .arg(TestSupport::DescribeCall(name, arguments))
                            .arg(value, 0, 'g', 17)
                            .arg(expected, 0, 'g', 17)));
}

void FinancialTest::failures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");

    QTest::newRow("FV with 2 arguments") << "FV" << QList<double>{0.05, 10};
    QTest::newRow("FV with 5 arguments") << "FV" << QList<double>{0.05, 10, 100, 5, 1};
    QTest::newRow("FV rate of -100%") << "FV" << QList<double>{-1, 10, 100};
    QTest::newRow("FV negative periods") << "FV" << QList<double>{0.05, -1, 100};
    QTest::newRow("FV that overflows") << "FV" << QList<double>{0.1, 1e6, 100};
    QTest::newRow("FV of NaN") << "FV" << QList<double>{std::nan(""), 10, 100};

    QTest::newRow("PV with no arguments") << "PV" << QList<double>{};
    QTest::newRow("PV rate below -100%") << "PV" << QList<double>{-1.5, 10, 100};
    QTest::newRow("PV negative periods") << "PV" << QList<double>{0.05, -2, 100};
    QTest::newRow("PV growth overflows") << "PV" << QList<double>{0.5, 1e4, 100};

    QTest::newRow("PMT zero periods") << "PMT" << QList<double>{0.005, 0, 300000};
    QTest::newRow("PMT negative present value") << "PMT" << QList<double>{0.005, 360, -300000};
    QTest::newRow("PMT negative future value") << "PMT" << QList<double>{0.005, 360, 300000, -1};
    QTest::newRow("PMT rate of -100%") << "PMT" << QList<double>{-1, 360, 300000};
    QTest::newRow("PMT growth overflows") << "PMT" << QList<double>{1, 2000, 100};
    QTest::newRow("PMT growth indistinguishable from 1") << "PMT" << QList<double>{1e-14, 1e-3, 100};

    QTest::newRow("NPER payment of zero") << "NPER" << QList<double>{0.005, 0, 25000};
    QTest::newRow("NPER negative present value") << "NPER" << QList<double>{0.005, 600, -25000};
    QTest::newRow("NPER negative future value") << "NPER" << QList<double>{0.005, 600, 25000, -1};
    QTest::newRow("NPER rate of -100%") << "NPER" << QList<double>{-1, 600, 25000};
    QTest::newRow("NPER payment below the interest") << "NPER" << QList<double>{0.01, 100, 20000};
    QTest::newRow("NPER payment equal to the interest") << "NPER" << QList<double>{0.01, 100, 10000};
    QTest::newRow("NPER target above the loan") << "NPER" << QList<double>{0.01, 100, 1000, 2000};
    QTest::newRow("NPER zero rate, target above the loan") << "NPER" << QList<double>{0, 100, 1000, 2000};
    QTest::newRow("NPER negative rate") << "NPER" << QList<double>{-0.01, 100, 1000};

    QTest::newRow("RATE with 2 arguments") << "RATE" << QList<double>{60, 483.32};
    QTest::newRow("RATE zero periods") << "RATE" << QList<double>{0, 483.32, 25000};
    QTest::newRow("RATE negative payment") << "RATE" << QList<double>{60, -483.32, 25000};
    QTest::newRow("RATE negative present value") << "RATE" << QList<double>{60, 483.32, -25000};
    QTest::newRow("RATE negative future value") << "RATE" << QList<double>{60, 483.32, 25000, -1};
    // Nothing borrowed, nothing owed: no rate makes the payment 100.
    QTest::newRow("RATE without a root after the full scan") << "RATE" << QList<double>{12, 100, 0};

    QTest::newRow("IPMT with 3 arguments") << "IPMT" << QList<double>{0.005, 1, 360};
    QTest::newRow("IPMT period 0") << "IPMT" << QList<double>{0.005, 0, 360, 300000};
    QTest::newRow("IPMT period after the last") << "IPMT" << QList<double>{0.005, 361, 360, 300000};
    QTest::newRow("IPMT zero periods") << "IPMT" << QList<double>{0.005, 1, 0, 300000};
    QTest::newRow("IPMT negative present value") << "IPMT" << QList<double>{0.005, 1, 360, -300000};
    QTest::newRow("IPMT rate of -100%") << "IPMT" << QList<double>{-1, 1, 360, 300000};
    QTest::newRow("PPMT period 0") << "PPMT" << QList<double>{0.005, 0, 360, 300000};
    QTest::newRow("PPMT period after the last") << "PPMT" << QList<double>{0.005, 361, 360, 300000};
    QTest::newRow("PPMT with 5 arguments") << "PPMT" << QList<double>{0.005, 1, 360, 300000, 0};

    QTest::newRow("BALANCE with 3 arguments") << "BALANCE" << QList<double>{0.005, 360, 300000};
    QTest::newRow("BALANCE zero periods") << "BALANCE" << QList<double>{0.005, 0, 300000, 0};
    QTest::newRow("BALANCE negative payments made") << "BALANCE" << QList<double>{0.005, 360, 300000, -1};
    QTest::newRow("BALANCE more payments than periods") << "BALANCE" << QList<double>{0.005, 360, 300000, 361};
    QTest::newRow("BALANCE negative present value") << "BALANCE" << QList<double>{0.005, 360, -300000, 10};
    QTest::newRow("BALANCE rate below -100%") << "BALANCE" << QList<double>{-2, 360, 300000, 10};

    QTest::newRow("INTEREST with 4 arguments") << "INTEREST" << QList<double>{0.005, 360, 300000, 0};
    QTest::newRow("INTEREST zero periods") << "INTEREST" << QList<double>{0.005, 0, 300000};
    QTest::newRow("INTEREST negative present value") << "INTEREST" << QList<double>{0.005, 360, -1};

    QTest::newRow("COMPOUND with 3 arguments") << "COMPOUND" << QList<double>{1000, 0.05, 12};
    QTest::newRow("COMPOUND zero compounds a year") << "COMPOUND" << QList<double>{1000, 0.05, 0, 10};
    QTest::newRow("COMPOUND negative years") << "COMPOUND" << QList<double>{1000, 0.05, 12, -1};
    QTest::newRow("COMPOUND rate below -100% a period") << "COMPOUND" << QList<double>{1000, -24, 12, 1};

    QTest::newRow("APY with 1 argument") << "APY" << QList<double>{0.06};
    QTest::newRow("APY zero compounds a year") << "APY" << QList<double>{0.06, 0};
    QTest::newRow("APY rate below -100% a period") << "APY" << QList<double>{-24, 12};
    QTest::newRow("APR negative compounds a year") << "APR" << QList<double>{0.06, -12};
    QTest::newRow("APR yield of -100%") << "APR" << QList<double>{-1, 12};

    QTest::newRow("NPV with only a rate") << "NPV" << QList<double>{0.1};
    QTest::newRow("NPV rate of -100%") << "NPV" << QList<double>{-1, -1000, 300};
    QTest::newRow("NPV that overflows") << "NPV" << QList<double>{0.1, 1e308, 1e308, 1e308};

    QTest::newRow("IRR with one flow") << "IRR" << QList<double>{-1000};
    QTest::newRow("IRR without an outflow") << "IRR" << QList<double>{100, 200};
    QTest::newRow("IRR without an inflow") << "IRR" << QList<double>{-100, -200};
    QTest::newRow("IRR of zeros") << "IRR" << QList<double>{0, 0, 0};
    // -1 + v - v^2 < 0 for every v = 1 / (1 + x) > 0: the sum never reaches zero.
    QTest::newRow("IRR without a root after the full scan") << "IRR" << QList<double>{-1, 1, -1};

    QTest::newRow("ROI from zero") << "ROI" << QList<double>{0, 5};
    QTest::newRow("ROI with 3 arguments") << "ROI" << QList<double>{1, 2, 3};
    QTest::newRow("PERCENTCHANGE from zero") << "PERCENTCHANGE" << QList<double>{0, 5};
    QTest::newRow("CAGR from zero") << "CAGR" << QList<double>{0, 5, 1};
    QTest::newRow("CAGR over zero years") << "CAGR" << QList<double>{1, 5, 0};
    QTest::newRow("CAGR to a negative value") << "CAGR" << QList<double>{1, -5, 1};
    QTest::newRow("MARKUP with 1 argument") << "MARKUP" << QList<double>{80};
    QTest::newRow("MARKUP that overflows") << "MARKUP" << QList<double>{1e308, 10};
    QTest::newRow("MARGIN on zero revenue") << "MARGIN" << QList<double>{0, 5};
    QTest::newRow("DISCOUNT with 3 arguments") << "DISCOUNT" << QList<double>{100, 0.2, 1};
    QTest::newRow("TAX with no arguments") << "TAX" << QList<double>{};
}

void FinancialTest::failures()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);
    bool ok = true;
    bool handled = false;
    const double value = window->RunFinancialFunction(name, arguments, ok, handled);
    QVERIFY2(handled, "a failing call of a financial name is still the family's");
    QVERIFY2(!ok, qPrintable(TestSupport::DescribeCall(name, arguments) + QStringLiteral(" = %1").arg(value, 0, 'g', 17)));
    QCOMPARE(value, 0.0);
}

void FinancialTest::namesAreCaseInsensitive()
{
    bool upperOk = false;
    bool lowerOk = false;
    bool handled = false;
    const double upper = run("FV", {0.05, 10, 100}, upperOk, handled);
    const double lower = run("fv", {0.05, 10, 100}, lowerOk, handled);
    QVERIFY(handled);
    QVERIFY(upperOk && lowerOk);
    QCOMPARE(lower, upper);
    QVERIFY(TestSupport::IsClose(run("Irr", {-1000, 300, 400, 500}, lowerOk, handled), 0.088963394693349935, 1e-10));
    QVERIFY(lowerOk);
}

void FinancialTest::otherNamesAreLeftToTheNextFamily_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("built-in") << "SIN";
    QTest::newRow("statistics") << "SUM";
    QTest::newRow("GD&T margin is not MARGIN") << "POSITIONMARGIN";
    QTest::newRow("prefix of a financial name") << "PM";
    QTest::newRow("financial name with a suffix") << "PMTX";
    QTest::newRow("empty") << "";
}

void FinancialTest::otherNamesAreLeftToTheNextFamily()
{
    QFETCH(QString, name);
    bool ok = true;
    bool handled = true;
    QCOMPARE(window->RunFinancialFunction(name, {1, 2, 3}, ok, handled), 0.0);
    QVERIFY(!handled);
}

void FinancialTest::loanScheduleEnds_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("periods");
    QTest::addColumn<double>("presentValue");
    QTest::newRow("mortgage") << 0.005 << 360.0 << 300000.0;
    QTest::newRow("car loan") << 0.07 / 12 << 60.0 << 25000.0;
    QTest::newRow("zero rate") << 0.0 << 12.0 << 1200.0;
}

// After the last payment nothing is owed.
void FinancialTest::loanScheduleEnds()
{
    QFETCH(double, rate);
    QFETCH(double, periods);
    QFETCH(double, presentValue);
    bool ok = false;
    bool handled = false;
    const double balance = run("BALANCE", {rate, periods, presentValue, periods}, ok, handled);
    QVERIFY(ok);
    QVERIFY2(std::abs(balance) < 1e-6 * presentValue, qPrintable(QString::number(balance, 'g', 17)));
}

// Interest and principal of every payment add up to the payment, and the
// principal parts repay the loan.
void FinancialTest::paymentSplitsIntoInterestAndPrincipal()
{
    const double rate = 0.07 / 12;
    const double periods = 60;
    const double presentValue = 25000;
    bool ok = false;
    bool handled = false;
    const double payment = run("PMT", {rate, periods, presentValue}, ok, handled);
    QVERIFY(ok);
    double principalRepaid = 0;
    for (int period = 1; period <= periods; ++period) {
        bool interestOk = false;
        bool principalOk = false;
        const double interest = run("IPMT", {rate, double(period), periods, presentValue}, interestOk, handled);
        const double principal = run("PPMT", {rate, double(period), periods, presentValue}, principalOk, handled);
        QVERIFY(interestOk && principalOk);
        QVERIFY(TestSupport::IsClose(interest + principal, payment, 1e-12));
        principalRepaid += principal;
    }
    QVERIFY(TestSupport::IsClose(principalRepaid, presentValue, 1e-10));
}

void FinancialTest::rateInvertsPayment_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("periods");
    QTest::addColumn<double>("presentValue");
    QTest::addColumn<double>("futureValue");
    QTest::newRow("mortgage") << 0.005 << 360.0 << 300000.0 << 0.0;
    QTest::newRow("high rate") << 0.8 << 10.0 << 1000.0 << 0.0;
    QTest::newRow("negative rate") << -0.02 << 24.0 << 1000.0 << 0.0;
    QTest::newRow("with a balloon") << 0.01 << 48.0 << 20000.0 << 5000.0;
}

void FinancialTest::rateInvertsPayment()
{
    QFETCH(double, rate);
    QFETCH(double, periods);
    QFETCH(double, presentValue);
    QFETCH(double, futureValue);
    bool ok = false;
    bool handled = false;
    const double payment = run("PMT", {rate, periods, presentValue, futureValue}, ok, handled);
    QVERIFY(ok);
    const double found = run("RATE", {periods, payment, presentValue, futureValue}, ok, handled);
    QVERIFY(ok);
    QVERIFY2(std::abs(found - rate) < 1e-9, qPrintable(QString::number(found, 'g', 17)));
}

void FinancialTest::presentValueInvertsFutureValue()
{
    bool ok = false;
    bool handled = false;
    const double future = run("FV", {0.05 / 12, 120, 10000, 100}, ok, handled);
    QVERIFY(ok);
    const double present = run("PV", {0.05 / 12, 120, future, 100}, ok, handled);
    QVERIFY(ok);
    QVERIFY(TestSupport::IsClose(present, 10000, 1e-12));
}

// 10,000 values go through without recursion: -5000 now, then 9999 payments of 1.
void FinancialTest::tenThousandCashFlows()
{
    QList<double> flows{-5000};
    flows.append(QList<double>(9999, 1.0));
    bool ok = false;
    bool handled = false;

    // -5000 + (1 - 1.001^-9999) / 0.001
    const double npv = run("NPV", QList<double>{0.001} + flows, ok, handled);
    QVERIFY(ok);
    QVERIFY2(TestSupport::IsClose(npv, -4000.0456729732259, 1e-10), qPrintable(QString::number(npv, 'g', 17)));

    // Root of -5000 + (1 - (1 + x)^-9999) / x
    const double irr = run("IRR", flows, ok, handled);
    QVERIFY(ok);
    QVERIFY2(std::abs(irr - 0.00015934282111664558) < 1e-12, qPrintable(QString::number(irr, 'g', 17)));
}

void FinancialTest::throughTheParser_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("expected");
    QTest::newRow("PMT with percent rates") << "PMT(6%/12, 360, 300000)" << 1798.6515754582572;
    QTest::newRow("NPV with a percent rate") << "NPV(10%, -1000, 300, 400, 500)" << -21.036814425244177;
    QTest::newRow("IRR with a negative first flow") << "IRR(-1000, 300, 400, 500)" << 0.088963394693349935;
    QTest::newRow("lower-case name") << "fv(0.05, 10, 100)" << 162.88946267774414;
    QTest::newRow("APR of APY") << "APR(APY(6%, 12), 12)" << 0.06;
    QTest::newRow("inside arithmetic") << "2 * MARKUP(80, 25%) + 1" << 201.0;
}

void FinancialTest::throughTheParser()
{
    QFETCH(QString, input);
    QFETCH(double, expected);
    bool ok = false;
    const double value = window->Eval(input, ok);
    QVERIFY2(ok, qPrintable(input));
    QVERIFY2(TestSupport::IsClose(value, expected, 1e-10), qPrintable(QString::number(value, 'g', 17)));
}

void FinancialTest::failuresThroughTheParser_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("wrong argument count is not retried elsewhere") << "FV(0.05, 10)";
    QTest::newRow("domain failure") << "PMT(6%/12, 0, 300000)";
    QTest::newRow("rate that cannot be found") << "IRR(-1, 1, -1)";
    QTest::newRow("failure inside arithmetic") << "1 + ROI(0, 5)";
}

// A failed call fails the whole expression.
void FinancialTest::failuresThroughTheParser()
{
    QFETCH(QString, input);
    bool ok = true;
    QCOMPARE(window->Eval(input, ok), 0.0);
    QVERIFY(!ok);
}

SUMVELLE_TEST_MAIN(FinancialTest)
#include "tst_financial.moc"

#include "support/numbers.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <QSet>

#include <cmath>
#include <limits>

// The statistics functions. Expected values are worked by hand or come from
// the formulas in the comments, evaluated to 40 digits outside this program.
class StatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void values_data();
    void values();
    void failures_data();
    void failures();
    void otherNamesAreLeftToTheNextFamily_data();
    void otherNamesAreLeftToTheNextFamily();

    void randomStaysInUnitInterval();
    void randomIntegerStaysInBounds_data();
    void randomIntegerStaysInBounds();

    void tenThousandValues_data();
    void tenThousandValues();

    void throughTheParser_data();
    void throughTheParser();
    void tenThousandArgumentsThroughTheParser();

private:
    std::unique_ptr<MainWindow> window;
};

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double TwoTo53 = 9007199254740992.0;

QList<double> OneToTenThousand()
{
    QList<double> values;
    values.reserve(10000);
    for (int i = 1; i <= 10000; ++i)
        values.append(i);
    return values;
}

} // namespace

void StatisticsTest::initTestCase()
{
    window = TestSupport::createWindow();
}

void StatisticsTest::values_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");
    QTest::addColumn<double>("expected");

    QTest::newRow("MIN") << "MIN" << QList<double>{3, -2, 10} << -2.0;
    QTest::newRow("MAX") << "MAX" << QList<double>{3, -2, 10} << 10.0;
    QTest::newRow("MIN of one value") << "min" << QList<double>{7} << 7.0;
    QTest::newRow("SUM") << "SUM" << QList<double>{1.5, 2.5, -1} << 3.0;
    QTest::newRow("AVG") << "AVG" << QList<double>{1, 2, 3, 4} << 2.5;
    // A running mean never forms the overflowing sum 2e308.
    QTest::newRow("AVG of values whose sum overflows") << "AVG" << QList<double>{1e308, 1e308} << 1e308;
    QTest::newRow("MEDIAN of an even count") << "MEDIAN" << QList<double>{1, 4, 9, 10} << 6.5;
    QTest::newRow("MEDIAN of an odd count, unsorted") << "MEDIAN" << QList<double>{5, 1, 3} << 3.0;
    QTest::newRow("MODE") << "MODE" << QList<double>{2, 3, 3, 4} << 3.0;
    QTest::newRow("MODE tie goes to the smaller value") << "MODE" << QList<double>{3, 3, 1, 1} << 1.0;
    QTest::newRow("MODE of a pair") << "MODE" << QList<double>{2, 2} << 2.0;
    QTest::newRow("MODE longest run wins over smaller values") << "MODE" << QList<double>{1, 1, 5, 5, 5} << 5.0;
    QTest::newRow("COUNT") << "COUNT" << QList<double>{10, 20, 30} << 3.0;
    QTest::newRow("RANGE") << "RANGE" << QList<double>{3, 10, -2} << 12.0;

    // sqrt(32 / 7): mean 5, squared deviations 9+1+1+1+0+0+4+16
    QTest::newRow("STDEV") << "STDEV" << QList<double>{2, 4, 4, 4, 5, 5, 7, 9} << 2.1380899352993951;
    QTest::newRow("STDEVP") << "STDEVP" << QList<double>{2, 4, 4, 4, 5, 5, 7, 9} << 2.0;
    QTest::newRow("STDEVP of 1, 2, 3 is sqrt(2/3)") << "STDEVP" << QList<double>{1, 2, 3} << 0.81649658092772603;
    QTest::newRow("STDEVP of one value") << "STDEVP" << QList<double>{5} << 0.0;
    QTest::newRow("VARIANCE") << "VARIANCE" << QList<double>{1, 2, 3} << 1.0;
    QTest::newRow("VARIANCEP") << "VARIANCEP" << QList<double>{1, 2, 3} << 2.0 / 3.0;
    QTest::newRow("VARIANCEP of one value") << "VARIANCEP" << QList<double>{5} << 0.0;
    // Deviations -6, -3, 3, 6 from 1e9 + 10: 90 / 3. Summing squares of values
    // near 1e9 would lose all of it.
    QTest::newRow("VARIANCE far from zero") << "VARIANCE" << QList<double>{1e9 + 4, 1e9 + 7, 1e9 + 13, 1e9 + 16} << 30.0;

    QTest::newRow("GEOMEAN") << "GEOMEAN" << QList<double>{1, 4, 16} << 4.0;
    QTest::newRow("GEOMEAN is the cube root of 30") << "GEOMEAN" << QList<double>{2, 3, 5} << 3.1072325059538589;
    // 3 / (1 + 1/2 + 1/4) = 12/7
    QTest::newRow("HARMEAN") << "HARMEAN" << QList<double>{1, 2, 4} << 12.0 / 7.0;
    QTest::newRow("RMS") << "RMS" << QList<double>{3, 4} << 3.5355339059327376;
    // The squares, 1e400, only fit in extended precision.
    QTest::newRow("RMS of values whose squares overflow a double") << "RMS" << QList<double>{1e200, -1e200} << 1e200;
    QTest::newRow("SUMSQ") << "SUMSQ" << QList<double>{3, 4} << 25.0;

    QTest::newRow("PERCENTILE interpolated") << "PERCENTILE" << QList<double>{25, 1, 2, 3, 4} << 1.75;
    QTest::newRow("PERCENTILE 0 is the smallest") << "PERCENTILE" << QList<double>{0, 3, 1, 2} << 1.0;
    QTest::newRow("PERCENTILE 100 is the largest") << "PERCENTILE" << QList<double>{100, 3, 1, 2} << 3.0;
    QTest::newRow("PERCENTILE on a rank") << "PERCENTILE" << QList<double>{50, 30, 10, 20} << 20.0;
    QTest::newRow("PERCENTILE of one value") << "PERCENTILE" << QList<double>{90, 7} << 7.0;
    QTest::newRow("QUARTILE 2 is the median") << "QUARTILE" << QList<double>{2, 1, 2, 3, 4} << 2.5;
    QTest::newRow("QUARTILE 0 is the smallest") << "QUARTILE" << QList<double>{0, 4, 1} << 1.0;
    QTest::newRow("QUARTILE 4 is the largest") << "QUARTILE" << QList<double>{4, 4, 1} << 4.0;
    // Position 0.25 * 7 = 1.75 between 2 and 3.
    QTest::newRow("QUARTILE 1 interpolated") << "QUARTILE" << QList<double>{1, 1, 2, 3, 4, 5, 6, 7, 8} << 2.75;
    QTest::newRow("QUARTILE number within 1e-12 of a whole") << "QUARTILE" << QList<double>{1.0000000000001, 1, 2, 3, 4, 5} << 2.0;

    // n / ((n-1)(n-2)) * sum z^3, z with the sample standard deviation
    QTest::newRow("SKEW right-tailed") << "SKEW" << QList<double>{1, 2, 3, 10} << 1.7636326148038882;
    QTest::newRow("SKEW mixed") << "SKEW" << QList<double>{2, 8, 0, 4, 1, 9, 9, 0} << 0.33058218040797466;
    QTest::newRow("SKEW symmetric") << "SKEW" << QList<double>{1, 2, 3} << 0.0;
    // n(n+1) / ((n-1)(n-2)(n-3)) * sum z^4 - 3(n-1)^2 / ((n-2)(n-3))
    QTest::newRow("KURTOSIS heavy tail") << "KURTOSIS" << QList<double>{1, 2, 3, 4, 10} << 3.152;
    QTest::newRow("KURTOSIS flat") << "KURTOSIS" << QList<double>{3, 4, 5, 2, 3, 4, 5, 6, 4, 7} << -0.15179963720841422;
}

void StatisticsTest::values()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);
    QFETCH(double, expected);
    bool ok = false;
    bool handled = false;
    const double value = window->RunStatisticsFunction(name, arguments, ok, handled);
    QVERIFY(handled);
    QVERIFY2(ok, qPrintable(TestSupport::DescribeCall(name, arguments) + QStringLiteral(" failed")));
    QVERIFY2(TestSupport::IsClose(value, expected, 1e-12),
             qPrintable(QStringLiteral("%1 = %2, expected %3")
                            .arg(TestSupport::DescribeCall(name, arguments))
                            .arg(value, 0, 'g', 17)
                            .arg(expected, 0, 'g', 17)));
}

void StatisticsTest::failures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");

    const QStringList listFunctions = {"MIN", "MAX", "SUM", "AVG", "MEDIAN", "MODE", "COUNT",
                                       "RANGE", "STDEV", "STDEVP", "VARIANCE", "VARIANCEP", "GEOMEAN", "HARMEAN",
                                       "RMS", "SUMSQ", "PERCENTILE", "QUARTILE", "SKEW", "KURTOSIS"};
    for (const QString& name : listFunctions) {
        QTest::addRow("%s without values", qPrintable(name)) << name << QList<double>{};
        QTest::addRow("%s with an infinite value", qPrintable(name)) << name << QList<double>{2, 1, Infinity, 3, 4};
        QTest::addRow("%s with NaN", qPrintable(name)) << name << QList<double>{2, std::nan(""), 1, 3, 4};
    }

    QTest::newRow("RANDOM with an argument") << "RANDOM" << QList<double>{1};
    QTest::newRow("RANDINT with one argument") << "RANDINT" << QList<double>{1};
    QTest::newRow("RANDINT with three arguments") << "RANDINT" << QList<double>{1, 2, 3};
    QTest::newRow("RANDINT bounds reversed") << "RANDINT" << QList<double>{6, 1};
    QTest::newRow("RANDINT fractional minimum") << "RANDINT" << QList<double>{1.5, 3};
    QTest::newRow("RANDINT fractional maximum") << "RANDINT" << QList<double>{1, 3.000001};
    QTest::newRow("RANDINT minimum below -2^53") << "RANDINT" << QList<double>{-TwoTo53 - 2, 0};
    QTest::newRow("RANDINT maximum above 2^53") << "RANDINT" << QList<double>{0, TwoTo53 + 2};
    QTest::newRow("RANDINT infinite maximum") << "RANDINT" << QList<double>{1, Infinity};
    QTest::newRow("RANDINT NaN minimum") << "RANDINT" << QList<double>{std::nan(""), 1};

    QTest::newRow("SUM that overflows") << "SUM" << QList<double>{1e308, 1e308};
    QTest::newRow("RANGE that overflows") << "RANGE" << QList<double>{-1e308, 1e308};
    QTest::newRow("MODE when every value occurs once") << "MODE" << QList<double>{1, 2, 3};
    QTest::newRow("STDEV of one value") << "STDEV" << QList<double>{5};
    QTest::newRow("VARIANCE of one value") << "VARIANCE" << QList<double>{5};
    QTest::newRow("VARIANCE whose squared deviations overflow") << "VARIANCE" << QList<double>{1e300, -1e300};
    QTest::newRow("STDEVP whose squared deviations overflow") << "STDEVP" << QList<double>{1e300, -1e300};
    QTest::newRow("GEOMEAN with a zero") << "GEOMEAN" << QList<double>{1, 0, 4};
    QTest::newRow("GEOMEAN with a negative value") << "GEOMEAN" << QList<double>{1, -2, 4};
    QTest::newRow("HARMEAN with a negative value") << "HARMEAN" << QList<double>{-1, 2};
    QTest::newRow("SUMSQ that overflows") << "SUMSQ" << QList<double>{1e200, 1e200};
    QTest::newRow("PERCENTILE without values") << "PERCENTILE" << QList<double>{50};
    QTest::newRow("PERCENTILE above 100") << "PERCENTILE" << QList<double>{101, 1, 2};
    QTest::newRow("PERCENTILE below 0") << "PERCENTILE" << QList<double>{-1, 1, 2};
    QTest::newRow("PERCENTILE interpolation that overflows") << "PERCENTILE" << QList<double>{50, -1.5e308, 1.5e308};
    QTest::newRow("QUARTILE without values") << "QUARTILE" << QList<double>{2};
    QTest::newRow("QUARTILE above 4") << "QUARTILE" << QList<double>{5, 1, 2};
    QTest::newRow("QUARTILE below 0") << "QUARTILE" << QList<double>{-1, 1, 2};
    QTest::newRow("QUARTILE not whole") << "QUARTILE" << QList<double>{1.5, 1, 2};
    QTest::newRow("SKEW of two values") << "SKEW" << QList<double>{1, 2};
    QTest::newRow("SKEW without spread") << "SKEW" << QList<double>{2, 2, 2};
    QTest::newRow("KURTOSIS of three values") << "KURTOSIS" << QList<double>{1, 2, 3};
    QTest::newRow("KURTOSIS without spread") << "KURTOSIS" << QList<double>{4, 4, 4, 4, 4};
}

void StatisticsTest::failures()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);
    bool ok = true;
    bool handled = false;
    const double value = window->RunStatisticsFunction(name, arguments, ok, handled);
    QVERIFY2(handled, "a failing call of a statistics name is still the family's");
    QVERIFY2(!ok, qPrintable(TestSupport::DescribeCall(name, arguments) + QStringLiteral(" = %1").arg(value, 0, 'g', 17)));
    QCOMPARE(value, 0.0);
}

void StatisticsTest::otherNamesAreLeftToTheNextFamily_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("built-in") << "ROUND";
    QTest::newRow("financial") << "NPV";
    QTest::newRow("GD&T") << "POSITION";
    QTest::newRow("programmer") << "AND";
    QTest::newRow("near a statistics name") << "MEAN";
}

void StatisticsTest::otherNamesAreLeftToTheNextFamily()
{
    QFETCH(QString, name);
    bool ok = true;
    bool handled = true;
    QCOMPARE(window->RunStatisticsFunction(name, {1, 2, 3}, ok, handled), 0.0);
    QVERIFY(!handled);
}

void StatisticsTest::randomStaysInUnitInterval()
{
    for (int draw = 0; draw < 10000; ++draw) {
        bool ok = false;
        bool handled = false;
        const double value = window->RunStatisticsFunction("random", {}, ok, handled);
        QVERIFY(handled && ok);
        QVERIFY2(value >= 0 && value < 1, qPrintable(QString::number(value, 'g', 17)));
    }
}

void StatisticsTest::randomIntegerStaysInBounds_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // Small ranges must also reach both ends within 10,000 draws.
    QTest::addColumn<bool>("everyValueSeen");
    QTest::newRow("die") << 1.0 << 6.0 << 1.0 << 6.0 << true;
    QTest::newRow("coin") << 0.0 << 1.0 << 0.0 << 1.0 << true;
    QTest::newRow("negative range") << -3.0 << -1.0 << -3.0 << -1.0 << true;
    QTest::newRow("single value") << 5.0 << 5.0 << 5.0 << 5.0 << true;
    QTest::newRow("bound within 1e-12 of a whole") << 1.0000000000001 << 3.0 << 1.0 << 3.0 << true;
    QTest::newRow("the widest range") << -TwoTo53 << TwoTo53 << -TwoTo53 << TwoTo53 << false;
    QTest::newRow("range wider than 2^53") << 0.0 << TwoTo53 << 0.0 << TwoTo53 << false;
}

void StatisticsTest::randomIntegerStaysInBounds()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, everyValueSeen);
    QSet<double> seen;
    for (int draw = 0; draw < 10000; ++draw) {
        bool ok = false;
        bool handled = false;
        const double value = window->RunStatisticsFunction("RANDINT", {minimum, maximum}, ok, handled);
        QVERIFY(handled && ok);
        QVERIFY2(value >= low && value <= high && value == std::round(value),
                 qPrintable(QString::number(value, 'g', 17)));
        seen.insert(value);
    }
    if (everyValueSeen)
        QCOMPARE(seen.size(), qsizetype(high - low + 1));
    else
        QVERIFY2(seen.size() > 9990, "draws over a wide range hardly ever repeat");
}

void StatisticsTest::tenThousandValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("expected");
    QTest::newRow("SUM is n(n+1)/2") << "SUM" << 50005000.0;
    QTest::newRow("AVG") << "AVG" << 5000.5;
    QTest::newRow("MEDIAN") << "MEDIAN" << 5000.5;
    QTest::newRow("COUNT") << "COUNT" << 10000.0;
    QTest::newRow("RANGE") << "RANGE" << 9999.0;
    // sqrt(n(n+1)/12)
    QTest::newRow("STDEV") << "STDEV" << 2886.8956799071675;
    QTest::newRow("SUMSQ is n(n+1)(2n+1)/6") << "SUMSQ" << 333383335000.0;
}

// Long lists are walked in loops, never by recursion.
void StatisticsTest::tenThousandValues()
{
    QFETCH(QString, name);
    QFETCH(double, expected);
    bool ok = false;
    bool handled = false;
    const double value = window->RunStatisticsFunction(name, OneToTenThousand(), ok, handled);
    QVERIFY(ok);
    QVERIFY2(TestSupport::IsClose(value, expected, 1e-12), qPrintable(QString::number(value, 'g', 17)));
}

void StatisticsTest::throughTheParser_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("expected");
    QTest::newRow("MEDIAN") << "MEDIAN(1, 4, 9, 10)" << 6.5;
    QTest::newRow("PERCENTILE") << "PERCENTILE(25, 1, 2, 3, 4)" << 1.75;
    QTest::newRow("lower-case name") << "stdevp(1, 2, 3)" << 0.81649658092772603;
    QTest::newRow("nested in arithmetic") << "SUMSQ(3, 4) - MAX(1, 5)" << 20.0;
    QTest::newRow("RANDINT of one value") << "RANDINT(5, 5)" << 5.0;
}

void StatisticsTest::throughTheParser()
{
    QFETCH(QString, input);
    QFETCH(double, expected);
    bool ok = false;
    const double value = window->Eval(input, ok);
    QVERIFY2(ok, qPrintable(input));
    QVERIFY2(TestSupport::IsClose(value, expected, 1e-12), qPrintable(QString::number(value, 'g', 17)));
}

void StatisticsTest::tenThousandArgumentsThroughTheParser()
{
    QStringList numbers;
    for (int i = 1; i <= 10000; ++i)
        numbers << QString::number(i);
    const QString list = numbers.join(QStringLiteral(", "));
    bool ok = false;
    QCOMPARE(window->Eval("SUM(" + list + ")", ok), 50005000.0);
    QVERIFY(ok);
    QCOMPARE(window->Eval("MEDIAN(" + list + ")", ok), 5000.5);
    QVERIFY(ok);
    window->Eval("MODE(" + list + ")", ok);
    QVERIFY2(!ok, "no value repeats");
}

SUMVELLE_TEST_MAIN(StatisticsTest)
#include "tst_statistics.moc"

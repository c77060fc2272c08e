#include "support/numbers.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <cmath>
#include <limits>

// The GD&T functions, with inspection values worked by hand: the diametral
// true position of deviations dx, dy is 2 * sqrt(dx^2 + dy^2).
class GDTTest : public QObject
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

    void throughTheParser_data();
    void throughTheParser();

private:
    std::unique_ptr<MainWindow> window;
};

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

} // namespace

void GDTTest::initTestCase()
{
    window = TestSupport::createWindow();
}

void GDTTest::values_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");
    QTest::addColumn<double>("expected");

    // 2 * sqrt(9 + 16)
    QTest::newRow("POSITION of a 3-4-5 triangle") << "POSITION" << QList<double>{3, 4} << 10.0;
    QTest::newRow("position in lower case") << "position" << QList<double>{3, 4} << 10.0;
    // 2 * sqrt(13e-6)
    QTest::newRow("POSITION") << "POSITION" << QList<double>{.003, .002} << 0.00721110255092798;
    QTest::newRow("POSITION sign of a deviation does not matter") << "POSITION" << QList<double>{-.003, .002} << 0.00721110255092798;
    QTest::newRow("TRUEPOSITION") << "TRUEPOSITION" << QList<double>{.003, .002} << 0.00721110255092798;
    QTest::newRow("DIAMETRALDEV") << "DIAMETRALDEV" << QList<double>{.003, .002} << 0.00721110255092798;
    QTest::newRow("RADIALDEV") << "RADIALDEV" << QList<double>{.003, .002} << 0.00360555127546399;
    QTest::newRow("POSITION without deviation") << "POSITION" << QList<double>{0, 0} << 0.0;
    // hypot keeps the squares of large deviations from overflowing: 2 * sqrt(2) * 1e200.
    QTest::newRow("POSITION of huge deviations") << "POSITION" << QList<double>{1e200, 1e200} << 2.8284271247461901e200;
    // 2 * sqrt(29e-6)
    QTest::newRow("POSITION3D") << "POSITION3D" << QList<double>{.003, .002, .004} << 0.010770329614269;
    QTest::newRow("COORDDEV keeps the sign") << "COORDDEV" << QList<double>{1.493, 1.500} << -0.007;
    QTest::newRow("BONUSTOL below MMC") << "BONUSTOL" << QList<double>{.493, .500} << 0.007;
    QTest::newRow("BONUSTOL above MMC") << "BONUSTOL" << QList<double>{.507, .500} << 0.007;
    QTest::newRow("TOTALTOL") << "TOTALTOL" << QList<double>{.008, .007} << 0.015;
    QTest::newRow("POSITIONALLOW above MMC") << "POSITIONALLOW" << QList<double>{.008, .507, .500} << 0.015;
    QTest::newRow("POSITIONALLOW below MMC") << "POSITIONALLOW" << QList<double>{.008, .493, .500} << 0.015;
    QTest::newRow("ZEROTOLMMC") << "ZEROTOLMMC" << QList<double>{.510, .500} << 0.010;
    QTest::newRow("VCINTERNAL") << "VCINTERNAL" << QList<double>{.500, .008} << 0.492;
    QTest::newRow("VCEXTERNAL") << "VCEXTERNAL" << QList<double>{.500, .008} << 0.508;
    QTest::newRow("VCEXTERNAL tolerance above the size") << "VCEXTERNAL" << QList<double>{.008, .500} << 0.508;
    QTest::newRow("RCINTERNAL") << "RCINTERNAL" << QList<double>{.520, .008} << 0.528;
    QTest::newRow("RCEXTERNAL") << "RCEXTERNAL" << QList<double>{.480, .008} << 0.472;
    QTest::newRow("BOUNDARYINTERNAL") << "BOUNDARYINTERNAL" << QList<double>{.500, .010} << 0.490;
    QTest::newRow("BOUNDARYINTERNAL tolerance equal to the size") << "BOUNDARYINTERNAL" << QList<double>{.010, .010} << 0.0;
    QTest::newRow("BOUNDARYEXTERNAL") << "BOUNDARYEXTERNAL" << QList<double>{.500, .010} << 0.510;
    QTest::newRow("FLOATINGFASTENER") << "FLOATINGFASTENER" << QList<double>{.332, .3125} << 0.0195;
    QTest::newRow("FLOATINGFASTENER without clearance") << "FLOATINGFASTENER" << QList<double>{.332, .332} << 0.0;
    QTest::newRow("FIXEDFASTENER is half the clearance") << "FIXEDFASTENER" << QList<double>{.332, .3125} << 0.00975;
    QTest::newRow("POSITIONMARGIN out of tolerance") << "POSITIONMARGIN" << QList<double>{.008, .010} << -0.002;
    QTest::newRow("POSITIONMARGIN in tolerance") << "POSITIONMARGIN" << QList<double>{.010, .004} << 0.006;
    QTest::newRow("POSITIONUTIL two thirds") << "POSITIONUTIL" << QList<double>{.010, .015} << 200.0 / 3.0;
    QTest::newRow("POSITIONUTIL of a perfect position") << "POSITIONUTIL" << QList<double>{0, .015} << 0.0;
}

void GDTTest::values()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);
    QFETCH(double, expected);
    bool ok = false;
    bool handled = false;
    const double value = window->RunGDTFunction(name, arguments, ok, handled);
    QVERIFY(handled);
    QVERIFY2(ok, qPrintable(TestSupport::DescribeCall(name, arguments) + QStringLiteral(" failed")));
    QVERIFY2(std::abs(value - expected) <= 1e-13 * std::max(1.0, std::abs(expected)),
             qPrintable(QStringLiteral("%1 = %2, expected %3")
                            .arg(TestSupport::DescribeCall(name, arguments))
                            .arg(value, 0, 'g', 17)
                            .arg(expected, 0, 'g', 17)));
}

void GDTTest::failures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");

    QTest::newRow("POSITION with one argument") << "POSITION" << QList<double>{3};
    QTest::newRow("POSITION with three arguments") << "POSITION" << QList<double>{3, 4, 5};
    QTest::newRow("POSITION3D with two arguments") << "POSITION3D" << QList<double>{3, 4};
    QTest::newRow("RADIALDEV with no arguments") << "RADIALDEV" << QList<double>{};
    QTest::newRow("POSITIONALLOW with two arguments") << "POSITIONALLOW" << QList<double>{.008, .500};
    QTest::newRow("POSITION of an infinite deviation") << "POSITION" << QList<double>{Infinity, 0};
    QTest::newRow("COORDDEV of NaN") << "COORDDEV" << QList<double>{std::nan(""), 1};
    QTest::newRow("BONUSTOL of an infinite size") << "BONUSTOL" << QList<double>{.5, -Infinity};

    QTest::newRow("TOTALTOL negative stated tolerance") << "TOTALTOL" << QList<double>{-.001, .002};
    QTest::newRow("TOTALTOL negative bonus") << "TOTALTOL" << QList<double>{.001, -.002};
    QTest::newRow("POSITIONALLOW negative stated tolerance") << "POSITIONALLOW" << QList<double>{-.008, .507, .500};

    QTest::newRow("VCINTERNAL tolerance above the size") << "VCINTERNAL" << QList<double>{.008, .500};
    QTest::newRow("VCINTERNAL negative size") << "VCINTERNAL" << QList<double>{-.5, .008};
    QTest::newRow("VCINTERNAL negative tolerance") << "VCINTERNAL" << QList<double>{.5, -.008};
    QTest::newRow("VCEXTERNAL negative size") << "VCEXTERNAL" << QList<double>{-.5, .008};
    QTest::newRow("VCEXTERNAL negative tolerance") << "VCEXTERNAL" << QList<double>{.5, -.008};
    QTest::newRow("RCINTERNAL negative tolerance") << "RCINTERNAL" << QList<double>{.52, -.008};
    QTest::newRow("RCEXTERNAL tolerance above the size") << "RCEXTERNAL" << QList<double>{.008, .48};
    QTest::newRow("BOUNDARYINTERNAL tolerance above the size") << "BOUNDARYINTERNAL" << QList<double>{.008, .5};
    QTest::newRow("BOUNDARYEXTERNAL negative size") << "BOUNDARYEXTERNAL" << QList<double>{-.5, .01};
    QTest::newRow("FLOATINGFASTENER fastener larger than the hole") << "FLOATINGFASTENER" << QList<double>{.3125, .332};
    QTest::newRow("FIXEDFASTENER fastener larger than the hole") << "FIXEDFASTENER" << QList<double>{.3125, .332};
    QTest::newRow("FIXEDFASTENER negative fastener") << "FIXEDFASTENER" << QList<double>{.332, -.3125};

    QTest::newRow("POSITIONMARGIN negative allowed position") << "POSITIONMARGIN" << QList<double>{-.001, .010};
    QTest::newRow("POSITIONMARGIN negative actual position") << "POSITIONMARGIN" << QList<double>{.008, -.010};
    QTest::newRow("POSITIONUTIL nothing allowed") << "POSITIONUTIL" << QList<double>{.010, 0};
    QTest::newRow("POSITIONUTIL negative actual position") << "POSITIONUTIL" << QList<double>{-.010, .015};
}

void GDTTest::failures()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);
    bool ok = true;
    bool handled = false;
    const double value = window->RunGDTFunction(name, arguments, ok, handled);
    QVERIFY2(handled, "a failing call of a GD&T name is still the family's");
    QVERIFY2(!ok, qPrintable(TestSupport::DescribeCall(name, arguments) + QStringLiteral(" = %1").arg(value, 0, 'g', 17)));
    QCOMPARE(value, 0.0);
}

void GDTTest::otherNamesAreLeftToTheNextFamily_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("built-in") << "SQRT";
    QTest::newRow("financial margin") << "MARGIN";
    QTest::newRow("statistics") << "RANGE";
    QTest::newRow("programmer") << "XOR";
    QTest::newRow("near a GD&T name") << "POSITION2D";
}

void GDTTest::otherNamesAreLeftToTheNextFamily()
{
    QFETCH(QString, name);
    bool ok = false;
    bool handled = true;
    QCOMPARE(window->RunGDTFunction(name, {1, 2}, ok, handled), 0.0);
    QVERIFY(!handled);
}

void GDTTest::throughTheParser_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<double>("expected");
    QTest::newRow("POSITION") << "POSITION(.003, .002)" << true << 0.00721110255092798;
    QTest::newRow("within-tolerance check") << "POSITIONMARGIN(TOTALTOL(.008, BONUSTOL(.507, .500)), POSITION(.003, .002))"
                                            << true << 0.015 - 0.00721110255092798;
    QTest::newRow("wrong argument count") << "POSITION(3)" << false << 0.0;
    QTest::newRow("domain failure") << "VCINTERNAL(.008, .500)" << false << 0.0;
}

void GDTTest::throughTheParser()
{
    QFETCH(QString, input);
    QFETCH(bool, succeeds);
    QFETCH(double, expected);
    bool ok = !succeeds;
    const double value = window->Eval(input, ok);
    QCOMPARE(ok, succeeds);
    QVERIFY2(std::abs(value - expected) <= 1e-13, qPrintable(QString::number(value, 'g', 17)));
}

SUMVELLE_TEST_MAIN(GDTTest)
#include "tst_gdt.moc"

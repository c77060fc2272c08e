#include "pad/mainwindow.h"
#include "support/testsupport.h"
#include "units/UnitConversions.h"

#include <QAction>
#include <QRegularExpression>

#include <cmath>

class UnitConversionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void rewrite_data();
    void rewrite();
    void onlyTheFirst32ConversionsAreRewritten();
    void longLinesRewriteAsTheirTerms_data();
    void longLinesRewriteAsTheirTerms();
    void answers_data();
    void answers();
    void padAnswers_data();
    void padAnswers();
    void wordOperatorsLeaveUnitNamesWhole_data();
    void wordOperatorsLeaveUnitNamesWhole();
    void matchesAreThoseOfEveryAlias_data();
    void matchesAreThoseOfEveryAlias();
    void everyKeywordMatchesAsEveryAlias_data();
    void everyKeywordMatchesAsEveryAlias();
    void aliasPattern_data();
    void aliasPattern();
    void blockLinesConvert();
    void previewConverts();

private:
    std::unique_ptr<MainWindow> window;
};

void UnitConversionsTest::initTestCase()
{
    window = TestSupport::createWindow();
}

void UnitConversionsTest::cleanupTestCase()
{
    window.reset();
}

void UnitConversionsTest::rewrite_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("result");

    QTest::newRow("plain") << "5 KM TO M" << "((((5) * 1000)) / 1)";
    QTest::newRow("any case") << "5 km to m" << "((((5) * 1000)) / 1)";
    QTest::newRow("both offsets") << "100 C TO F"
                                  << "(((((100) * 1 + 273.14999999999998)) - 255.37222222222221) / "
                                     "0.55555555555555558)";
    QTest::newRow("reciprocal target") << "30 MPG TO L100KM" << "(100 / (((30) * 0.42514370743027202)))";
    QTest::newRow("reciprocal source") << "7 L100KM TO MPG" << "(((100 / (7))) / 0.42514370743027202)";
    QTest::newRow("last additive term only")
        << "2 + 3 FT TO IN" << "2 +((((3) * 0.30480000000000002)) / 0.025399999999999999)";
    QTest::newRow("ISOLATE's comma stops the scan")
        << "ISOLATE X, X FT TO M = 10" << "ISOLATE X,((((X) * 0.30480000000000002)) / 1) = 10";
    QTest::newRow("SIMPLIFY keyword is skipped")
        << "SIMPLIFY X FT TO M" << "SIMPLIFY ((((X) * 0.30480000000000002)) / 1)";
    QTest::newRow("binary data prefixes") << "1 GB TO MB" << "((((1) * 8589934592)) / 8388608)";
    QTest::newRow("chained") << "5 KM TO M TO CM" << "()";
    QTest::newRow("chained without a value") << "KM TO M TO CM" << "()";
    QTest::newRow("value glued to its unit") << "5KM TO M" << "5KM TO M";
    QTest::newRow("no common category") << "5 KM TO KG" << "5 KM TO KG";

    QTest::newRow("TO inside words") << "INTO TOTAL 5 KM" << "INTO TOTAL 5 KM";
    QTest::newRow("target followed by a point") << "5 KM TO M." << "5 KM TO M.";
    QTest::newRow("target followed by a closing brace") << "5 KM TO M}" << "((((5) * 1000)) / 1)}";
    QTest::newRow("blanks inside an alias") << "2 FL   OZ TO ML"
                                            << "((((2) * 0.029573529562499999)) / 0.001)";
    QTest::newRow("length pair wins the tie") << "1 IN TO MM" << "((((1) * 0.025399999999999999)) / 0.001)";
    QTest::newRow("typographic point") << "12 PT TO MM"
                                       << "((((12) * 0.013888888888888888)) / 0.03937007874015748)";
    QTest::newRow("temperature, not charge") << "5 C TO F"
                                             << "(((((5) * 1 + 273.14999999999998)) - 255.37222222222221) / "
                                                "0.55555555555555558)";
    QTest::newRow("leading sign") << "-5 C TO K" << "((((-5) * 1 + 273.14999999999998)) / 1)";
    QTest::newRow("sign after a power") << "2^-3 M TO CM" << "((((2^-3) * 1)) / 0.01)";
    QTest::newRow("sign after a letter is an operator") << "X-3 KM TO M" << "X-((((3) * 1000)) / 1)";
    QTest::newRow("sign after a blank and a name") << "X - 3 KM TO M" << "X -((((3) * 1000)) / 1)";
    QTest::newRow("sign after an operator") << "2 * -3 KM TO M" << "((((2 * -3) * 1000)) / 1)";
    QTest::newRow("exponent sign") << "1.5e-3 KM TO M" << "((((1.5e-3) * 1000)) / 1)";
    QTest::newRow("inside a call") << "SQRT(16 M TO CM)" << "SQRT(((((16) * 1)) / 0.01))";
    QTest::newRow("whole group") << "(2 + 3) M TO CM" << "(((((2 + 3)) * 1)) / 0.01)";
    QTest::newRow("whole product") << "2 * 3 M TO CM" << "((((2 * 3) * 1)) / 0.01)";
    QTest::newRow("after an equals sign") << "Y = 3 FT TO IN"
                                          << "Y =((((3) * 0.30480000000000002)) / 0.025399999999999999)";
    QTest::newRow("two conversions") << "5 KM TO M + 3 FT TO IN"
                                     << "((((5) * 1000)) / 1) +((((3) * 0.30480000000000002)) / "
                                        "0.025399999999999999)";
    QTest::newRow("parenthesised, then a TO left over")
        << "(5 KM TO M) TO CM" << "(((((5) * 1000)) / 1)) TO CM";
    QTest::newRow("no value") << "KM TO M" << "KM TO M";
    QTest::newRow("square before length") << "5 SQUARE CM TO M2" << "((((5) * 0.0001)) / 1)";
    QTest::newRow("target M2 is not M") << "5 M TO M2" << "5 M TO M2";
    QTest::newRow("greek mu and micro sign") << QString::fromUtf8("3 \u03bcm TO \u00b5M") << "((((3) * 9.9999999999999995e-07)) / 9.9999999999999995e-07)";
    QTest::newRow("no TO at all") << "1 + 2" << "1 + 2";

    // A longer unit written at the same place is what the user meant.
    QTest::newRow("fluid ounce is not the mass ounce") << "1 FL OZ TO G" << "1 FL OZ TO G";
    QTest::newRow("fluid ounce to millilitres") << "1 FL OZ TO ML" << "((((1) * 0.029573529562499999)) / 0.001)";
    QTest::newRow("cubic feet are not feet") << "2 CUBIC FEET TO M" << "2 CUBIC FEET TO M";
    QTest::newRow("cubic feet to litres") << "2 CUBIC FEET TO L" << "((((2) * 28.316846592000001)) / 1)";
    QTest::newRow("metres per second are not metres") << "5 KM TO M/S" << "5 KM TO M/S";
    QTest::newRow("metres per second") << "36 KPH TO M/S" << "((((36) * 0.27777777777777779)) / 1)";
    QTest::newRow("equal lengths still pair") << "1 IN TO MM" << "((((1) * 0.025399999999999999)) / 0.001)";
}

void UnitConversionsTest::rewrite()
{
    QFETCH(QString, line);
    QFETCH(QString, result);
    QCOMPARE(window->ExpandUnitConversions(line), result);
}

void UnitConversionsTest::onlyTheFirst32ConversionsAreRewritten()
{
    QStringList terms;
    for (int i = 1; i <= 33; ++i)
        terms.append(QString::number(i) + QStringLiteral(" M TO CM"));
    const QString rewritten = window->ExpandUnitConversions(terms.join(QStringLiteral(" + ")));
    QCOMPARE(rewritten.count(QStringLiteral("/ 0.01)")), 32);
    QVERIFY(rewritten.startsWith(QStringLiteral("((((1) * 1)) / 0.01) +((((2) * 1)) / 0.01)")));
    QVERIFY(rewritten.endsWith(QStringLiteral("((((32) * 1)) / 0.01) + 33 M TO CM")));
}

// A long line of terms joined by " + " rewrites as each term does alone:
// the rewrite looks only at the words around each TO, and remembers what it
// found there for the next keystroke.
void UnitConversionsTest::longLinesRewriteAsTheirTerms_data()
{
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<int>("count");

    QTest::newRow("two conversions, repeated") << QStringList{"5 km to m", "12 ft to in"} << 400;
    QTest::newRow("none resolves") << QStringList{"5 km to s", "x to y", "5 m to m2"} << 300;
    QTest::newRow("unresolved ones first")
        << QStringList{"5 km to s", "5 km to s", "5 km to s", "5 km to s", "3 m to cm"} << 200;
    QTest::newRow("units of several words")
        << QStringList{"2 cubic feet per minute to liters per minute", "1 fl oz to ml", "2 cubic feet to l",
                       "30 inches of mercury to mm hg", "36 kph to m/s", "5 km to m/s"}
        << 150;
    QTest::newRow("signs and groups")
        << QStringList{"1.5e-3 mi to km", "(2 + 3) m to cm", "2 * 3 m to cm", "5.E+2 g to kg", "4 km to m+1",
                       "7 in to cm)"}
        << 150;
    QTest::newRow("other scripts") << QStringList{QString::fromUtf8("5 \u212am to m"), QString::fromUtf8("5 m\u00b2 to cm\u00b2"),
                                                  QString::fromUtf8("3 \u03bcm to \u00b5m"), QString::fromUtf8("5 km\u00a0to m")}
                                   << 150;
    QTest::newRow("a long number before a unit") << QStringList{QString(300, QLatin1Char('7')) + " km to m", "1 m to cm"}
                                                 << 40;
    QTest::newRow("a chained conversion at the end")
        << QStringList{"5 km to m", "5 km to m", "5 km to m", "5 km to m", "5 km to m to cm"} << 100;
}

void UnitConversionsTest::longLinesRewriteAsTheirTerms()
{
    QFETCH(QStringList, terms);
    QFETCH(int, count);

    QStringList line;
    QString expected;
    int rewrites = 0;
    bool chained = false;
    for (int i = 0; i < count; ++i) {
        const QString& term = terms.at(i % terms.size());
        const QString alone = window->ExpandUnitConversions(term);
        chained = chained || alone == QLatin1String("()");
        const bool rewritten = alone != term && rewrites < 32;
        rewrites += rewritten ? 1 : 0;
        if (i > 0)
            expected += rewritten ? QStringLiteral(" +") : QStringLiteral(" + ");
        expected += rewritten ? alone : term;
        line.append(term);
    }
    if (chained)
        expected = QStringLiteral("()");
    const QString joined = line.join(QStringLiteral(" + "));
    QCOMPARE(window->ExpandUnitConversions(joined), expected);
    // Once more, from what the first pass remembered.
    QCOMPARE(window->ExpandUnitConversions(joined), expected);
}

void UnitConversionsTest::answers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("value");

    QTest::newRow("length") << "12 IN TO CM" << 30.48;
    QTest::newRow("area") << "1 ACRE TO M2" << 4046.8564224;
    QTest::newRow("volume") << "1 GAL TO L" << 3.785411784;
    QTest::newRow("mass") << "1 LB TO G" << 453.59237;
    QTest::newRow("temperature C to F") << "100 C TO F" << 212.0;
    QTest::newRow("temperature F to C") << "212 DEGREES F TO DEGREES C" << 100.0;
    QTest::newRow("temperature F to K") << "32 F TO K" << 273.15;
    QTest::newRow("temperature R to F") << "491.67 R TO F" << 32.0;
    QTest::newRow("time") << "2 HR TO MIN" << 120.0;
    QTest::newRow("speed") << "36 KPH TO M/S" << 10.0;
    QTest::newRow("acceleration") << "1 G FORCE TO M/S2" << 9.80665;
    QTest::newRow("force") << "1 KGF TO N" << 9.80665;
    QTest::newRow("pressure") << "1 ATM TO KPA" << 101.325;
    QTest::newRow("energy") << "1 KWH TO KJ" << 3600.0;
    QTest::newRow("power") << "1 HP TO W" << 745.6998715822702;
    QTest::newRow("torque") << "10 FTLB TO NM" << 13.558179483314003;
    QTest::newRow("angle") << "180 DEG TO RAD" << M_PI;
    QTest::newRow("frequency") << "120 RPM TO HZ" << 2.0;
    QTest::newRow("data") << "1 GB TO MB" << 1024.0;
    QTest::newRow("data rate") << "1 MBPS TO KBPS" << 1024.0;
    QTest::newRow("density") << "1 G/CM3 TO KG/M3" << 1000.0;
    QTest::newRow("flow") << "60 L/MIN TO L/S" << 1.0;
    QTest::newRow("fuel economy to the reciprocal unit") << "30 MPG TO L100KM" << 100 / (30 * 0.425143707430272);
    QTest::newRow("fuel economy from the reciprocal unit") << "7 L100KM TO MPG" << 100 / 7.0 / 0.425143707430272;
    QTest::newRow("reciprocal unit to the base") << "10 L100KM TO KML" << 10.0;
    QTest::newRow("current") << "1500 MA TO A" << 1.5;
    QTest::newRow("voltage") << "2 KV TO V" << 2000.0;
    QTest::newRow("resistance") << "4.7 KOHM TO OHM" << 4700.0;
    QTest::newRow("conductance") << "250 MSIEMENS TO S" << 0.25;
    QTest::newRow("capacitance") << "100 NF TO UF" << 0.1;
    QTest::newRow("inductance") << "5 MHENRY TO H" << 0.005;
    QTest::newRow("charge") << "2000 MAH TO AH" << 2.0;
    QTest::newRow("illuminance") << "1 FOOTCANDLE TO LUX" << 10.763910416709722;
    QTest::newRow("absorbed dose") << "100 RADS TO GY" << 1.0;
    QTest::newRow("equivalent dose") << "1 REM TO MSV" << 10.0;
    QTest::newRow("radioactivity") << "1 CI TO MBQ" << 37000.0;
    QTest::newRow("dynamic viscosity") << "1 POISE TO CP" << 100.0;
    QTest::newRow("kinematic viscosity") << "1 STOKES TO CST" << 100.0;
    QTest::newRow("resolution density") << "300 DPI TO DPCM" << 118.11023622047244;
    QTest::newRow("typography") << "12 PT TO MM" << 12 / 72.0 * 25.4;
    QTest::newRow("concentration") << "5 PERCENT TO PPM" << 50000.0;
    QTest::newRow("exact inches of mercury") << "1 INHG TO MMHG" << 25.4;
    QTest::newRow("exact pounds per square inch") << "1 PSI TO PA" << 6894.757293168362;
}

void UnitConversionsTest::answers()
{
    QFETCH(QString, line);
    QFETCH(double, value);
    bool ok = false;
    QString processed;
    const double answer = window->EvaluateExpression(window->NormalizeSubmittedMath(line), ok, processed);
    QVERIFY2(ok, qPrintable(processed));
    QVERIFY2(std::fabs(answer - value) <= 1e-12 * std::fabs(value), qPrintable(QString::number(answer, 'g', 17)));
}

void UnitConversionsTest::padAnswers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("status");

    QTest::newRow("conversion") << "12 in to cm" << "30.48" << "Value = 30.48";
    QTest::newRow("inches of mercury exactly 25.4") << "1 INHG TO MMHG" << "25.4" << "Value = 25.4";
    QTest::newRow("word operators first") << "2 PLUS 3 FT TO IN" << "38" << "Value = 38";
    QTest::newRow("operator word inside a unit name")
        << "1 INCH OF MERCURY TO MILLIMETERS OF MERCURY" << "25.4" << "Value = 25.4";
    QTest::newRow("number word inside a unit name") << "5 PARTS PER MILLION TO PPB" << "5000" << "Value = 5000";
    QTest::newRow("number words before a unit name")
        << "TWO PARTS PER MILLION TO PARTS PER BILLION" << "2000" << "Value = 2000";
    QTest::newRow("chained conversion") << "5 KM TO M TO CM" << "-Cannot Solve-" << "Cannot Solve";
    QTest::newRow("assignment") << "len = 12 IN TO CM" << "LEN = 30.48" << "LEN = 30.48";
}

void UnitConversionsTest::padAnswers()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, status);

    auto own = TestSupport::createWindow();
    TestSupport::Pad pad(own.get());
    pad.submit(line);
    const QStringList lines = pad.text().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(1), reply);
    QCOMPARE(pad.status(), status);
}

void UnitConversionsTest::wordOperatorsLeaveUnitNamesWhole_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("result");

    QTest::newRow("OF in a unit name") << "5 INCHES OF MERCURY TO PA" << "5 INCHES OF MERCURY TO PA";
    QTest::newRow("OF with any blanks and case") << "5 inches  of\tmercury TO PA" << "5 inches  of\tmercury TO PA";
    QTest::newRow("MILLION in a unit name") << "3 PARTS PER MILLION TO PPB" << "3 PARTS PER MILLION TO PPB";
    QTest::newRow("number words around a unit name")
        << "TWO PLUS THREE THOUSANDTHS OF AN INCH TO MM" << "2 + 3 THOUSANDTHS OF AN INCH TO MM";
    QTest::newRow("OF elsewhere still an operator") << "HALF OF 8 INCHES OF MERCURY TO PA"
                                                    << "HALF * 8 INCHES OF MERCURY TO PA";
    QTest::newRow("part of a longer word is no unit name") << "5 INCHES OF MERCURYX" << "5 INCHES * MERCURYX";
    QTest::newRow("unit name right after a bracket") << "(5)inches of mercury TO PA" << "(5)inches of mercury TO PA";
    QTest::newRow("unit name after an underscore is none") << "x_inches of mercury" << "x_inches * mercury";
    QTest::newRow("unit name in a line with other letters") << QStringLiteral("\u00E9 5 inches of mercury")
                                                            << QStringLiteral("\u00E9 5 inches of mercury");
    QTest::newRow("unit name of letters beyond ASCII") << QStringLiteral("5 \u00B5S SIEMENS of 2") << QStringLiteral("5 \u00B5S SIEMENS * 2");
    QTest::newRow("two-letter first word") << "2 IN\tHG OF 3" << "2 IN\tHG * 3";
    QTest::newRow("no unit name") << "two plus two" << "2 + 2";
}

void UnitConversionsTest::wordOperatorsLeaveUnitNamesWhole()
{
    QFETCH(QString, line);
    QFETCH(QString, result);
    QCOMPARE(MainWindow::WordOp(line), result);
}

namespace {
QStringList Describe(const QList<UnitMatch>& matches)
{
    QStringList described;
    for (const UnitMatch& match : matches)
        described.append(QStringLiteral("%1@%2+%3").arg(match.unit->symbol).arg(match.start).arg(match.length));
    return described;
}
} // namespace

// The program's catalogue looks up only the aliases that can match the
// character next to TO; a catalogue of its own tries every alias. Both must
// find the same.
void UnitConversionsTest::matchesAreThoseOfEveryAlias_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QStringList>("targets");

    QTest::newRow("one conversion") << "5 km to m" << QStringList{"KM@2+2"} << QStringList{"M@8+1"};
    QTest::newRow("square centimetres") << "5 SQUARE CM TO M2" << QStringList{"CM@9+2", "CM2@2+9"}
                                        << QStringList{"M2@15+2"};
    QTest::newRow("shared aliases") << "1 IN TO MM" << QStringList{"IN@2+2", "TYPOIN@2+2"}
                                    << QStringList{"MM@8+2", "TYPOMM@8+2"};
    QTest::newRow("degree signs") << QString::fromUtf8("3 \u00b0C TO \u00b0F") << QStringList{"C@2+2"}
                                  << QStringList{"F@8+2"};
    QTest::newRow("capital mu") << QString::fromUtf8("5 \u039cM TO NM") << QStringList{"UM@2+2", "UM@2+2"}
                                << QStringList{"NM@8+2", "NMTR@8+2"};
    QTest::newRow("kelvin sign") << QString::fromUtf8("5 \u212am TO M") << QStringList{"KM@2+2"}
                                 << QStringList{"M@8+1"};
    QTest::newRow("long s") << QString::fromUtf8("5 m\u017f TO US") << QStringList{"MS@2+2"}
                            << QStringList{"US@8+2"};
    QTest::newRow("superscripts") << QString::fromUtf8("5 m\u00b2 TO CM\u00b2") << QStringList{"M2@2+2"}
                                  << QStringList{"CM2@8+3"};
    QTest::newRow("no-break space before TO") << QString::fromUtf8("5 KM\u00a0TO M") << QStringList{}
                                              << QStringList{"M@8+1"};
    QTest::newRow("nothing around TO") << "TO" << QStringList{} << QStringList{};
}

void UnitConversionsTest::matchesAreThoseOfEveryAlias()
{
    QFETCH(QString, line);
    QFETCH(QStringList, sources);
    QFETCH(QStringList, targets);

    const QList<UnitDefinition> ownCatalogue = BuildUnitDefinitions();
    const QRegularExpressionMatch keyword =
        QRegularExpression(QStringLiteral("\\bTO\\b"), QRegularExpression::CaseInsensitiveOption).match(line);
    QVERIFY(keyword.hasMatch());
    const int before = int(keyword.capturedStart());
    const int after = int(keyword.capturedEnd());
    QCOMPARE(Describe(FindSourceUnitMatches(line, before, UnitCatalogue())), sources);
    QCOMPARE(Describe(FindSourceUnitMatches(line, before, ownCatalogue)), sources);
    QCOMPARE(Describe(FindTargetUnitMatches(line, after, UnitCatalogue())), targets);
    QCOMPARE(Describe(FindTargetUnitMatches(line, after, ownCatalogue)), targets);
}

// At every TO of a line, the program's catalogue, which tries only the
// aliases whose length fits the word next to TO, finds what trying every
// alias finds.
void UnitConversionsTest::everyKeywordMatchesAsEveryAlias_data()
{
    QTest::addColumn<QString>("line");

    QTest::newRow("operators inside the target's word") << "5 km to m+1 + 3 m to cm*2 + 1 h to s/2 + 2 km to m)";
    QTest::newRow("units with signs in them") << "36 kph to m/s + 9 m/s2 to ft/s^2 + 5 km to m/s + 1 l/min to ml/min";
    QTest::newRow("several words") << "2 cubic feet per minute to liters per minute to cm + 30 in hg to mm hg";
    QTest::newRow("long words") << "5 kilometres to metres + 5 kilometers to millimeters + 5 nauticalmiles to m";
    QTest::newRow("other scripts") << QString::fromUtf8("5 \u212am to m + 5 m\u017f to us + 3 \u00b0c to \u00b0f");
    QTest::newRow("blanks of every kind") << "5\tkm\tto\tm + 5  cubic  feet  to \t l";
}

void UnitConversionsTest::everyKeywordMatchesAsEveryAlias()
{
    QFETCH(QString, line);

    const QList<UnitDefinition> ownCatalogue = BuildUnitDefinitions();
    QRegularExpressionMatchIterator keywords =
        QRegularExpression(QStringLiteral("\\bTO\\b"), QRegularExpression::CaseInsensitiveOption).globalMatch(line);
    QVERIFY(keywords.hasNext());
    while (keywords.hasNext()) {
        const QRegularExpressionMatch keyword = keywords.next();
        const int before = int(keyword.capturedStart());
        const int after = int(keyword.capturedEnd());
        QCOMPARE(Describe(FindSourceUnitMatches(line, before, UnitCatalogue())),
                 Describe(FindSourceUnitMatches(line, before, ownCatalogue)));
        QCOMPARE(Describe(FindTargetUnitMatches(line, after, UnitCatalogue())),
                 Describe(FindTargetUnitMatches(line, after, ownCatalogue)));
    }
}

void UnitConversionsTest::aliasPattern_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("one word") << "KM" << "KM";
    QTest::newRow("words joined by any blanks") << " FL  OZ " << "FL\\s+OZ";
    QTest::newRow("punctuation escaped") << "M/S^2" << "M\\/S\\^2";
}

void UnitConversionsTest::aliasPattern()
{
    QFETCH(QString, alias);
    QFETCH(QString, pattern);
    QCOMPARE(AliasPattern(alias), pattern);
}

void UnitConversionsTest::blockLinesConvert()
{
    QList<QString> equations;
    QVERIFY(window->ExtractEquationBlock(QStringLiteral("{\nX = 3 FT TO IN\n}"), 99, equations));
    QCOMPARE(equations, QList<QString>{"X =((((3) * 0.30480000000000002)) / 0.025399999999999999)"});
}

void UnitConversionsTest::previewConverts()
{
    auto own = TestSupport::createWindow();
    TestSupport::Pad pad(own.get());
    pad.type(QStringLiteral("12 IN TO CM"));
    QVERIFY2(pad.status().endsWith(QLatin1String(" = 30.48")), qPrintable(pad.status()));
    QVERIFY(!pad.status().contains(QLatin1String(" TO ")));
}

SUMVELLE_TEST_MAIN(UnitConversionsTest)
#include "tst_unitconversions.moc"

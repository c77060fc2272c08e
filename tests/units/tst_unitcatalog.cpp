#include "support/testsupport.h"
#include "units/UnitCatalog.h"

#include <QFile>
#include <QSet>

#include <cmath>

class UnitCatalogTest : public QObject
{
    Q_OBJECT

private slots:
    void categoriesInOrder();
    void aliasCounts();
    void everyAliasListBeginsWithItsSymbol();
    void offsetsAndReciprocal();
    void aliasesSharedAcrossCategories();
    void bothMicroForms();
    void addUnit_data();
    void addUnit();
    void factorsAgreeWithGnuUnits_data();
    void factorsAgreeWithGnuUnits();
};

namespace {
const UnitDefinition* FindUnit(const QString& symbol)
{
    for (const UnitDefinition& unit : UnitCatalogue()) {
        if (unit.symbol == symbol)
            return &unit;
    }
    return nullptr;
}
} // namespace

void UnitCatalogTest::categoriesInOrder()
{
    const QList<QPair<QString, int>> expected = {
        {"LENGTH", 22},        {"AREA", 10},
        {"VOLUME", 23},        {"MASS", 12},
        {"TEMPERATURE", 4},    {"TIME", 10},
        {"SPEED", 6},          {"ACCELERATION", 3},
        {"FORCE", 6},          {"PRESSURE", 11},
        {"ENERGY", 13},        {"POWER", 6},
        {"TORQUE", 4},         {"ANGLE", 6},
        {"FREQUENCY", 7},      {"DATA", 19},
        {"DATA RATE", 8},      {"DENSITY", 6},
        {"FLOW", 11},          {"FUEL ECONOMY", 4},
        {"CURRENT", 4},        {"VOLTAGE", 4},
        {"RESISTANCE", 4},     {"CONDUCTANCE", 3},
        {"CAPACITANCE", 5},    {"INDUCTANCE", 3},
        {"CHARGE", 5},         {"ILLUMINANCE", 2},
        {"ABSORBED DOSE", 3},  {"EQUIVALENT DOSE", 4},
        {"RADIOACTIVITY", 4},  {"DYNAMIC VISCOSITY", 3},
        {"KINEMATIC VISCOSITY", 3}, {"RESOLUTION DENSITY", 3},
        {"TYPOGRAPHY", 4},     {"CONCENTRATION", 4},
    };
    // Units of one category stand together, categories in the order above.
    QList<QPair<QString, int>> found;
    for (const UnitDefinition& unit : UnitCatalogue()) {
        if (found.isEmpty() || found.last().first != unit.category)
            found.append({unit.category, 0});
        ++found.last().second;
    }
    QCOMPARE(found, expected);
    QCOMPARE(UnitCatalogue().size(), 249);
    QCOMPARE(UnitCatalogue().first().symbol, QStringLiteral("PM"));
    QCOMPARE(UnitCatalogue().last().symbol, QStringLiteral("PPT"));
}

void UnitCatalogTest::aliasCounts()
{
    int aliases = 0;
    QSet<QString> distinct;
    QSet<QString> symbols;
    for (const UnitDefinition& unit : UnitCatalogue()) {
        QVERIFY2(unit.aliases.size() >= 2 && unit.aliases.size() <= 9, qPrintable(unit.symbol));
        aliases += int(unit.aliases.size());
        for (const QString& alias : unit.aliases)
            distinct.insert(alias);
        symbols.insert(unit.symbol.toUpper());
    }
    QCOMPARE(aliases, 993);
    QCOMPARE(distinct.size(), 977);
    QCOMPARE(symbols.size(), 249);

    // No category names one text twice.
    QHash<QString, QSet<QString>> byCategory;
    for (const UnitDefinition& unit : UnitCatalogue()) {
        for (const QString& alias : unit.aliases) {
            QVERIFY2(!byCategory[unit.category].contains(alias), qPrintable(alias));
            byCategory[unit.category].insert(alias);
        }
    }
}

void UnitCatalogTest::everyAliasListBeginsWithItsSymbol()
{
    for (const UnitDefinition& unit : UnitCatalogue())
        QCOMPARE(unit.aliases.first(), unit.symbol);
    QCOMPARE(FindUnit("MI")->aliases,
             QStringList({"MI", "MILE", "MILES", "STATUTE MILE", "STATUTE MILES"}));
    QCOMPARE(FindUnit("TYPOMM")->aliases,
             QStringList({"TYPOMM", "MM", "MILLIMETER", "MILLIMETERS", "MILLIMETRE", "MILLIMETRES", "TYPO MM",
                          "TYPOGRAPHIC MILLIMETER", "TYPOGRAPHIC MILLIMETERS"}));
}

void UnitCatalogTest::offsetsAndReciprocal()
{
    QStringList withOffset;
    QStringList reciprocal;
    for (const UnitDefinition& unit : UnitCatalogue()) {
        if (unit.offset != 0.0)
            withOffset.append(unit.symbol);
        if (unit.kind == UnitTransformKind::Reciprocal)
            reciprocal.append(unit.symbol);
    }
    QCOMPARE(withOffset, QStringList({"C", "F"}));
    QCOMPARE(reciprocal, QStringList({"L100KM"}));
    QCOMPARE(FindUnit("F")->factor, 0.5555555555555556);
    QCOMPARE(FindUnit("F")->offset, 255.3722222222222);
    QCOMPARE(FindUnit("L100KM")->factor, 100.0);
    QCOMPARE(FindUnit("KB")->factor, 8192.0);
    QCOMPARE(FindUnit("PIB")->factor, 9007199254740992.0);
}

void UnitCatalogTest::aliasesSharedAcrossCategories()
{
    QHash<QString, QStringList> owners;
    for (const UnitDefinition& unit : UnitCatalogue()) {
        for (const QString& alias : unit.aliases)
            owners[alias].append(unit.symbol);
    }
    QMap<QString, QStringList> shared;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1)
            shared.insert(it.key(), it.value());
    }
    const QMap<QString, QStringList> expected = {
        {"NM", {"NM", "NMTR"}},
        {"MM", {"MM", "TYPOMM"}},
        {"MILLIMETER", {"MM", "TYPOMM"}},
        {"MILLIMETERS", {"MM", "TYPOMM"}},
        {"MILLIMETRE", {"MM", "TYPOMM"}},
        {"MILLIMETRES", {"MM", "TYPOMM"}},
        {"IN", {"IN", "TYPOIN"}},
        {"INCH", {"IN", "TYPOIN"}},
        {"INCHES", {"IN", "TYPOIN"}},
        {"PT", {"PT", "TYPOPT"}},
        {"ST", {"STONE", "STOKE"}},
        {"C", {"C", "COULOMB"}},
        {"F", {"F", "FARAD"}},
        {"S", {"SEC", "SIEMENS"}},
        {"FTLB", {"FTLB", "FTLBT"}},
        {"FT LB", {"FTLB", "FTLBT"}},
    };
    QCOMPARE(shared, expected);
}

void UnitCatalogTest::bothMicroForms()
{
    const QStringList micro = {"UM", "UL", "UG", "US", "UA", "UV", "UF", "UH", "UC", "USV"};
    for (const QString& symbol : micro) {
        const QStringList aliases = FindUnit(symbol)->aliases;
        const QString rest = symbol.mid(1);
        QVERIFY2(aliases.contains(QChar(0x00B5) + rest), qPrintable(symbol));
        QVERIFY2(aliases.contains(QChar(0x03BC) + rest), qPrintable(symbol));
    }
    const QStringList siemens = FindUnit("USIEMENS")->aliases;
    QCOMPARE(siemens, QStringList({"USIEMENS", "MICROSIEMENS", QChar(0x00B5) + QStringLiteral("S SIEMENS")}));
}

void UnitCatalogTest::addUnit_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("symbol missing goes first") << QStringList{"FURLONGS"} << QStringList{"FUR", "FURLONGS"};
    QTest::newRow("symbol present stays put") << QStringList{"FURLONGS", "FUR"} << QStringList{"FURLONGS", "FUR"};
    QTest::newRow("symbol in another case is not added") << QStringList{"fur"} << QStringList{"fur"};
    QTest::newRow("no aliases at all") << QStringList{} << QStringList{"FUR"};
}

void UnitCatalogTest::addUnit()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, stored);
    QList<UnitDefinition> units = BuildUnitDefinitions();
    AddUnit(units, "LENGTH", "FUR", UnitTransformKind::Linear, 201.168, 0.0, given);
    QCOMPARE(units.size(), 250);
    QCOMPARE(units.last().symbol, QStringLiteral("FUR"));
    QCOMPARE(units.last().factor, 201.168);
    QCOMPARE(units.last().aliases, stored);
}

// tests/units/unit_reference.tsv holds every factor as GNU units computes it
// (written by make_unit_reference.py beside it). Rows with a note name a
// known difference in meaning, which must still be there.
void UnitCatalogTest::factorsAgreeWithGnuUnits_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("reference");
    QTest::addColumn<QString>("difference");

    QFile file(QFINDTESTDATA("unit_reference.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QSet<QString> covered;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        QCOMPARE(cells.size(), 6);
        bool ok = false;
        const double reference = cells.at(4).toDouble(&ok);
        QVERIFY(ok);
        QTest::addRow("%s %s", qPrintable(cells.at(0)), qPrintable(cells.at(1)))
            << cells.at(0) << cells.at(1) << reference << cells.at(5);
        covered.insert(cells.at(0));
    }
    QCOMPARE(covered.size(), 249);
}

void UnitCatalogTest::factorsAgreeWithGnuUnits()
{
    QFETCH(QString, symbol);
    QFETCH(QString, field);
    QFETCH(double, reference);
    QFETCH(QString, difference);

    const UnitDefinition* unit = FindUnit(symbol);
    QVERIFY(unit);
    const double value = field == QLatin1String("offset") ? unit->offset : unit->factor;
    // GNU units reaches some values through longer chains of arithmetic, a
    // few bits off; a value rounded or cut short in its digits is further.
    const double tolerance = 1e-14;
    const double relative = std::fabs(value - reference) / std::fabs(reference);
    if (difference.isEmpty())
        QVERIFY2(relative < tolerance, qPrintable(QString::number(value, 'g', 17)));
    else
        QVERIFY2(relative > tolerance, qPrintable(difference));
}

SUMVELLE_TEST_MAIN(UnitCatalogTest)
#include "tst_unitcatalog.moc"

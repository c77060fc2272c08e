#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include "units/UnitCatalog.h"
#include "units/UnitConversions.h"

#include <QSet>

#include <algorithm>

class ConversionVocabularyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void counts();
    void sortedWithoutRegardToCase();
    void orderEqualsCaselessThenExactComparison_data();
    void orderEqualsCaselessThenExactComparison();
    void phrasesOfOneAlias_data();
    void phrasesOfOneAlias();
    void noUnitConvertsToItself();
    void bothMicroFormsAreEntries();
    void callsReturnIndependentCopies();

private:
    std::unique_ptr<MainWindow> window;
    QStringList vocabulary;
};

void ConversionVocabularyTest::initTestCase()
{
    window = TestSupport::createWindow();
    vocabulary = window->GetUnitConversionVocabulary();
}

void ConversionVocabularyTest::cleanupTestCase()
{
    window.reset();
}

void ConversionVocabularyTest::counts()
{
    QCOMPARE(vocabulary.size(), 11253);
    QCOMPARE(QSet<QString>(vocabulary.cbegin(), vocabulary.cend()).size(), 11253);
    int phrases = 0;
    for (const QString& entry : vocabulary) {
        if (entry.contains(QLatin1String(" TO ")))
            ++phrases;
    }
    QCOMPARE(phrases, 10275);
    QVERIFY(vocabulary.contains(QStringLiteral("TO")));
}

void ConversionVocabularyTest::sortedWithoutRegardToCase()
{
    QCOMPARE(vocabulary.mid(0, 10), QStringList({"%", "% TO PPB", "% TO PPM", "% TO PPT", "A", "A TO KA", "A TO MA",
                                                 "A TO UA", "ACRE", "ACRE TO CM2"}));
    for (int i = 1; i < vocabulary.size(); ++i)
        QVERIFY2(vocabulary.at(i - 1).compare(vocabulary.at(i), Qt::CaseInsensitive) <= 0,
                 qPrintable(vocabulary.at(i)));
}

// Ties between texts that fold alike go to the exact comparison, and a
// character outside the basic plane folds as a whole.
void ConversionVocabularyTest::orderEqualsCaselessThenExactComparison_data()
{
    QTest::addColumn<QStringList>("aliases");
    QTest::newRow("catalogue") << QStringList();
    QTest::newRow("folds alike") << QStringList({QStringLiteral("\u00B5m"), QStringLiteral("\u03BCm"),
                                                 QStringLiteral("\u039CM"), QStringLiteral("Mm"), QStringLiteral("mM")});
    QTest::newRow("special folds") << QStringList({QStringLiteral("\u00DF"), QStringLiteral("ss"),
                                                   QStringLiteral("\u1E9E"), QStringLiteral("\u212A"),
                                                   QStringLiteral("k"), QStringLiteral("\u0130"), QStringLiteral("i")});
    QTest::newRow("outside the basic plane")
        << QStringList({QString::fromUcs4(U"\U00010400x"), QString::fromUcs4(U"\U00010428X"),
                        QStringLiteral("\uFF21"), QStringLiteral("\uFF41"), QStringLiteral("z")});
}

void ConversionVocabularyTest::orderEqualsCaselessThenExactComparison()
{
    QFETCH(QStringList, aliases);
    QStringList built = vocabulary;
    if (!aliases.isEmpty()) {
        QList<UnitDefinition> units;
        for (const QString& alias : aliases) {
            UnitDefinition unit;
            unit.category = QStringLiteral("LENGTH");
            unit.symbol = alias;
            unit.aliases = {alias};
            units.append(unit);
        }
        built = BuildConversionVocabulary(units);
    }
    QStringList expected = built;
    std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        const int caseless = a.compare(b, Qt::CaseInsensitive);
        return caseless != 0 ? caseless < 0 : a < b;
    });
    QCOMPARE(built, expected);
}

void ConversionVocabularyTest::phrasesOfOneAlias_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QStringList>("phrases");

    QTest::newRow("degrees celsius") << "DEGREES C"
                                     << QStringList{"DEGREES C TO F", "DEGREES C TO K", "DEGREES C TO R"};
    QTest::newRow("one other unit") << "LX" << QStringList{"LX TO FOOTCANDLE"};
    QTest::newRow("one other unit back") << "FC" << QStringList{"FC TO LUX"};
    QTest::newRow("alias of two categories")
        << "IN"
        << QStringList{"IN TO AU",   "IN TO CHAIN", "IN TO CM", "IN TO DAM",    "IN TO DM",   "IN TO FT",
                       "IN TO FURLONG", "IN TO HM", "IN TO KM", "IN TO LY",     "IN TO M",    "IN TO MI",
                       "IN TO MIL",  "IN TO MM",    "IN TO NM", "IN TO NMI",    "IN TO PC",   "IN TO PICA",
                       "IN TO PM",   "IN TO ROD",   "IN TO TYPOMM", "IN TO TYPOPT", "IN TO UM", "IN TO YD"};
}

void ConversionVocabularyTest::phrasesOfOneAlias()
{
    QFETCH(QString, alias);
    QFETCH(QStringList, phrases);
    const QStringList found = vocabulary.filter(QRegularExpression(
        QStringLiteral("^") + QRegularExpression::escape(alias) + QStringLiteral(" TO [^ ]+$")));
    QCOMPARE(found, phrases);
}

void ConversionVocabularyTest::noUnitConvertsToItself()
{
    const QStringList kilometre = vocabulary.filter(QRegularExpression(QStringLiteral("^KM TO ")));
    QCOMPARE(kilometre.size(), 21);
    QCOMPARE(kilometre.first(), QStringLiteral("KM TO AU"));
    QCOMPARE(kilometre.last(), QStringLiteral("KM TO YD"));
    QVERIFY(!vocabulary.contains(QStringLiteral("KM TO KM")));
    QVERIFY(!vocabulary.contains(QStringLiteral("M TO M")));
    QVERIFY(!vocabulary.contains(QStringLiteral("METRE TO M")));
}

void ConversionVocabularyTest::bothMicroFormsAreEntries()
{
    QVERIFY(vocabulary.contains(QString::fromUtf8("\u00b5M")));
    QVERIFY(vocabulary.contains(QString::fromUtf8("\u03bcM")));
    QVERIFY(vocabulary.contains(QString::fromUtf8("\u00b5M TO MM")));
    QVERIFY(vocabulary.contains(QString::fromUtf8("\u03bcM TO MM")));
}

void ConversionVocabularyTest::callsReturnIndependentCopies()
{
    QStringList first = window->GetUnitConversionVocabulary();
    first.clear();
    QCOMPARE(window->GetUnitConversionVocabulary(), vocabulary);
    QCOMPARE(TestSupport::createWindow()->GetUnitConversionVocabulary(), vocabulary);
}

SUMVELLE_TEST_MAIN(ConversionVocabularyTest)
#include "tst_conversionvocabulary.moc"

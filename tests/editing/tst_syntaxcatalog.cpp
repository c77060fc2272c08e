#include "support/testsupport.h"

#include "pad/mainwindow.h"

class SyntaxCatalogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void counts_data();
    void counts();
    void lookup_data();
    void lookup();
    void entries_data();
    void entries();
    void orderOfGroups();

private:
    std::unique_ptr<MainWindow> window;
};

using Item = MainWindow::CalculatorSyntaxItem;

void SyntaxCatalogTest::initTestCase()
{
    window = TestSupport::createWindow();
}

void SyntaxCatalogTest::counts_data()
{
    QTest::addColumn<int>("kind");  // 0 all, 1 function, 2 command, 3 word operator, 4 no flag
    QTest::addColumn<int>("count");
    QTest::newRow("every built-in entry") << 0 << 226;
    QTest::newRow("functions") << 1 << 110;
    QTest::newRow("commands") << 2 << 49;
    QTest::newRow("word operators and number words") << 3 << 59;
    QTest::newRow("constants and base literals") << 4 << 8;
}

void SyntaxCatalogTest::counts()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    const QList<Item> catalog = window->GetCalculatorSyntaxCatalog();
    int found = 0;
    for (const Item& item : catalog) {
        QVERIFY2(int(item.isFunction) + int(item.isCommand) + int(item.isWordOperator) <= 1, qPrintable(item.name));
        const bool counted = kind == 0 || (kind == 1 && item.isFunction) || (kind == 2 && item.isCommand)
                             || (kind == 3 && item.isWordOperator)
                             || (kind == 4 && !item.isFunction && !item.isCommand && !item.isWordOperator);
        if (counted)
            ++found;
    }
    QCOMPARE(found, count);
}

void SyntaxCatalogTest::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("syntax");
    QTest::addColumn<bool>("isFunction");
    QTest::addColumn<bool>("isCommand");
    QTest::newRow("lower case finds SIN") << "sin" << true << "SIN(angle)" << true << false;
    QTest::newRow("MIN is the statistics function first")
        << "MIN" << true << "MIN(value1, value2, ...)" << true << false;
    QTest::newRow("multi-word command") << "menu output base" << true << "MENU OUTPUT BASE [DEC/BIN/OCT/HEX]" << false
                                        << true;
    QTest::newRow("base literal has syntax but no flag") << "0X" << true << "0x(hexadecimalDigits)" << false << false;
    QTest::newRow("constant") << "pi" << true << "" << false << false;
    QTest::newRow("word operator") << "plus" << true << "" << false << false;
    QTest::newRow("unknown name") << "FOO" << false << "" << false << false;
    QTest::newRow("empty name") << "" << false << "" << false << false;
}

void SyntaxCatalogTest::lookup()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(QString, syntax);
    QFETCH(bool, isFunction);
    QFETCH(bool, isCommand);
    const std::optional<Item> item = window->FindCalculatorSyntaxItem(name);
    QCOMPARE(item.has_value(), found);
    if (!item)
        return;
    QCOMPARE(item->syntax, syntax);
    QCOMPARE(item->isFunction, isFunction);
    QCOMPARE(item->isCommand, isCommand);
}

void SyntaxCatalogTest::entries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("parameters");
    QTest::newRow("trailing ellipsis stays with its label") << "MIN" << QStringList{"value1", "value2, ..."};
    QTest::newRow("NPV") << "NPV" << QStringList{"rate", "cashFlow0", "cashFlow1, ..."};
    QTest::newRow("ROUND's optional first argument") << "ROUND" << QStringList{"decimalPlaces", "value"};
    QTest::newRow("FV's optional last argument")
        << "FV" << QStringList{"rate", "periods", "presentValue", "payment"};
    QTest::newRow("RATE's optional last argument")
        << "RATE" << QStringList{"periods", "payment", "presentValue", "futureValue"};
    QTest::newRow("DATE's label is not in its syntax") << "DATE" << QStringList{"dateText"};
    QTest::newRow("RANDOM has none") << "RANDOM" << QStringList{};
    QTest::newRow("ATAN2") << "ATAN2" << QStringList{"y", "x"};
    QTest::newRow("CREATE FUNCTION") << "CREATE FUNCTION" << QStringList{"name(parameter, ...)", "expression"};
    QTest::newRow("window-handle command") << "SHOW" << QStringList{"handle"};
    QTest::newRow("plain command") << "CLEAR VARIABLES" << QStringList{};
}

void SyntaxCatalogTest::entries()
{
    QFETCH(QString, name);
    QFETCH(QStringList, parameters);
    const std::optional<Item> item = window->FindCalculatorSyntaxItem(name);
    QVERIFY(item);
    QCOMPARE(item->parameters, parameters);
}

// Lookups return the first entry of a name, so the order is part of the
// catalogue's behaviour.
void SyntaxCatalogTest::orderOfGroups()
{
    const QList<Item> catalog = window->GetCalculatorSyntaxCatalog();
    QCOMPARE(catalog.at(0).name, QStringLiteral("SIN"));
    QCOMPARE(catalog.at(78).name, QStringLiteral("RSHIFT"));
    QCOMPARE(catalog.at(79).name, QStringLiteral("0b"));
    QCOMPARE(catalog.at(81).name, QStringLiteral("0x"));
    QCOMPARE(catalog.at(82).name, QStringLiteral("DATE"));
    QCOMPARE(catalog.at(82).syntax, QStringLiteral("DATE(\"M/D/YYYY [H:MM AM/PM]\")"));
    QCOMPARE(catalog.at(112).name, QStringLiteral("TAX"));
    QCOMPARE(catalog.at(113).name, QStringLiteral("PI"));
    QCOMPARE(catalog.at(118).name, QStringLiteral("CLEAR"));
    QCOMPARE(catalog.at(166).name, QStringLiteral("DISABLE"));
    QCOMPARE(catalog.at(166).syntax, QStringLiteral("DISABLE [handle]"));
    QCOMPARE(catalog.at(167).name, QStringLiteral("RAISED TO THE POWER OF"));
    QCOMPARE(catalog.at(225).name, QStringLiteral("POINT"));
}

SUMVELLE_TEST_MAIN(SyntaxCatalogTest)
#include "tst_syntaxcatalog.moc"

#include "engine/CustomFunctions.h"
#include "pad/mainwindow.h"
#include "support/numbers.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

using Access = MainWindowTestAccess;
using Replacements = QMap<QString, QString>;

// One entry of a settings array, as a hand-edited file may hold it.
struct StoredEntry
{
    QVariant name;
    QVariant parameters;
    QVariant expression;
};
Q_DECLARE_METATYPE(QList<StoredEntry>)

class CustomFunctionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void replaceIdentifierTokens_data();
    void replaceIdentifierTokens();
    void expansion_data();
    void expansion();
    void noFunctionsLeavesAnyTextAlone_data();
    void noFunctionsLeavesAnyTextAlone();
    void evaluatesThroughExpansion_data();
    void evaluatesThroughExpansion();
    void expansionBudget_data();
    void expansionBudget();
    void expansionLengthLimit_data();
    void expansionLengthLimit();
    void geometricGrowthStopsAtTheLimit();

    void saveAndLoadRoundTrip();
    void saveRemovesAnEarlierLongerArray();
    void loadSkipsInvalidEntries_data();
    void loadSkipsInvalidEntries();
    void loadReplacesWhatWasDefined();
    void loadTrustsNoStoredSize_data();
    void loadTrustsNoStoredSize();

    void syntaxItemsInCodeUnitOrder();
    void findSyntaxItemLooksUpUserFunctions_data();
    void findSyntaxItemLooksUpUserFunctions();

private:
    std::unique_ptr<QSettings> makeSettings();

    std::unique_ptr<MainWindow> window;
    QTemporaryDir settingsDirectory;
    int settingsFiles = 0;
};

void CustomFunctionsTest::init()
{
    window = TestSupport::createWindow();
    Access::define(*window, "AREA", {"W", "H"}, "w*h");
    Access::define(*window, "SQ", {"X"}, "X^2");
    Access::define(*window, "TWOPI", {}, "2*PI");
    Access::define(*window, "DBL", {"X"}, "X*2");
    Access::define(*window, "ADD2", {"A", "B"}, "A+B");
    Access::define(*window, "MILLI", {"E"}, "2e-3*E");
    Access::define(*window, "HEXPLUS", {"X1F"}, "0x1F + X1F");
    Access::define(*window, "X1F", {"A"}, "A");
    Access::define(*window, "E3", {"A"}, "A");
    Access::define(*window, "LOOP", {"X"}, "LOOP(X)+1");
}

std::unique_ptr<QSettings> CustomFunctionsTest::makeSettings()
{
    const QString path = settingsDirectory.filePath(QStringLiteral("settings%1.ini").arg(++settingsFiles));
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

void CustomFunctionsTest::replaceIdentifierTokens_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Replacements>("replacements");
    QTest::addColumn<QString>("expected");

    const Replacements x = {{"X", "(1)"}};
    QTest::newRow("whole tokens only") << "X2 + X + 2X" << x << "X2 + (1) + 2(1)";
    QTest::newRow("any case") << "x*X" << x << "(1)*(1)";
    QTest::newRow("underscore and digits continue a token") << "_X + X_1 + X" << x << "_X + X_1 + (1)";
    QTest::newRow("letters of other scripts continue a token") << "Xé + X" << x << "Xé + (1)";
    QTest::newRow("quotes mean nothing") << "\"X\"" << x << "\"(1)\"";
    QTest::newRow("replaced text is not read again") << "X" << Replacements{{"X", "X+X"}} << "X+X";
    QTest::newRow("no replacements") << "X+Y" << Replacements{} << "X+Y";
    QTest::newRow("letter outside the basic plane begins a token")
        << QString::fromUtf8("\xF0\x9D\x91\xA5X") << x << QString::fromUtf8("\xF0\x9D\x91\xA5X");

    // Numbers are never read as names.
    const Replacements e = {{"E", "(1)"}};
    QTest::newRow("exponent is no parameter") << "2e-3*E" << e << "2e-3*(1)";
    QTest::newRow("exponent with a point") << "5.E3+e" << e << "5.E3+(1)";
    QTest::newRow("letter after an exponent is a name") << "2e3e" << e << "2e3(1)";
    QTest::newRow("e without exponent digits is a name") << "2e" << e << "2(1)";
    QTest::newRow("base literal tail is no parameter") << "0x1F + X1F" << Replacements{{"X1F", "(1)"}}
                                                       << "0x1F + (1)";
    QTest::newRow("binary literal tail") << "0b1+B1" << Replacements{{"B1", "(1)"}} << "0b1+(1)";
}

void CustomFunctionsTest::replaceIdentifierTokens()
{
    QFETCH(QString, text);
    QFETCH(Replacements, replacements);
    QFETCH(QString, expected);
    QCOMPARE(ReplaceIdentifierTokens(text, replacements), expected);
}

void CustomFunctionsTest::expansion_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");

    QTest::newRow("empty text") << "" << true << "" << "";
    QTest::newRow("no call") << "1+2*X" << true << "1+2*X" << "";
    QTest::newRow("call in any case, parameters in any case") << "area(2, 3)" << true << "((2)*(3))" << "";
    QTest::newRow("space before the parenthesis") << "AREA (2, 3)" << true << "((2)*(3))" << "";
    QTest::newRow("name without parenthesis is left alone") << "AREA + 1" << true << "AREA + 1" << "";
    QTest::newRow("name inside a longer identifier") << "AREA2(1)" << true << "AREA2(1)" << "";
    QTest::newRow("digit before the name") << "2AREA(1, 2)" << true << "2((1)*(2))" << "";
    QTest::newRow("arguments substituted as text") << "-SQ(1+2)" << true << "-((1+2)^2)" << "";
    QTest::newRow("no parameters") << "TWOPI()" << true << "(2*PI)" << "";
    QTest::newRow("no parameters, blank inside") << "TWOPI( )" << true << "(2*PI)" << "";
    QTest::newRow("commas in nested parentheses") << "ADD2(MAX(1, 2), 3)" << true << "((MAX(1, 2))+(3))" << "";
    QTest::newRow("outermost first") << "SQ(DBL(1))" << true << "((((1)*2))^2)" << "";
    QTest::newRow("leftmost first, then rescanned") << "DBL(1)+SQ(2)" << true << "((1)*2)+((2)^2)" << "";
    QTest::newRow("exponent in the body stays") << "MILLI(2)" << true << "(2e-3*(2))" << "";
    QTest::newRow("base literal in the body stays") << "HEXPLUS(1)" << true << "(0x1F + (1))" << "";
    QTest::newRow("base literal tail is no call") << "0x1F(2)" << true << "0x1F(2)" << "";
    QTest::newRow("exponent is no call") << "2e3(4)" << true << "2e3(4)" << "";

    QTest::newRow("count, no parameters") << "TWOPI(1)" << false << "TWOPI(1)" << "TWOPI expects 0 argument(s)";
    QTest::newRow("count, too few") << "area(1)" << false << "area(1)" << "AREA expects 2 argument(s)";
    QTest::newRow("empty argument between commas")
        << "AREA(1,,2)" << false << "AREA(1,,2)" << "Invalid arguments for AREA";
    QTest::newRow("empty last argument") << "AREA(1, )" << false << "AREA(1, )" << "Invalid arguments for AREA";
    QTest::newRow("unclosed call") << "AREA(1" << false << "AREA(1" << "Unclosed custom function call: AREA";
    QTest::newRow("error after an expansion keeps the text so far")
        << "DBL(1)+SQ(2" << false << "((1)*2)+SQ(2" << "Unclosed custom function call: SQ";
    QTest::newRow("recursion runs out of budget")
        << "LOOP(1)" << false << QString() << "Custom function expansion limit reached";
}

void CustomFunctionsTest::expansion()
{
    QFETCH(QString, input);
    QFETCH(bool, ok);
    QFETCH(QString, output);
    QFETCH(QString, error);

    const auto before = Access::customFunctions(*window);
    QString expanded = QStringLiteral("stale");
    QString message = QStringLiteral("stale");
    QCOMPARE(window->ExpandCustomFunctions(input, expanded, message), ok);
    QCOMPARE(message, error);
    if (!output.isNull())
        QCOMPARE(expanded, output);
    QVERIFY(Access::customFunctions(*window).keys() == before.keys());
}

void CustomFunctionsTest::noFunctionsLeavesAnyTextAlone_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("empty") << "";
    QTest::newRow("call-like text") << "AREA(1, 2";
    QTest::newRow("arithmetic") << "SIN(1)+2";
}

void CustomFunctionsTest::noFunctionsLeavesAnyTextAlone()
{
    QFETCH(QString, input);
    Access::customFunctions(*window).clear();
    QString output;
    QString error = QStringLiteral("stale");
    QVERIFY(window->ExpandCustomFunctions(input, output, error));
    QCOMPARE(output, input);
    QVERIFY(error.isEmpty());
}

void CustomFunctionsTest::evaluatesThroughExpansion_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("power of a call") << "2^DBL(1+2)" << true << 64.0;
    QTest::newRow("negated square") << "-SQ(1+2)" << true << -9.0;
    QTest::newRow("nested calls") << "AREA(DBL(2), SQ(3))" << true << 36.0;
    QTest::newRow("exponent kept beside a parameter E") << "MILLI(2)" << true << 0.004;
    QTest::newRow("base literal kept beside a parameter X1F") << "HEXPLUS(1)" << true << 32.0;
    QTest::newRow("failed expansion fails the evaluation") << "AREA(1)" << false << 0.0;
}

void CustomFunctionsTest::evaluatesThroughExpansion()
{
    QFETCH(QString, expression);
    QFETCH(bool, ok);
    QFETCH(double, value);
    bool evaluated = false;
    const double result = window->Eval(expression, evaluated);
    QCOMPARE(evaluated, ok);
    QVERIFY2(TestSupport::IsClose(result, value, 1e-12), qPrintable(QString::number(result, 'g', 17)));
}

void CustomFunctionsTest::expansionBudget_data()
{
    QTest::addColumn<int>("calls");
    QTest::addColumn<bool>("ok");
    QTest::newRow("99 expansions") << 99 << true;
    QTest::newRow("100 expansions fail though no call is left") << 100 << false;
    QTest::newRow("more") << 150 << false;
}

void CustomFunctionsTest::expansionBudget()
{
    QFETCH(int, calls);
    QFETCH(bool, ok);
    QStringList parts;
    for (int i = 0; i < calls; ++i)
        parts.append(QStringLiteral("DBL(1)"));
    QString output;
    QString error;
    QCOMPARE(window->ExpandCustomFunctions(parts.join(QLatin1Char('+')), output, error), ok);
    if (ok) {
        QCOMPARE(output.count(QStringLiteral("((1)*2)")), calls);
        QVERIFY(error.isEmpty());
    } else {
        QCOMPARE(error, QStringLiteral("Custom function expansion limit reached"));
    }
}

void CustomFunctionsTest::expansionLengthLimit_data()
{
    // ID(x) expands to "((x))": two characters longer than the call's "ID(x)"
    // less the name, four more than the argument.
    QTest::addColumn<int>("argumentLength");
    QTest::addColumn<bool>("ok");
    QTest::newRow("exactly 1,000,000 characters") << 999996 << true;
    QTest::newRow("one character more") << 999997 << false;
}

void CustomFunctionsTest::expansionLengthLimit()
{
    QFETCH(int, argumentLength);
    QFETCH(bool, ok);
    Access::define(*window, "ID", {"X"}, "X");
    const QString argument(argumentLength, QLatin1Char('7'));
    QString output;
    QString error;
    QCOMPARE(window->ExpandCustomFunctions(QStringLiteral("ID(") + argument + QLatin1Char(')'), output, error), ok);
    if (ok)
        QCOMPARE(output.size(), 1000000);
    else
        QCOMPARE(error, QStringLiteral("Custom function expansion limit reached"));
}

void CustomFunctionsTest::geometricGrowthStopsAtTheLimit()
{
    // Each function passes its parameter ten times to the next: fully
    // expanded, one call would be about 10^10 characters long.
    for (int i = 0; i < 10; ++i) {
        const QString next = QStringLiteral("G%1").arg(i + 1);
        QStringList uses(10, QStringLiteral("X"));
        Access::define(*window, QStringLiteral("G%1").arg(i), {"X"},
                       i == 9 ? QStringLiteral("X") : next + QLatin1Char('(') + uses.join(QLatin1Char('+')) + QLatin1Char(')'));
    }
    QString output;
    QString error;
    QVERIFY(!window->ExpandCustomFunctions(QStringLiteral("G0(1)"), output, error));
    QCOMPARE(error, QStringLiteral("Custom function expansion limit reached"));
    QVERIFY(output.size() <= 1000000);
    bool ok = true;
    window->Eval(QStringLiteral("G0(1)"), ok);
    QVERIFY(!ok);
}

void CustomFunctionsTest::saveAndLoadRoundTrip()
{
    const std::unique_ptr<QSettings> settings = makeSettings();
    window->SaveCustomFunctions(*settings);
    settings->sync();

    // Read back from the file by a fresh settings object, as the next start would.
    QSettings reread(settings->fileName(), QSettings::IniFormat);
    const std::unique_ptr<MainWindow> loaded = TestSupport::createWindow();
    loaded->LoadCustomFunctions(reread);
    QCOMPARE(loaded->GetCustomFunctionsList(), window->GetCustomFunctionsList());
    const auto& functions = Access::customFunctions(*loaded);
    QCOMPARE(functions.value("TWOPI").parameters, QStringList());
    QCOMPARE(functions.value("SQ").parameters, QStringList{"X"});
    QCOMPARE(functions.value("AREA").parameters, (QStringList{"W", "H"}));
    QCOMPARE(functions.value("AREA").expression, QStringLiteral("w*h"));
}

void CustomFunctionsTest::saveRemovesAnEarlierLongerArray()
{
    const std::unique_ptr<QSettings> settings = makeSettings();
    window->SaveCustomFunctions(*settings);
    QCOMPARE(settings->beginReadArray(QStringLiteral("CustomFunctions")), 10);
    settings->endArray();

    Access::customFunctions(*window).clear();
    Access::define(*window, "C", {}, "3");
    Access::define(*window, "A", {}, "1");
    Access::define(*window, "B", {}, "2");
    window->SaveCustomFunctions(*settings);
    settings->sync();

    QSettings reread(settings->fileName(), QSettings::IniFormat);
    reread.beginGroup(QStringLiteral("CustomFunctions"));
    QStringList groups = reread.childGroups();
    groups.sort();
    QCOMPARE(groups, (QStringList{"1", "2", "3"}));
    reread.endGroup();
    QCOMPARE(reread.beginReadArray(QStringLiteral("CustomFunctions")), 3);
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        reread.setArrayIndex(i);
        names.append(reread.value(QStringLiteral("Name")).toString());
    }
    reread.endArray();
    QCOMPARE(names, (QStringList{"A", "B", "C"}));
}

void CustomFunctionsTest::loadSkipsInvalidEntries_data()
{
    QTest::addColumn<QList<StoredEntry>>("entries");
    QTest::addColumn<QString>("listed");

    const StoredEntry valid = {"F", QStringList{"X"}, "X+1"};
    QTest::newRow("valid entry, name and parameters tidied")
        << QList<StoredEntry>{{" area ", QStringList{" w", "h "}, "  w*h  "}} << "AREA(W, H) = w*h";
    QTest::newRow("single parameter stored as a plain string")
        << QList<StoredEntry>{{"F", QString("x"), "x*2"}} << "F(X) = x*2";
    QTest::newRow("no parameters") << QList<StoredEntry>{{"F", QVariant(), "2"}} << "F() = 2";
    QTest::newRow("built-in function name") << QList<StoredEntry>{{"SIN", QStringList{"X"}, "X"}, valid}
                                            << "F(X) = X+1";
    QTest::newRow("command word") << QList<StoredEntry>{{"clear", QStringList{"X"}, "X"}, valid} << "F(X) = X+1";
    QTest::newRow("invalid name") << QList<StoredEntry>{{"1F", QStringList{"X"}, "X"}, valid} << "F(X) = X+1";
    QTest::newRow("blank expression") << QList<StoredEntry>{{"G", QStringList{"X"}, "   "}, valid} << "F(X) = X+1";
    QTest::newRow("repeated parameter") << QList<StoredEntry>{{"G", QStringList{"X", "x"}, "X"}, valid}
                                        << "F(X) = X+1";
    QTest::newRow("reserved parameter") << QList<StoredEntry>{{"G", QStringList{"PI"}, "PI"}, valid}
                                        << "F(X) = X+1";
    QTest::newRow("invalid parameter") << QList<StoredEntry>{{"G", QStringList{"X", "2Y"}, "X"}, valid}
                                       << "F(X) = X+1";
    QTest::newRow("second entry of a name") << QList<StoredEntry>{valid, {"f", QStringList{}, "7"}} << "F(X) = X+1";
    QTest::newRow("parameter named like an earlier function")
        << QList<StoredEntry>{{"A", QVariant(), "1"}, {"G", QStringList{"A"}, "A"}} << "A() = 1";
    QTest::newRow("parameter named like a later function")
        << QList<StoredEntry>{{"G", QStringList{"A"}, "A"}, {"A", QVariant(), "1"}} << "A() = 1\nG(A) = A";
    QTest::newRow("cycles load unchecked")
        << QList<StoredEntry>{{"P", QStringList{"X"}, "Q(X)"}, {"Q", QStringList{"X"}, "P(X)"}}
        << "P(X) = Q(X)\nQ(X) = P(X)";
}

void CustomFunctionsTest::loadSkipsInvalidEntries()
{
    QFETCH(QList<StoredEntry>, entries);
    QFETCH(QString, listed);
    const std::unique_ptr<QSettings> settings = makeSettings();
    settings->beginWriteArray(QStringLiteral("CustomFunctions"), int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(QStringLiteral("Name"), entries.at(i).name);
        if (entries.at(i).parameters.isValid())
            settings->setValue(QStringLiteral("Parameters"), entries.at(i).parameters);
        settings->setValue(QStringLiteral("Expression"), entries.at(i).expression);
    }
    settings->endArray();
    settings->sync();

    QSettings reread(settings->fileName(), QSettings::IniFormat);
    window->LoadCustomFunctions(reread);
    QCOMPARE(window->GetCustomFunctionsList(), listed);
}

void CustomFunctionsTest::loadReplacesWhatWasDefined()
{
    const std::unique_ptr<QSettings> settings = makeSettings();
    window->LoadCustomFunctions(*settings);
    QCOMPARE(window->GetCustomFunctionsList(), QStringLiteral("-No Custom Functions-"));
}

void CustomFunctionsTest::loadTrustsNoStoredSize_data()
{
    QTest::addColumn<int>("storedSize");
    QTest::addColumn<QList<int>>("entries"); // the 1-based indexes written
    QTest::addColumn<int>("loaded");
    QTest::newRow("size far beyond the entries") << 10000000 << QList<int>{1, 2} << 2;
    QTest::newRow("largest size") << 2147483647 << QList<int>{1} << 1;
    QTest::newRow("a missing entry ends the array") << 3 << QList<int>{1, 3} << 1;
    QList<int> many;
    for (int i = 1; i <= MainWindow::MaximumStoredCustomFunctions + 1; ++i)
        many << i;
    QTest::newRow("more entries than the maximum")
        << int(many.size()) << many << MainWindow::MaximumStoredCustomFunctions;
}

// An edited file's array size is not trusted: loading ends at the entries
// that are there, and at the maximum.
void CustomFunctionsTest::loadTrustsNoStoredSize()
{
    QFETCH(int, storedSize);
    QFETCH(QList<int>, entries);
    QFETCH(int, loaded);
    const QString path = settingsDirectory.filePath(QStringLiteral("sized%1.ini").arg(++settingsFiles));
    QByteArray text = "[CustomFunctions]\n";
    for (int index : entries)
        text += QByteArray::number(index) + "\\Name=F" + QByteArray::number(index) + "\n"
            + QByteArray::number(index) + "\\Expression=" + QByteArray::number(index) + "\n";
    text += "size=" + QByteArray::number(storedSize) + "\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    QSettings settings(path, QSettings::IniFormat);
    window->LoadCustomFunctions(settings);
    QCOMPARE(window->GetCustomFunctionsList().split(QLatin1Char('\n')).size(), loaded);
    QVERIFY(window->GetCustomFunctionsList().startsWith(QLatin1String("F1() = 1")));
}

void CustomFunctionsTest::syntaxItemsInCodeUnitOrder()
{
    Access::customFunctions(*window).clear();
    Access::define(*window, "A_B", {}, "1");
    Access::define(*window, "AB", {"X", "Y"}, "X+Y");
    Access::define(*window, "A1", {"X"}, "X");
    const QList<MainWindow::CalculatorSyntaxItem> items = window->GetCustomFunctionSyntaxItems();
    QStringList syntaxes;
    for (const MainWindow::CalculatorSyntaxItem& item : items) {
        syntaxes.append(item.syntax);
        QVERIFY(item.isFunction);
        QVERIFY(!item.isCommand);
        QVERIFY(!item.isWordOperator);
    }
    QCOMPARE(syntaxes, (QStringList{"A1(X)", "AB(X, Y)", "A_B()"}));
    QCOMPARE(items.at(1).parameters, (QStringList{"X", "Y"}));
    // The user's functions close the catalogue.
    QCOMPARE(window->GetCalculatorSyntaxCatalog().constLast().name, QStringLiteral("A_B"));
}

void CustomFunctionsTest::findSyntaxItemLooksUpUserFunctions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("syntax");  // empty: not found
    QTest::newRow("user function in any case") << "area" << "AREA(W, H)";
    QTest::newRow("without parameters") << "TwoPi" << "TWOPI()";
    QTest::newRow("longer name") << "AREA2" << "";
    QTest::newRow("built-in still found") << "sin" << "SIN(angle)";
}

void CustomFunctionsTest::findSyntaxItemLooksUpUserFunctions()
{
    QFETCH(QString, name);
    QFETCH(QString, syntax);
    const std::optional<MainWindow::CalculatorSyntaxItem> item = window->FindCalculatorSyntaxItem(name);
    QCOMPARE(item.has_value(), !syntax.isEmpty());
    if (item) {
        QCOMPARE(item->syntax, syntax);
        QVERIFY(item->isFunction);
    }
}

SUMVELLE_TEST_MAIN(CustomFunctionsTest)
#include "tst_customfunctions.moc"

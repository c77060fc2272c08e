#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QSettings>
#include <QTemporaryDir>

using Access = MainWindowTestAccess;

class FunctionCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createRefused_data();
    void createRefused();
    void createSucceeds_data();
    void createSucceeds();
    void callOfAFunctionThatUsesAVariable();
    void submittingAgainUpdates();
    void callsAnswerInThePad_data();
    void callsAnswerInThePad();
    void callsExpandWhereverLinesAreEvaluated_data();
    void callsExpandWhereverLinesAreEvaluated();
    void lists_data();
    void lists();
    void deleteFunction_data();
    void deleteFunction();
    void deleteLeavesCallersDefined();
    void otherLinesAreNotCommands_data();
    void otherLinesAreNotCommands();
    void loadedCycleRefusesEveryCreate();
    void longLoadedChainIsChecked();
    void undoAndRedoCreate();

private:
    void submit(const QStringList& lines) const;
    void loadFunctions(const QList<QStringList>& entries);

    QTemporaryDir settingsDirectory;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void FunctionCommandsTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void FunctionCommandsTest::cleanup()
{
    pad.reset();
    window.reset();
}

void FunctionCommandsTest::submit(const QStringList& lines) const
{
    for (const QString& line : lines)
        pad->submit(line);
}

// Loads {name, parameters joined by ",", expression} entries as a settings
// file would hold them.
void FunctionCommandsTest::loadFunctions(const QList<QStringList>& entries)
{
    QSettings settings(settingsDirectory.filePath(QStringLiteral("functions.ini")), QSettings::IniFormat);
    settings.clear();
    settings.beginWriteArray(QStringLiteral("CustomFunctions"), int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("Name"), entries.at(i).at(0));
        settings.setValue(QStringLiteral("Parameters"), entries.at(i).at(1).split(QLatin1Char(','), Qt::SkipEmptyParts));
        settings.setValue(QStringLiteral("Expression"), entries.at(i).at(2));
    }
    settings.endArray();
    window->LoadCustomFunctions(settings);
}

void FunctionCommandsTest::createRefused_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("status");

    const QString usage = QStringLiteral("Use CREATE FUNCTION NAME(parameter, ...) = expression");
    QTest::newRow("command alone") << QStringList{} << "CREATE FUNCTION" << usage;
    QTest::newRow("no body") << QStringList{} << "CREATE FUNCTION F(X)" << usage;
    QTest::newRow("blank body") << QStringList{} << "CREATE FUNCTION F(X) =   " << usage;
    QTest::newRow("no parameter list") << QStringList{} << "CREATE FUNCTION F X = X" << usage;
    QTest::newRow("parentheses in the parameter list") << QStringList{} << "CREATE FUNCTION F((X)) = X" << usage;
    QTest::newRow("name not ASCII") << QStringList{} << "CREATE FUNCTION É(X) = X" << usage;

    QTest::newRow("built-in function name") << QStringList{} << "CREATE FUNCTION SIN(X) = X"
                                            << "Cannot use SIN as a function name";
    QTest::newRow("command word, upper case in the message")
        << QStringList{} << "create function clear(x) = x" << "Cannot use CLEAR as a function name";
    QTest::newRow("variable name") << QStringList{} << "CREATE FUNCTION v(X) = X"
                                   << "Cannot use V as a function name";

    QTest::newRow("repeated parameter") << QStringList{} << "CREATE FUNCTION F(X, x) = X"
                                        << "Invalid function parameter: x";
    QTest::newRow("empty parameter") << QStringList{} << "CREATE FUNCTION F(X,) = X"
                                     << "Invalid function parameter: ";
    QTest::newRow("reserved parameter") << QStringList{} << "CREATE FUNCTION F(PI) = PI"
                                        << "Invalid function parameter: PI";
    QTest::newRow("parameter starting with a digit") << QStringList{} << "CREATE FUNCTION F(1A) = 2"
                                                     << "Invalid function parameter: 1A";
    QTest::newRow("parameter as typed, trimmed") << QStringList{} << "CREATE FUNCTION F( x , 2y ) = x"
                                                 << "Invalid function parameter: 2y";
    QTest::newRow("parameter named like a user function")
        << QStringList{"CREATE FUNCTION G(X) = X+1"} << "CREATE FUNCTION F(g) = g" << "Invalid function parameter: g";

    const QString oneExpression = QStringLiteral("A function definition must contain one expression");
    QTest::newRow("second equals sign") << QStringList{} << "CREATE FUNCTION F(X) = X = 2" << oneExpression;
    QTest::newRow("comparison") << QStringList{} << "CREATE FUNCTION F(X) = X <= 2" << oneExpression;

    const QString recursive = QStringLiteral("Custom functions cannot call themselves recursively");
    QTest::newRow("calls itself") << QStringList{} << "CREATE FUNCTION F(X) = F(X-1)" << recursive;
    QTest::newRow("calls itself in another case, with a space") << QStringList{} << "CREATE FUNCTION F(X) = 1+f (X)"
                                                                << recursive;
    QTest::newRow("update closing a cycle keeps the earlier definition")
        << QStringList{"CREATE FUNCTION G(X) = X+1", "CREATE FUNCTION F(X) = G(X)*2"} << "CREATE FUNCTION G(X) = F(X)"
        << recursive;

    const QString cannotSolve = QStringLiteral("Cannot solve function expression");
    QTest::newRow("unknown function") << QStringList{} << "CREATE FUNCTION F(X) = G(X)" << cannotSolve;
    QTest::newRow("trial divides by zero") << QStringList{} << "CREATE FUNCTION F(X) = 1/(X-2)" << cannotSolve;
    QTest::newRow("update failing its trial keeps the earlier definition")
        << QStringList{"CREATE FUNCTION F(X) = X+1"} << "CREATE FUNCTION F(X) = 1/(X-2)" << cannotSolve;
    QTest::newRow("wrong count in a call of another function")
        << QStringList{"CREATE FUNCTION G(X) = X+1"} << "CREATE FUNCTION F(X) = G(X, 1)" << cannotSolve;
}

void FunctionCommandsTest::createRefused()
{
    QFETCH(QStringList, before);
    QFETCH(QString, line);
    QFETCH(QString, status);

    Access::variables(*window).insert(QStringLiteral("V"), 1.0);
    submit(before);
    const QString listed = window->GetCustomFunctionsList();
    const QString text = pad->text();

    pad->submit(line);
    QCOMPARE(pad->status(), status);
    // Only the status tells: the pad keeps just the typed line.
    QCOMPARE(pad->text(), text + line + QLatin1Char('\n'));
    QCOMPARE(window->GetCustomFunctionsList(), listed);
}

void FunctionCommandsTest::createSucceeds_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("echo");
    QTest::addColumn<QString>("status");

    QTest::newRow("lower case command, names upper-cased, body as typed")
        << QStringList{} << "create function area(w, h) = w*h" << "AREA(W, H) = w*h" << "Function created: AREA";
    QTest::newRow("no parameters") << QStringList{} << "CREATE FUNCTION F() = 2*PI" << "F() = 2*PI"
                                   << "Function created: F";
    QTest::newRow("spaces everywhere") << QStringList{} << "CREATE FUNCTION  g ( a ,  b )  =  a + b "
                                       << "G(A, B) = a + b" << "Function created: G";
    QTest::newRow("exponent beside a parameter E") << QStringList{} << "CREATE FUNCTION F(E) = 2e-3*E"
                                                   << "F(E) = 2e-3*E" << "Function created: F";
    QTest::newRow("variables and ANS in the body") << QStringList{} << "CREATE FUNCTION F(X) = X*v + ANS"
                                                   << "F(X) = X*v + ANS" << "Function created: F";
    QTest::newRow("calls another function")
        << QStringList{"CREATE FUNCTION G(X) = X+1"} << "CREATE FUNCTION F(X) = G(X)*2" << "F(X) = G(X)*2"
        << "Function created: F";
    QTest::newRow("update of a function that others call")
        << QStringList{"CREATE FUNCTION G(X) = X+1", "CREATE FUNCTION F(X) = G(X)*2"} << "CREATE FUNCTION G(X) = X-1"
        << "G(X) = X-1" << "Function updated: G";
    // Calls are expanded before the variables and ANS are given their values.
    QTest::newRow("inner function using a variable")
        << QStringList{"CREATE FUNCTION G(X) = X+v"} << "CREATE FUNCTION F(X) = G(X)" << "F(X) = G(X)"
        << "Function created: F";
    QTest::newRow("inner function using ANS")
        << QStringList{"CREATE FUNCTION G(X) = X+ANS"} << "CREATE FUNCTION F(X) = G(X)" << "F(X) = G(X)"
        << "Function created: F";
}

void FunctionCommandsTest::createSucceeds()
{
    QFETCH(QStringList, before);
    QFETCH(QString, line);
    QFETCH(QString, echo);
    QFETCH(QString, status);

    Access::variables(*window).insert(QStringLiteral("V"), 1.0);
    submit(before);
    const QString text = pad->text();
    pad->submit(line);
    QCOMPARE(pad->status(), status);
    QCOMPARE(pad->text(), text + line + QLatin1Char('\n') + echo + QLatin1Char('\n'));
    QCOMPARE(pad->boldRuns().constLast(), echo);
    QVERIFY(window->GetCustomFunctionsList().split(QLatin1Char('\n')).contains(echo));
}

void FunctionCommandsTest::callOfAFunctionThatUsesAVariable()
{
    submit({"a = 3", "CREATE FUNCTION G(X) = X + a", "CREATE FUNCTION F(X) = G(X)*2", "F(1)"});
    QCOMPARE(pad->status(), QStringLiteral("Value = 8"));
}

void FunctionCommandsTest::submittingAgainUpdates()
{
    pad->submit(QStringLiteral("CREATE FUNCTION AREA(W, H) = W*H"));
    QCOMPARE(pad->status(), QStringLiteral("Function created: AREA"));
    pad->submit(QStringLiteral("CREATE FUNCTION AREA(W, H) = W*H/2"));
    QCOMPARE(pad->status(), QStringLiteral("Function updated: AREA"));
    QCOMPARE(pad->boldRuns(), (QStringList{"AREA(W, H) = W*H", "AREA(W, H) = W*H/2"}));
    QCOMPARE(window->GetCustomFunctionsList(), QStringLiteral("AREA(W, H) = W*H/2"));
}

void FunctionCommandsTest::callsAnswerInThePad_data()
{
    QTest::addColumn<QStringList>("definitions");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");  // empty: cannot solve

    QTest::newRow("power of a call") << QStringList{"CREATE FUNCTION DBL(X) = X*2"} << "2^DBL(1+2)" << "64";
    QTest::newRow("exponent kept beside a parameter E") << QStringList{"CREATE FUNCTION F(E) = 2e-3*E"} << "F(2)"
                                                        << "0.004";
    QTest::newRow("base literal kept beside a parameter X1F")
        << QStringList{"CREATE FUNCTION F(X1F) = 0x1F + X1F"} << "F(1)" << "32";
    QTest::newRow("nested, calling each other")
        << QStringList{"CREATE FUNCTION G(X) = X+1", "CREATE FUNCTION F(X) = G(X)*2"} << "F(G(1))" << "6";
    QTest::newRow("wrong count cannot be solved") << QStringList{"CREATE FUNCTION DBL(X) = X*2"} << "DBL(1, 2)" << "";
}

void FunctionCommandsTest::callsAnswerInThePad()
{
    QFETCH(QStringList, definitions);
    QFETCH(QString, line);
    QFETCH(QString, answer);
    submit(definitions);
    pad->submit(line);
    if (answer.isEmpty()) {
        QCOMPARE(pad->status(), QStringLiteral("Cannot Solve"));
        QVERIFY(pad->text().endsWith(QStringLiteral("\n-Cannot Solve-\n")));
    } else {
        QCOMPARE(pad->status(), QStringLiteral("Value = ") + answer);
        QCOMPARE(pad->boldRuns().constLast(), answer);
    }
}

void FunctionCommandsTest::callsExpandWhereverLinesAreEvaluated_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("status");

    QTest::newRow("assignment") << "y = DBL(3)" << true << "Y = 6";
    QTest::newRow("comparison") << "DBL(3) > 5" << true << "TRUE";
    QTest::newRow("comparison, both sides") << "DBL(2) = DBL(1)+2" << true << "TRUE";
    QTest::newRow("live preview") << "DBL(3)+1" << false << "((3)*2)+1 = 7";
}

void FunctionCommandsTest::callsExpandWhereverLinesAreEvaluated()
{
    QFETCH(QString, line);
    QFETCH(bool, enter);
    QFETCH(QString, status);
    pad->submit(QStringLiteral("CREATE FUNCTION DBL(X) = X*2"));
    pad->type(line);
    if (enter)
        pad->enter();
    QCOMPARE(pad->status(), status);
}

void FunctionCommandsTest::lists_data()
{
    QTest::addColumn<QStringList>("definitions");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("status");

    const QStringList three = {"CREATE FUNCTION A_B() = 1", "CREATE FUNCTION AB(X, Y) = x+y",
                               "CREATE FUNCTION A1(X) = X"};
    QTest::newRow("functions in code-unit order") << three << "Functions" << "A1(X) = X\nAB(X, Y) = x+y\nA_B() = 1"
                                                  << "Custom functions listed";
    QTest::newRow("no functions") << QStringList{} << "FUNCTIONS" << "-No Custom Functions-"
                                  << "Custom functions listed";
    QTest::newRow("delete commands") << three << "delete function"
                                     << "DELETE FUNCTION A1\nDELETE FUNCTION AB\nDELETE FUNCTION A_B"
                                     << "Delete commands listed";
    QTest::newRow("no delete commands") << QStringList{} << "DELETE FUNCTION" << "-No Custom Functions-"
                                        << "Delete commands listed";
}

void FunctionCommandsTest::lists()
{
    QFETCH(QStringList, definitions);
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, status);
    submit(definitions);
    const QStringList bold = pad->boldRuns();
    const QString text = pad->text();
    pad->submit(line);
    QCOMPARE(pad->status(), status);
    QCOMPARE(pad->text(), text + line + QLatin1Char('\n') + reply + QLatin1Char('\n'));
    QCOMPARE(pad->boldRuns(), bold);
}

void FunctionCommandsTest::deleteFunction_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("left");

    QTest::newRow("by name in any case") << "DELETE FUNCTION area" << "Function deleted: AREA" << "F() = 2";
    QTest::newRow("as the delete list wrote it") << "DELETE FUNCTION F" << "Function deleted: F"
                                                 << "AREA(W, H) = W*H";
    QTest::newRow("unknown name, as typed") << "DELETE FUNCTION nothere" << "No custom function named nothere"
                                            << "AREA(W, H) = W*H\nF() = 2";
    QTest::newRow("invalid name") << "DELETE FUNCTION 1a" << "No custom function named 1a"
                                  << "AREA(W, H) = W*H\nF() = 2";
}

void FunctionCommandsTest::deleteFunction()
{
    QFETCH(QString, line);
    QFETCH(QString, status);
    QFETCH(QString, left);
    submit({QStringLiteral("CREATE FUNCTION AREA(W, H) = W*H"), QStringLiteral("CREATE FUNCTION F() = 2")});
    const QString text = pad->text();
    pad->submit(line);
    QCOMPARE(pad->status(), status);
    const bool deleted = status.startsWith(QStringLiteral("Function deleted: "));
    QCOMPARE(pad->text(), text + line + QLatin1Char('\n') + (deleted ? status + QLatin1Char('\n') : QString()));
    if (deleted)
        QCOMPARE(pad->boldRuns().constLast(), status);
    QCOMPARE(window->GetCustomFunctionsList(), left);
}

void FunctionCommandsTest::deleteLeavesCallersDefined()
{
    submit({QStringLiteral("CREATE FUNCTION G(X) = X+1"), QStringLiteral("CREATE FUNCTION F(X) = G(X)*2"),
            QStringLiteral("DELETE FUNCTION G")});
    QCOMPARE(window->GetCustomFunctionsList(), QStringLiteral("F(X) = G(X)*2"));
    // The call of G is no longer expanded.
    QString expanded;
    QString error;
    QVERIFY(window->ExpandCustomFunctions(QStringLiteral("F(1)"), expanded, error));
    QCOMPARE(expanded, QStringLiteral("(G((1))*2)"));
}

void FunctionCommandsTest::otherLinesAreNotCommands_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("CREATE FUNCTIONS") << "CREATE FUNCTIONS F(X) = X";
    QTest::newRow("DELETE FUNCTIONS") << "DELETE FUNCTIONS";
    QTest::newRow("FUNCTIONS with more") << "FUNCTIONS ALL";
    QTest::newRow("FUNCTIONS is compared as handed over") << " FUNCTIONS";
    QTest::newRow("plain expression") << "1+2";
}

void FunctionCommandsTest::otherLinesAreNotCommands()
{
    QFETCH(QString, line);
    const QString status = pad->status();
    QVERIFY(!window->HandleCustomFunctionCommand(line));
    QCOMPARE(pad->status(), status);
    QVERIFY(pad->text().isEmpty());
}

void FunctionCommandsTest::loadedCycleRefusesEveryCreate()
{
    loadFunctions({{"P", "X", "Q(X)"}, {"Q", "X", "P(X)"}, {"R", "X", "X"}});
    pad->submit(QStringLiteral("CREATE FUNCTION H(X) = X*2"));
    QCOMPARE(pad->status(), QStringLiteral("Custom functions cannot call themselves recursively"));
    pad->submit(QStringLiteral("CREATE FUNCTION R(X) = X*3"));
    QCOMPARE(pad->status(), QStringLiteral("Custom functions cannot call themselves recursively"));
    QCOMPARE(window->GetCustomFunctionsList(), QStringLiteral("P(X) = Q(X)\nQ(X) = P(X)\nR(X) = X"));

    pad->submit(QStringLiteral("DELETE FUNCTION Q"));
    pad->submit(QStringLiteral("CREATE FUNCTION H(X) = X*2"));
    QCOMPARE(pad->status(), QStringLiteral("Function created: H"));
}

void FunctionCommandsTest::longLoadedChainIsChecked()
{
    // Loading runs neither the recursion check nor a trial, so a file may
    // hold a chain far longer than any call stack would walk.
    constexpr int length = 50000;
    QList<QStringList> entries;
    entries.reserve(length);
    for (int i = 0; i < length; ++i) {
        const QString body = i + 1 < length ? QStringLiteral("C%1(X)").arg(i + 1) : QStringLiteral("X");
        entries.append({QStringLiteral("C%1").arg(i), QStringLiteral("X"), body});
    }
    loadFunctions(entries);
    QCOMPARE(window->GetCustomFunctionSyntaxItems().size(), length);

    pad->submit(QStringLiteral("CREATE FUNCTION H(X) = X*2"));
    QCOMPARE(pad->status(), QStringLiteral("Function created: H"));
    // Closing the chain into a loop is found at its far end.
    pad->submit(QStringLiteral("CREATE FUNCTION C49999(X) = C0(X)"));
    QCOMPARE(pad->status(), QStringLiteral("Custom functions cannot call themselves recursively"));
}

void FunctionCommandsTest::undoAndRedoCreate()
{
    pad->submit(QStringLiteral("CREATE FUNCTION DBL(X) = X*2"));
    QCOMPARE(window->GetCustomFunctionsList(), QStringLiteral("DBL(X) = X*2"));
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->GetCustomFunctionsList(), QStringLiteral("-No Custom Functions-"));
    QVERIFY(!pad->text().contains(QStringLiteral("DBL(X) = X*2\n")));
    pad->key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window->GetCustomFunctionsList(), QStringLiteral("DBL(X) = X*2"));
    pad->submit(QStringLiteral("DBL(4)"));
    QCOMPARE(pad->status(), QStringLiteral("Value = 8"));
}

SUMVELLE_TEST_MAIN(FunctionCommandsTest)
#include "tst_functioncommands.moc"

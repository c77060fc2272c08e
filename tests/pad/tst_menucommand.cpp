#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QAction>
#include <QSignalSpy>

namespace {

const char* const switchActions[] = {"actionUse_Word_Oporators", "actionIgnore_Text_When_Cannot_Solve",
                                     "actionPredictive_Text_Complete", "actionSyntax_Help"};
const char* const baseActions[] = {"actionOutputBaseDecimal", "actionOutputBaseBinary", "actionOutputBaseOctal",
                                   "actionOutputBaseHexadecimal"};

const QString usage =
    QStringLiteral("MENU options: WORD OPERATORS, IGNORE TEXT, PREDICTIVE TEXT, SYNTAX HELP, OUTPUT BASE");

} // namespace

class MenuCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void switches_data();
    void switches();
    void outputBase_data();
    void outputBase();
    void invalidOptions_data();
    void invalidOptions();
    void notTheMenuCommand();
    void symbolicReplies_data();
    void symbolicReplies();
    void symbolicWordsMustStandAlone_data();
    void symbolicWordsMustStandAlone();

private:
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    // The reply is in normal weight, on the line after the command.
    void verifyReply(const QString& line, const QString& reply, const QString& status) const;

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
    QList<std::shared_ptr<QSignalSpy>> triggered;
};

void MenuCommandTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
    // MENU only sets check states: no action may run as if chosen.
    for (const char* name : switchActions)
        triggered.append(std::make_shared<QSignalSpy>(action(name), &QAction::triggered));
    for (const char* name : baseActions)
        triggered.append(std::make_shared<QSignalSpy>(action(name), &QAction::triggered));
}

void MenuCommandTest::cleanup()
{
    for (const auto& spy : std::as_const(triggered))
        QCOMPARE(spy->count(), 0);
    triggered.clear();
    pad.reset();
    window.reset();
}

void MenuCommandTest::verifyReply(const QString& line, const QString& reply, const QString& status) const
{
    QCOMPARE(pad->status(), status);
    QCOMPARE(pad->text(), line + QLatin1Char('\n') + reply + QLatin1Char('\n'));
    QVERIFY(pad->boldRuns().isEmpty());
}

void MenuCommandTest::switches_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<bool>("before");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("after");

    QTest::newRow("word operators off, any case")
        << "actionUse_Word_Oporators" << true << "MENU word operators off" << "Word Operators = OFF" << false;
    QTest::newRow("word operators on") << "actionUse_Word_Oporators" << false << "menu WORD OPERATORS ON"
                                       << "Word Operators = ON" << true;
    QTest::newRow("word operators report") << "actionUse_Word_Oporators" << false << "MENU WORD OPERATORS"
                                           << "Word Operators = OFF" << false;
    QTest::newRow("blanks around the option") << "actionUse_Word_Oporators" << true << "MENU   WORD OPERATORS   "
                                              << "Word Operators = ON" << true;
    QTest::newRow("ignore text off") << "actionIgnore_Text_When_Cannot_Solve" << true << "MENU IGNORE TEXT OFF"
                                     << "Ignore Text = OFF" << false;
    QTest::newRow("ignore text on") << "actionIgnore_Text_When_Cannot_Solve" << false << "MENU IGNORE TEXT ON"
                                    << "Ignore Text = ON" << true;
    QTest::newRow("ignore text report") << "actionIgnore_Text_When_Cannot_Solve" << true << "MENU IGNORE TEXT"
                                        << "Ignore Text = ON" << true;
    QTest::newRow("predictive text report") << "actionPredictive_Text_Complete" << false << "MENU PREDICTIVE TEXT"
                                            << "Predictive Text Complete = OFF" << false;
    QTest::newRow("predictive text complete report")
        << "actionPredictive_Text_Complete" << false << "MENU PREDICTIVE TEXT COMPLETE"
        << "Predictive Text Complete = OFF" << false;
    QTest::newRow("predictive text on") << "actionPredictive_Text_Complete" << false << "MENU PREDICTIVE TEXT ON"
                                        << "Predictive Text Complete = ON" << true;
    QTest::newRow("predictive text complete on")
        << "actionPredictive_Text_Complete" << false << "MENU PREDICTIVE TEXT COMPLETE ON"
        << "Predictive Text Complete = ON" << true;
    QTest::newRow("predictive text off") << "actionPredictive_Text_Complete" << true << "MENU PREDICTIVE TEXT OFF"
                                         << "Predictive Text Complete = OFF" << false;
    QTest::newRow("predictive text complete off")
        << "actionPredictive_Text_Complete" << true << "MENU predictive text complete off"
        << "Predictive Text Complete = OFF" << false;
    QTest::newRow("syntax help off") << "actionSyntax_Help" << true << "MENU SYNTAX HELP OFF" << "Syntax Help = OFF"
                                     << false;
    QTest::newRow("syntax help on") << "actionSyntax_Help" << false << "MENU SYNTAX HELP ON" << "Syntax Help = ON"
                                    << true;
    QTest::newRow("syntax help report") << "actionSyntax_Help" << true << "MENU SYNTAX HELP" << "Syntax Help = ON"
                                        << true;
}

void MenuCommandTest::switches()
{
    QFETCH(QString, actionName);
    QFETCH(bool, before);
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(bool, after);

    QAction* target = action(qPrintable(actionName));
    target->setChecked(before);
    pad->submit(line);
    verifyReply(line, reply, reply);
    QCOMPARE(target->isChecked(), after);
}

void MenuCommandTest::outputBase_data()
{
    QTest::addColumn<QString>("before");  // the base action checked first
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("after");

    QTest::newRow("report decimal") << "actionOutputBaseDecimal" << "MENU OUTPUT BASE" << "Output Base = Decimal"
                                    << "actionOutputBaseDecimal";
    QTest::newRow("report octal") << "actionOutputBaseOctal" << "menu output base" << "Output Base = Octal"
                                  << "actionOutputBaseOctal";
    QTest::newRow("hex") << "actionOutputBaseDecimal" << "MENU OUTPUT BASE HEX" << "Output Base = Hexadecimal"
                         << "actionOutputBaseHexadecimal";
    QTest::newRow("hexadecimal") << "actionOutputBaseDecimal" << "MENU OUTPUT BASE hexadecimal"
                                 << "Output Base = Hexadecimal" << "actionOutputBaseHexadecimal";
    QTest::newRow("bin") << "actionOutputBaseHexadecimal" << "MENU OUTPUT BASE BIN" << "Output Base = Binary"
                         << "actionOutputBaseBinary";
    QTest::newRow("binary") << "actionOutputBaseDecimal" << "MENU OUTPUT BASE BINARY" << "Output Base = Binary"
                            << "actionOutputBaseBinary";
    QTest::newRow("oct") << "actionOutputBaseDecimal" << "MENU OUTPUT BASE OCT" << "Output Base = Octal"
                         << "actionOutputBaseOctal";
    QTest::newRow("octal") << "actionOutputBaseBinary" << "MENU OUTPUT BASE OCTAL" << "Output Base = Octal"
                           << "actionOutputBaseOctal";
    QTest::newRow("dec") << "actionOutputBaseHexadecimal" << "MENU OUTPUT BASE DEC" << "Output Base = Decimal"
                         << "actionOutputBaseDecimal";
    QTest::newRow("decimal") << "actionOutputBaseOctal" << "MENU OUTPUT BASE DECIMAL" << "Output Base = Decimal"
                             << "actionOutputBaseDecimal";
}

void MenuCommandTest::outputBase()
{
    QFETCH(QString, before);
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, after);

    action(qPrintable(before))->setChecked(true);
    pad->submit(line);
    verifyReply(line, reply, reply);
    for (const char* name : baseActions)
        QCOMPARE(action(name)->isChecked(), after == QLatin1String(name));
}

void MenuCommandTest::invalidOptions_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("MENU alone") << "MENU";
    QTest::newRow("unknown option") << "MENU COLOURS";
    QTest::newRow("two blanks inside") << "MENU WORD  OPERATORS ON";
    QTest::newRow("unknown value") << "MENU WORD OPERATORS MAYBE";
    QTest::newRow("unknown base") << "MENU OUTPUT BASE HEXA";
    QTest::newRow("word after the base") << "MENU OUTPUT BASE HEX NOW";
}

void MenuCommandTest::invalidOptions()
{
    QFETCH(QString, line);
    QList<bool> states;
    for (const char* name : switchActions)
        states.append(action(name)->isChecked());
    pad->submit(line);
    verifyReply(line, usage, QStringLiteral("Invalid MENU command"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(action(switchActions[i])->isChecked(), states.at(i));
    QVERIFY(action("actionOutputBaseDecimal")->isChecked());
}

void MenuCommandTest::notTheMenuCommand()
{
    QVERIFY(!window->HandleMenuCommand(QStringLiteral("MENUS")));
    QVERIFY(!window->HandleMenuCommand(QStringLiteral("MENU_WORD OPERATORS")));
    QVERIFY(!window->HandleMenuCommand(QStringLiteral("1+2")));
    QVERIFY(pad->text().isEmpty());
    QVERIFY(pad->status().isEmpty());
}

void MenuCommandTest::symbolicReplies_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("status");
    QTest::newRow("SIMPLIFY alone") << "SIMPLIFY" << "SIMPLIFY requires an expression or equation."
                                    << "Cannot Simplify";
    QTest::newRow("SIMPLIFY with only blanks") << "simplify   " << "SIMPLIFY requires an expression or equation."
                                               << "Cannot Simplify";
    QTest::newRow("ISOLATE without a comma") << "ISOLATE"
                                             << "Use: ISOLATE variable, equation\nExample: ISOLATE X, 3*X + Y = 12"
                                             << "Cannot Isolate";
}

void MenuCommandTest::symbolicReplies()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, status);
    pad->submit(line);
    verifyReply(line, reply, status);
}

void MenuCommandTest::symbolicWordsMustStandAlone_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("SIMPLIFYX") << "SIMPLIFYX 2";
    QTest::newRow("ISOLATED") << "ISOLATED X, X = 1";
    QTest::newRow("neither") << "2*3";
}

void MenuCommandTest::symbolicWordsMustStandAlone()
{
    QFETCH(QString, line);
    QVERIFY(!window->HandleSymbolicCommand(line));
    QVERIFY(pad->text().isEmpty());
}

SUMVELLE_TEST_MAIN(MenuCommandTest)
#include "tst_menucommand.moc"

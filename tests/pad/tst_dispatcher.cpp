#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

class DispatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandWordsAgainstLookAlikes_data();
    void commandWordsAgainstLookAlikes();
    void fontSize_data();
    void fontSize();
    void numberFormat_data();
    void numberFormat();
    void formatTextKeepsItsWords();
    void clearEmptiesPadAndVariablesOnly();
    void variableList_data();
    void variableList();
    void topMostWords_data();
    void topMostWords();
    void windowSizeWords();
    void exitWords_data();
    void exitWords();
    void normaliser_data();
    void normaliser();
    void statusComesBeforeThePadChanges_data();
    void statusComesBeforeThePadChanges();

private:
    void setIgnoreText(bool on);

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void DispatcherTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void DispatcherTest::cleanup()
{
    pad.reset();
    window.reset();
}

void DispatcherTest::setIgnoreText(bool on)
{
    window->findChild<QAction*>(QStringLiteral("actionIgnore_Text_When_Cannot_Solve"))->setChecked(on);
}

void DispatcherTest::commandWordsAgainstLookAlikes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("status");

    const QString cannotSolve = QStringLiteral("-Cannot Solve-\n");
    QTest::newRow("CLEAR VARIABLES ignores case") << "Clear Variables" << "" << "Variables cleared";
    QTest::newRow("clear x is not CLEAR") << "clear x" << cannotSolve << "Cannot Solve";
    QTest::newRow("CLEARS is not CLEAR") << "CLEARS" << cannotSolve << "Cannot Solve";
    QTest::newRow("VARS") << "VARS" << "-No Variables-\n" << "Variables listed";
    QTest::newRow("VARIABLES") << "variables" << "-No Variables-\n" << "Variables listed";
    QTest::newRow("VARS x is not VARS") << "VARS x" << cannotSolve << "Cannot Solve";
    QTest::newRow("FONT 12") << "FONT 12" << "" << "Font size = 12";
    QTest::newRow("FONTS 12 is an expression") << "FONTS 12" << cannotSolve << "Cannot Solve";
    QTest::newRow("FONT_X is an expression") << "FONT_X" << cannotSolve << "Cannot Solve";
    QTest::newRow("FORMAT") << "FORMAT" << "" << "Format = ";
    QTest::newRow("FORMATS is an expression") << "FORMATS" << cannotSolve << "Cannot Solve";
    QTest::newRow("ON TOP") << "on top" << "" << "Topmost set";
    QTest::newRow("ONTOPS is an expression") << "ONTOPS" << cannotSolve << "Cannot Solve";
    QTest::newRow("two equals signs are refused") << "a = b = 2" << cannotSolve << "Cannot Solve Equation";
    QTest::newRow("closing brace is never an expression") << "(2+3)}" << "" << "Invalid equation block";
    QTest::newRow("plain expression comes last") << "6*7" << "42\n" << "Value = 42";
}

void DispatcherTest::commandWordsAgainstLookAlikes()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, status);

    // Unknown words fail outright instead of being stripped away.
    setIgnoreText(false);
    pad->submit(line);
    QCOMPARE(pad->text(), line + QLatin1Char('\n') + reply);
    QCOMPARE(pad->status(), status);
}

void DispatcherTest::fontSize_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("pointSize");  // 0: unchanged

    QTest::newRow("fraction") << "FONT 10.5" << "Font size = 10.5" << 10.5;
    QTest::newRow("whole number") << "font 14" << "Font size = 14" << 14.0;
    QTest::newRow("six significant digits") << "FONT 9.1234567" << "Font size = 9.12346" << 9.1234567;
    QTest::newRow("largest size") << "FONT 1000" << "Font size = 1000" << 1000.0;
    QTest::newRow("zero") << "FONT 0" << "Invalid font size" << 0.0;
    QTest::newRow("negative") << "FONT -3" << "Invalid font size" << 0.0;
    QTest::newRow("not a number") << "FONT abc" << "Invalid font size" << 0.0;
    QTest::newRow("no size") << "FONT" << "Invalid font size" << 0.0;
    QTest::newRow("infinity") << "FONT inf" << "Invalid font size" << 0.0;
    QTest::newRow("not a number word") << "FONT nan" << "Invalid font size" << 0.0;
    QTest::newRow("absurd size") << "FONT 1001" << "Invalid font size" << 0.0;
    QTest::newRow("huge exponent") << "FONT 1e300" << "Invalid font size" << 0.0;
}

void DispatcherTest::fontSize()
{
    QFETCH(QString, line);
    QFETCH(QString, status);
    QFETCH(double, pointSize);

    const double before = pad->editor()->font().pointSizeF();
    pad->submit(line);
    QCOMPARE(pad->status(), status);
    QCOMPARE(pad->text(), line + QLatin1Char('\n'));
    QCOMPARE(pad->editor()->font().pointSizeF(), pointSize > 0 ? pointSize : before);
}

void DispatcherTest::numberFormat_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("format");

    QTest::newRow("show when none is set") << QStringList{"FORMAT"} << "Format = " << "";
    QTest::newRow("set") << QStringList{"FORMAT = #,##0.00"} << "Format set to '#,##0.00'" << "#,##0.00";
    QTest::newRow("show the current one") << QStringList{"FORMAT = 0.0", "format"} << "Format = 0.0" << "0.0";
    QTest::newRow("clear with an empty format")
        << QStringList{"FORMAT = 0.0", "FORMAT ="} << "Format set to ''" << "";
    QTest::newRow("usage without the equals sign")
        << QStringList{"FORMAT = 0.0", "FORMAT 0.00"} << "Use FORMAT = <format>" << "0.0";
}

void DispatcherTest::numberFormat()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, status);
    QFETCH(QString, format);

    for (const QString& line : lines)
        pad->submit(line);
    QCOMPARE(pad->status(), status);
    QCOMPARE(MainWindowTestAccess::numberFormat(*window), format);
    QCOMPARE(pad->text(), lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void DispatcherTest::formatTextKeepsItsWords()
{
    // With word operators on, the literal text of a format stays as typed.
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionUse_Word_Oporators"))->isChecked());
    pad->submit(QStringLiteral("FORMAT = 0;-0;zero"));
    QCOMPARE(MainWindowTestAccess::numberFormat(*window), QStringLiteral("0;-0;zero"));
    QCOMPARE(pad->status(), QStringLiteral("Format set to '0;-0;zero'"));
    pad->submit(QStringLiteral("FORMAT = 0 over plus"));
    QCOMPARE(MainWindowTestAccess::numberFormat(*window), QStringLiteral("0 over plus"));
}

void DispatcherTest::clearEmptiesPadAndVariablesOnly()
{
    pad->submit(QStringLiteral("1+2"));
    pad->submit(QStringLiteral("FORMAT = 0.0"));
    MainWindowTestAccess::variables(*window).insert(QStringLiteral("X"), 5.0);
    pad->submit(QStringLiteral("cls"));
    QCOMPARE(pad->text(), QString());
    QCOMPARE(pad->status(), QString());
    QVERIFY(MainWindowTestAccess::variables(*window).isEmpty());
    QCOMPARE(MainWindowTestAccess::ans(*window), 3.0);
    QCOMPARE(MainWindowTestAccess::numberFormat(*window), QStringLiteral("0.0"));
    QCOMPARE(window->PadText(), QString());
}

void DispatcherTest::variableList_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("reply");

    QTest::newRow("none") << QStringList{} << QList<double>{} << "-No Variables-";
    QTest::newRow("one") << QStringList{"X"} << QList<double>{5} << "X = 5";
    QTest::newRow("sorted by name")
        << QStringList{"RATE", "B", "A_1"} << QList<double>{0.5, -2, 1e20} << "A_1 = 1e+20\nB = -2\nRATE = 0.5";
}

void DispatcherTest::variableList()
{
    QFETCH(QStringList, names);
    QFETCH(QList<double>, values);
    QFETCH(QString, reply);

    for (qsizetype i = 0; i < names.size(); ++i)
        MainWindowTestAccess::variables(*window).insert(names.at(i), values.at(i));
    QCOMPARE(window->GetVariablesList(), reply);
    pad->submit(QStringLiteral("VARS"));
    QCOMPARE(pad->text(), QStringLiteral("VARS\n") + reply + QLatin1Char('\n'));
    QCOMPARE(pad->boldRuns(), QStringList());
    QCOMPARE(pad->status(), QStringLiteral("Variables listed"));
}

void DispatcherTest::topMostWords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QString>("status");

    for (const char* word : {"ON TOP", "ONTOP", "TOPMOST", "TOP MOST", "topmost"})
        QTest::newRow(word) << word << true << "Topmost set";
    for (const char* word : {"NOT ON TOP", "NOTONTOP", "NOT TOPMOST", "NOT TOP MOST", "not top most"})
        QTest::newRow(word) << word << false << "Topmost cleared";
}

void DispatcherTest::topMostWords()
{
    QFETCH(QString, line);
    QFETCH(bool, onTop);
    QFETCH(QString, status);

    window->setWindowFlags(onTop ? window->windowFlags() : window->windowFlags() | Qt::WindowStaysOnTopHint);
    pad->submit(line);
    QCOMPARE(bool(window->windowFlags() & Qt::WindowStaysOnTopHint), onTop);
    QCOMPARE(pad->status(), status);
    QCOMPARE(pad->text(), line + QLatin1Char('\n'));
}

void DispatcherTest::windowSizeWords()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    pad->submit(QStringLiteral("MAX"));
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    pad->submit(QStringLiteral("restore"));
    QVERIFY(!(window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)));
    pad->submit(QStringLiteral("Min"));
    QVERIFY(window->windowState() & Qt::WindowMinimized);
    QCOMPARE(pad->text(), QStringLiteral("MAX\nrestore\nMin\n"));
}

void DispatcherTest::exitWords_data()
{
    QTest::addColumn<QString>("line");
    for (const char* word : {"EXIT", "end", "Close", "QUIT"})
        QTest::newRow(word) << word;
}

void DispatcherTest::exitWords()
{
    QFETCH(QString, line);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    pad->submit(line);
    QVERIFY(!window->isVisible());
}

void DispatcherTest::normaliser_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("wordOperators");
    QTest::addColumn<bool>("unchanged");

    QTest::newRow("help alone") << "  help  " << true << true;
    QTest::newRow("help with a topic") << "HELP two plus two" << true << true;
    QTest::newRow("function definition") << "CREATE FUNCTION f(x) = x plus one" << true << true;
    QTest::newRow("number format") << "FORMAT = zero" << true << true;
    QTest::newRow("number format glued to its equals sign") << "format=0;-0;zero" << true << true;
    QTest::newRow("expression with words") << "two plus two" << true << false;
    QTest::newRow("words off") << "two plus two" << false << true;
    QTest::newRow("help glued to punctuation is rewritten") << "HELP? two plus two" << true << false;
    QTest::newRow("a longer word than FORMAT is rewritten") << "FORMATS two plus two" << true << false;
}

void DispatcherTest::normaliser()
{
    QFETCH(QString, line);
    QFETCH(bool, wordOperators);
    QFETCH(bool, unchanged);

    window->findChild<QAction*>(QStringLiteral("actionUse_Word_Oporators"))->setChecked(wordOperators);
    const QString trimmed = line.trimmed();
    // Every row with words would be rewritten if it were not kept.
    if (wordOperators && (trimmed.contains(QLatin1String("plus")) || trimmed.contains(QLatin1String("zero"))))
        QVERIFY(MainWindow::WordOp(trimmed) != trimmed);
    QCOMPARE(window->NormalizeSubmittedMath(line), unchanged ? trimmed : MainWindow::WordOp(trimmed));
}

void DispatcherTest::statusComesBeforeThePadChanges_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("status");

    QTest::newRow("answer") << "1+2" << "Value = 3";
    QTest::newRow("failure") << "2*" << "Cannot Solve";
    QTest::newRow("variable list") << "VARS" << "Variables listed";
    QTest::newRow("two equals signs") << "a = b = 2" << "Cannot Solve Equation";
    QTest::newRow("clearing the pad") << "CLEAR" << "";
}

void DispatcherTest::statusComesBeforeThePadChanges()
{
    QFETCH(QString, line);
    QFETCH(QString, status);

    setIgnoreText(false);
    pad->editor()->setPlainText(line + QLatin1Char('\n'));
    pad->editor()->moveCursor(QTextCursor::End);
    pad->statusLabel()->setText(QStringLiteral("stale"));
    // The document reports every change even while the pad's own signals
    // are blocked: the status must already be there when the reply lands.
    QString statusAtLastChange;
    connect(pad->editor()->document(), &QTextDocument::contentsChanged, this,
            [&] { statusAtLastChange = pad->status(); });
    window->HandleSubmittedLine(pad->text(), int(pad->text().size()), line);
    QCOMPARE(pad->status(), status);
    QCOMPARE(statusAtLastChange, status);
}

SUMVELLE_TEST_MAIN(DispatcherTest)
#include "tst_dispatcher.moc"

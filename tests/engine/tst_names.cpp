#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>

class NamesTest : public QObject
{
    Q_OBJECT

private slots:
    void validVariableName_data();
    void validVariableName();
    void reservedVariableName_data();
    void reservedVariableName();
    void commandName_data();
    void commandName();
    void matchCommand_data();
    void matchCommand();
    void variableAssignment_data();
    void variableAssignment();
    void insideEquationBlock_data();
    void insideEquationBlock();
    void cannotSolveLine_data();
    void cannotSolveLine();
};

void NamesTest::validVariableName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("single letter") << "x" << true;
    QTest::newRow("leading underscore") << "_tmp" << true;
    QTest::newRow("letters then digit") << "Rate2" << true;
    QTest::newRow("leading digit") << "2x" << false;
    QTest::newRow("hyphen") << "my-var" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank before") << " x" << false;
    QTest::newRow("blank after") << "x " << false;
    QTest::newRow("newline after") << "x\n" << false;
    QTest::newRow("non-ASCII letter") << QString::fromUtf8("größe") << false;
}

void NamesTest::validVariableName()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(MainWindow::IsValidVariableName(name), valid);
}

void NamesTest::reservedVariableName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reserved");
    QTest::newRow("constant in lower case") << "pi" << true;
    QTest::newRow("function in mixed case") << "Sin" << true;
    QTest::newRow("ans") << "ans" << true;
    QTest::newRow("user-defined function") << "total" << true;
    QTest::newRow("command word") << "clear" << true;
    QTest::newRow("command word FUNCTIONS") << "Functions" << true;
    QTest::newRow("number word") << "twenty" << true;
    QTest::newRow("word operator") << "minus" << true;
    QTest::newRow("NEGATIVE") << "negative" << true;
    QTest::newRow("GD&T function") << "PositionUtil" << true;
    QTest::newRow("programmer function") << "rshift" << true;
    QTest::newRow("blanks around") << "  Cos  " << true;
    QTest::newRow("OF is not reserved") << "OF" << false;
    QTest::newRow("plain variable") << "X" << false;
    QTest::newRow("unrelated word") << "SPEED" << false;
}

void NamesTest::reservedVariableName()
{
    QFETCH(QString, name);
    QFETCH(bool, reserved);
    auto window = TestSupport::createWindow();
    MainWindowTestAccess::addCustomFunction(*window, QStringLiteral("TOTAL"), QStringLiteral("A"));
    QCOMPARE(window->IsReservedVariableName(name), reserved);
}

void NamesTest::commandName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("command");
    QTest::newRow("lower case") << "cls" << true;
    QTest::newRow("blanks around") << "  VARS " << true;
    QTest::newRow("last word of the list") << "disable" << true;
    QTest::newRow("longer word") << "CLEARS" << false;
    QTest::newRow("two words") << "CLEAR VARIABLES" << false;
}

void NamesTest::commandName()
{
    QFETCH(QString, name);
    QFETCH(bool, command);
    QCOMPARE(MainWindow::IsCommandName(name), command);
}

void NamesTest::matchCommand_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("matches");
    QTest::addColumn<QString>("rest");
    QTest::newRow("with argument") << "FONT 12" << "FONT" << true << "12";
    QTest::newRow("lower case alone") << "font" << "FONT" << true << "";
    QTest::newRow("blanks around the line") << "  font   14  " << "FONT" << true << "14";
    QTest::newRow("longer word") << "FONTS" << "FONT" << false << "";
    QTest::newRow("underscore continues the word") << "FONT_X" << "FONT" << false << "";
    QTest::newRow("digit continues the word") << "MENU2" << "MENU" << false << "";
    QTest::newRow("non-ASCII letter continues the word") << QString::fromUtf8("FONTé") << "FONT" << false << "";
    QTest::newRow("supplementary-plane letter continues the word")
        << QString::fromUtf8("FONT𝐀") << "FONT" << false << "";
    QTest::newRow("supplementary-plane digit continues the word")
        << QString::fromUtf8("MENU𝟓") << "MENU" << false << "";
    QTest::newRow("parenthesis ends the word") << "FORMAT(#.##)" << "FORMAT" << true << "(#.##)";
    QTest::newRow("equals sign ends the word") << "FORMAT=0.00" << "FORMAT" << true << "=0.00";
    QTest::newRow("command with a blank") << "create function f(a) = a" << "CREATE FUNCTION" << true << "f(a) = a";
    QTest::newRow("command longer than the line") << "FON" << "FONT" << false << "";
    QTest::newRow("other word") << "FORMAT 1" << "FONT" << false << "";
}

void NamesTest::matchCommand()
{
    QFETCH(QString, line);
    QFETCH(QString, command);
    QFETCH(bool, matches);
    QFETCH(QString, rest);
    QString actualRest = QStringLiteral("stale");
    QCOMPARE(MainWindow::MatchCommand(line, command, actualRest), matches);
    QCOMPARE(actualRest, rest);
}

void NamesTest::variableAssignment_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("assignment");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expression");
    QTest::newRow("blanks around") << "x = 5" << true << "x" << "5";
    QTest::newRow("no blanks") << "rate=0.05*2" << true << "rate" << "0.05*2";
    QTest::newRow("empty expression") << "x =" << true << "x" << "";
    QTest::newRow("two equals signs") << "x = y = 2" << false << "" << "";
    QTest::newRow("no equals sign") << "x + 2" << false << "" << "";
    QTest::newRow("invalid name") << "2x = 4" << false << "" << "";
    QTest::newRow("comparison") << "x <= 5" << false << "" << "";
    QTest::newRow("reserved name is still split") << "PI = 3" << true << "PI" << "3";
}

void NamesTest::variableAssignment()
{
    QFETCH(QString, line);
    QFETCH(bool, assignment);
    QFETCH(QString, name);
    QFETCH(QString, expression);
    QString actualName = QStringLiteral("stale");
    QString actualExpression = QStringLiteral("stale");
    QCOMPARE(MainWindow::ParseVariableAssignment(line, actualName, actualExpression), assignment);
    QCOMPARE(actualName, name);
    QCOMPARE(actualExpression, expression);
}

void NamesTest::insideEquationBlock_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("inside");
    QTest::newRow("after an open brace") << "{\nx + y = 3\n" << 5 << true;
    QTest::newRow("after a closed block") << "{\nx = 1\n}\n2+2" << 12 << false;
    QTest::newRow("at position 0") << "{\n" << 0 << false;
    QTest::newRow("no brace") << "1+2\n3" << 4 << false;
    QTest::newRow("beyond the text") << "1\n{\nx" << 100 << true;
    QTest::newRow("before the brace") << "1+2\n{" << 3 << false;
    QTest::newRow("second block open") << "{\na\n}\n{\nb" << 11 << true;
}

void NamesTest::insideEquationBlock()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(bool, inside);
    QCOMPARE(MainWindow::IsInsideEquationBlock(text, position), inside);
}

void NamesTest::cannotSolveLine_data()
{
    QTest::addColumn<QString>("boldText");
    QTest::addColumn<QString>("normalText");
    QTest::addColumn<QString>("padAfter");
    QTest::newRow("after a bold answer") << "1+2\n3" << "" << "1+2\n3-Cannot Solve-\n";
    QTest::newRow("on an empty pad") << "" << "" << "-Cannot Solve-\n";
    QTest::newRow("after normal text") << "" << "x+" << "x+-Cannot Solve-\n";
}

void NamesTest::cannotSolveLine()
{
    QFETCH(QString, boldText);
    QFETCH(QString, normalText);
    QFETCH(QString, padAfter);
    auto window = TestSupport::createWindow();
    auto* pad = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QVERIFY(pad);
    QTextCursor cursor = pad->textCursor();
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(boldText, bold);
    cursor.insertText(normalText, QTextCharFormat());
    pad->setTextCursor(cursor);

    QSignalSpy changes(pad, &QPlainTextEdit::textChanged);
    window->InsertCannotSolveLine();

    QCOMPARE(changes.count(), 0);
    QCOMPARE(pad->toPlainText(), padAfter);
    QCOMPARE(pad->textCursor().position(), int(padAfter.size()));
    QVERIFY(!pad->signalsBlocked());
    // Every character of the reply is in normal weight, also after bold text.
    const int start = padAfter.indexOf(QStringLiteral("-Cannot Solve-"));
    for (int i = start; i < start + 14; ++i) {
        QTextCursor probe(pad->document());
        probe.setPosition(i + 1);
        QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Normal));
    }
}

SUMVELLE_TEST_MAIN(NamesTest)
#include "tst_names.moc"

#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTextCursor>

class LivePreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void previewOfLine_data();
    void previewOfLine();
    void lineAroundCursor_data();
    void lineAroundCursor();
    void followsCursorKeys();
    void storesNothing();

private:
    void placeCursor(int position) const;

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void LivePreviewTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void LivePreviewTest::cleanup()
{
    pad.reset();
    window.reset();
}

void LivePreviewTest::placeCursor(int position) const
{
    QTextCursor cursor = pad->editor()->textCursor();
    cursor.setPosition(position);
    pad->editor()->setTextCursor(cursor);
}

// Columns: lines submitted first, the line typed (without Enter) and what
// the status line shows.
void LivePreviewTest::previewOfLine_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("preview");

    const QStringList none;
    QTest::newRow("blank line") << none << "   " << "";
    QTest::newRow("expression") << none << "2*3" << "2*3 = 6";
    QTest::newRow("expression shows the text evaluated")
        << QStringList{"x = 3"} << "x*2" << "(3)*2 = 6";
    QTest::newRow("ANS replaced") << QStringList{"7"} << "ANS+1" << "(7)+1 = 8";
    QTest::newRow("expression that fails") << none << "2*" << "Cannot Solve";
    QTest::newRow("whole-line HEX") << none << "HEX(255)" << "HEX(255) = FF";

    QTest::newRow("assignment, name as typed") << none << "x = 3" << "x = 3";
    QTest::newRow("assignment evaluated") << QStringList{"y = 4"} << "Speed = 2*y" << "Speed = 8";
    QTest::newRow("reserved name") << none << "PI = 2" << "Invalid variable name: PI";
    QTest::newRow("reserved name in lower case") << none << "sin = 2" << "Invalid variable name: sin";
    QTest::newRow("assignment without a value") << none << "x =" << "x =";
    QTest::newRow("assignment that fails") << none << "x = q" << "x = Cannot Solve";
    QTest::newRow("assignment of a whole-line HEX") << none << "x = HEX(255)" << "x = FF";

    QTest::newRow("date and time") << none << "9:30 AM + 15" << "9:30 AM + 15 = 9:45 AM";
    QTest::newRow("date and time that fails") << none << "13:00 PM" << "Cannot Solve";

    QTest::newRow("comparison true") << none << "1 < 2" << "TRUE";
    QTest::newRow("comparison false") << none << "3 > 2 > 2" << "FALSE";
    QTest::newRow("comparison of equals") << none << "0.1 + 0.2 = 0.3" << "TRUE";
    QTest::newRow("comparison with an unknown") << none << "1 < q" << "Cannot Compare";
    QTest::newRow("double equals") << none << "2 == 2" << "Cannot Compare";
    QTest::newRow("infinite operand") << none << "10^400 < 1" << "Cannot Compare";
    QTest::newRow("equation is not solved") << none << "2x = 6" << "Cannot Solve";
    QTest::newRow("infinite operands with only equals") << none << "10^400 = 10^400" << "Cannot Solve";

    QTest::newRow("function definition") << none << "CREATE FUNCTION F(a) = a*2" << "Custom function definition";
    QTest::newRow("function definition in lower case")
        << none << "create function f(a) = a plus 2" << "Custom function definition";
    QTest::newRow("function definition without a body")
        << none << "CREATE FUNCTION" << "CREATE FUNCTION name(parameter, ...) = expression";
    QTest::newRow("a longer word is no definition") << none << "CREATE FUNCTIONS" << "Cannot Solve";
}

void LivePreviewTest::previewOfLine()
{
    QFETCH(QStringList, before);
    QFETCH(QString, typed);
    QFETCH(QString, preview);

    // Stripping text would turn a failing line into some other answer.
    window->findChild<QAction*>(QStringLiteral("actionIgnore_Text_When_Cannot_Solve"))->setChecked(false);
    for (const QString& line : before)
        pad->submit(line);
    pad->type(typed);
    QCOMPARE(pad->status(), preview);
}

// Columns: the pad's text, the cursor position and the preview.
void LivePreviewTest::lineAroundCursor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("preview");

    QTest::newRow("start of the pad") << "1+1\n2+2" << 0 << "1+1 = 2";
    QTest::newRow("end of the first line") << "1+1\n2+2" << 3 << "1+1 = 2";
    QTest::newRow("right after a newline") << "1+1\n2+2" << 4 << "2+2 = 4";
    QTest::newRow("end of the pad") << "1+1\n2+2" << 7 << "2+2 = 4";
    QTest::newRow("middle of a line: both sides count") << "1\n12+34\n5" << 4 << "12+34 = 46";
    QTest::newRow("empty line between") << "1+1\n\n2+2" << 4 << "";
    QTest::newRow("after the last newline") << "1+1\n" << 4 << "";
    QTest::newRow("blanks around the line") << "  6*7  \n1" << 2 << "6*7 = 42";
    QTest::newRow("empty first line") << "\n3*3" << 0 << "";
}

void LivePreviewTest::lineAroundCursor()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, preview);

    pad->editor()->setPlainText(text);
    placeCursor(position == 0 ? 1 : 0);
    placeCursor(position);
    QCOMPARE(pad->editor()->textCursor().position(), position);
    QCOMPARE(pad->status(), preview);
}

void LivePreviewTest::followsCursorKeys()
{
    pad->submit(QStringLiteral("1+1"));
    pad->type(QStringLiteral("5*5"));
    QCOMPARE(pad->status(), QStringLiteral("5*5 = 25"));
    pad->key(Qt::Key_Up);
    QCOMPARE(pad->status(), QStringLiteral("2 = 2"));
    pad->key(Qt::Key_Up);
    QCOMPARE(pad->status(), QStringLiteral("1+1 = 2"));
    pad->key(Qt::Key_Home);
    QCOMPARE(pad->status(), QStringLiteral("1+1 = 2"));
    pad->key(Qt::Key_Down);
    pad->key(Qt::Key_Down);
    QCOMPARE(pad->status(), QStringLiteral("5*5 = 25"));
    // Deleting the line's last character previews what is left.
    pad->key(Qt::Key_End);
    pad->key(Qt::Key_Backspace);
    QCOMPARE(pad->status(), QStringLiteral("Cannot Solve"));
}

void LivePreviewTest::storesNothing()
{
    pad->submit(QStringLiteral("7"));
    pad->type(QStringLiteral("x = 5"));
    QCOMPARE(pad->status(), QStringLiteral("x = 5"));
    QVERIFY(MainWindowTestAccess::variables(*window).isEmpty());
    pad->enter();
    QCOMPARE(MainWindowTestAccess::variables(*window).keys(), QStringList{"X"});

    pad->type(QStringLiteral("y = HEX(255)"));
    pad->key(Qt::Key_Home);
    QCOMPARE(pad->status(), QStringLiteral("y = FF"));
    QCOMPARE(MainWindowTestAccess::variables(*window).keys(), QStringList{"X"});
    QCOMPARE(MainWindowTestAccess::ans(*window), 7.0);
    // The base of a previewed whole-line HEX is used up by the preview
    // itself, so it cannot reach the next answer.
    QVERIFY(!window->property(MainWindow::OneTimeOutputBaseProperty).isValid());
}

SUMVELLE_TEST_MAIN(LivePreviewTest)
#include "tst_livepreview.moc"

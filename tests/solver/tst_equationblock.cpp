#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QAction>

class EquationBlockTest : public QObject
{
    Q_OBJECT

private slots:
    void extract_data();
    void extract();
    void blockLinesAreNormalised();
};

void EquationBlockTest::extract_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("equations");

    const QString block = QStringLiteral("{\nx+y=3\n\nx-y=1\n}\n");
    QTest::newRow("empty line dropped") << block << int(block.size()) << true << QStringList{"x+y=3", "x-y=1"};
    QTest::newRow("lines are trimmed") << "{\n  a = 1  \n}" << 13 << true << QStringList{"a = 1"};
    QTest::newRow("only blank lines") << "{\n  \n\n}\n" << 7 << false << QStringList{};
    QTest::newRow("no opening brace") << "x=1\n}\n" << 6 << false << QStringList{};
    QTest::newRow("closing brace inside the block") << "{ a } b }" << 9 << false << QStringList{};
    QTest::newRow("nested braces") << "{ { x=1 } }" << 11 << false << QStringList{};
    QTest::newRow("position zero") << "{x=1}" << 0 << false << QStringList{};
    QTest::newRow("closing brace first") << "}{x=1" << 5 << false << QStringList{};
    QTest::newRow("text on the brace lines belongs to the equations")
        << "{x=1\ny=2}" << 9 << true << QStringList{"x=1", "y=2"};
    QTest::newRow("text after the closing brace is ignored")
        << "{\nx=1\n}\nz=9" << 10 << true << QStringList{"x=1"};
    QTest::newRow("position inside the text") << "{a=1}{b=2}" << 5 << true << QStringList{"a=1"};
    QTest::newRow("position beyond the text") << "{a=1}" << 99 << true << QStringList{"a=1"};
    QTest::newRow("single expression") << "{\n2+3\n}" << 7 << true << QStringList{"2+3"};
}

void EquationBlockTest::extract()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(bool, found);
    QFETCH(QStringList, equations);

    auto window = TestSupport::createWindow();
    QList<QString> result{QStringLiteral("stale")};
    QCOMPARE(window->ExtractEquationBlock(text, position, result), found);
    QCOMPARE(QStringList(result), equations);
}

void EquationBlockTest::blockLinesAreNormalised()
{
    auto window = TestSupport::createWindow();
    const QString line = QStringLiteral("  two plus x = ten  ");
    QList<QString> equations;
    QVERIFY(window->ExtractEquationBlock(QStringLiteral("{\n") + line + QStringLiteral("\n}"), 99, equations));
    QCOMPARE(equations, QList<QString>{window->NormalizeSubmittedMath(line)});
    QVERIFY(equations.first() != line.trimmed());
}

SUMVELLE_TEST_MAIN(EquationBlockTest)
#include "tst_equationblock.moc"

#include "pad/PadTextIndex.h"
#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// What the index answers without reading the text: the last brace before the
// position is an opening one.
bool ScanInsideOpenBlock(const QString& text, int position)
{
    QChar last;
    for (int i = 0; i < std::min<int>(position, text.size()); ++i) {
        if (text.at(i) == QLatin1Char('{') || text.at(i) == QLatin1Char('}'))
            last = text.at(i);
    }
    return last == QLatin1Char('{');
}

} // namespace

class PadTextIndexTest : public QObject
{
    Q_OBJECT

private slots:
    void openBlock_data();
    void openBlock();
    void changes_data();
    void changes();
    void followsRandomEdits();
    void followsThePadThroughWindowEdits();
};

void PadTextIndexTest::openBlock_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("inside");

    QTest::newRow("no brace") << "1+2\n3" << 5 << false;
    QTest::newRow("after an unclosed brace") << "{\nx+y=3\n" << 8 << true;
    QTest::newRow("after a closed block") << "{\nx=1\n}\n" << 8 << false;
    QTest::newRow("position zero") << "{abc" << 0 << false;
    QTest::newRow("right after the brace") << "{abc" << 1 << true;
    QTest::newRow("on the opening brace") << "ab{c" << 2 << false;
    QTest::newRow("beyond the end counts as the end") << "x{" << 50 << true;
    QTest::newRow("second block open") << "{}{" << 3 << true;
}

void PadTextIndexTest::openBlock()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(bool, inside);
    PadTextIndex index;
    index.Reset(text);
    QCOMPARE(index.IsInsideOpenBlock(position), inside);
    QCOMPARE(ScanInsideOpenBlock(text, position), inside);
}

void PadTextIndexTest::changes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("added");
    QTest::addColumn<bool>("applies");

    QTest::newRow("typing at the end") << "{\nx" << 3 << 0 << "=1" << true;
    QTest::newRow("brace removed") << "{\nx}" << 3 << 1 << "" << true;
    QTest::newRow("brace replaced by text") << "a{b}c" << 1 << 3 << "xyz" << true;
    QTest::newRow("braces inserted before others") << "x}y" << 0 << 0 << "{{" << true;
    QTest::newRow("range past the end") << "abc" << 2 << 5 << "" << false;
    QTest::newRow("position past the end") << "abc" << 4 << 0 << "x" << false;
}

void PadTextIndexTest::changes()
{
    QFETCH(QString, before);
    QFETCH(int, position);
    QFETCH(int, removed);
    QFETCH(QString, added);
    QFETCH(bool, applies);

    PadTextIndex index;
    index.Reset(before);
    QCOMPARE(index.ApplyChange(position, removed, added), applies);
    const QString expected = applies ? QString(before).replace(position, removed, added) : before;
    QCOMPARE(index.text(), expected);
    for (int p = 0; p <= expected.size() + 1; ++p)
        QCOMPARE(index.IsInsideOpenBlock(p), ScanInsideOpenBlock(expected, p));
}

void PadTextIndexTest::followsRandomEdits()
{
    // Many small edits anywhere in the text, as typing and pasting make them.
    QRandomGenerator random(12345);
    const QString alphabet = QStringLiteral("{}x=1+\n ");
    QString reference;
    PadTextIndex index;
    index.Reset(reference);
    for (int step = 0; step < 3000; ++step) {
        const int position = int(random.bounded(reference.size() + 1));
        const int removed = int(random.bounded(std::min<qsizetype>(reference.size() - position, 4) + 1));
        QString added;
        const int addedLength = int(random.bounded(5));
        for (int i = 0; i < addedLength; ++i)
            added.append(alphabet.at(int(random.bounded(alphabet.size()))));
        QVERIFY(index.ApplyChange(position, removed, added));
        reference.replace(position, removed, added);
        const int probe = int(random.bounded(reference.size() + 2));
        QCOMPARE(index.IsInsideOpenBlock(probe), ScanInsideOpenBlock(reference, probe));
    }
    QCOMPARE(index.text(), reference);
}

void PadTextIndexTest::followsThePadThroughWindowEdits()
{
    // Typing, Shift+Enter, answers, undo and clearing all keep the window's
    // copy of the text equal to the document's.
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    pad.submit(QStringLiteral("{"));
    pad.submit(QStringLiteral("x+1=3"));
    pad.type(QStringLiteral("a"));
    pad.enter(Qt::ShiftModifier);
    pad.type(QStringLiteral("b\u00a0c"));
    QCOMPARE(window->PadText(), pad.text());
    pad.submit(QStringLiteral("}"));
    pad.submit(QStringLiteral("1+2"));
    QCOMPARE(window->PadText(), pad.text());

    QTextCursor cursor(pad.editor()->document());
    cursor.setPosition(2);
    cursor.insertText(QStringLiteral("ab\ncd"));
    QCOMPARE(window->PadText(), pad.text());

    pad.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->PadText(), pad.text());
    pad.editor()->setPlainText(QStringLiteral("{\n\n"));
    QCOMPARE(window->PadText(), pad.text());
    pad.editor()->clear();
    QCOMPARE(window->PadText(), QString());
}

SUMVELLE_TEST_MAIN(PadTextIndexTest)
#include "tst_padtextindex.moc"

#include "pad/PadDocumentLayout.h"
#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

// The pad lays out a long line that has no break opportunity by breaking it
// anywhere, which is cheap; the rows must be those that Qt's own wrapping
// gives, and every other line must wrap as before.
class PadLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void breaksAnywhere_data();
    void breaksAnywhere();
    void rowsAsQtWrapsThem_data();
    void rowsAsQtWrapsThem();
};

namespace {

// Where each row of each line starts, in characters.
QList<QList<int>> RowStarts(QPlainTextEdit* editor)
{
    QList<QList<int>> rows;
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        editor->document()->documentLayout()->blockBoundingRect(block);
        QList<int> starts;
        for (int line = 0; line < block.layout()->lineCount(); ++line)
            starts.append(block.layout()->lineAt(line).textStart());
        rows.append(starts);
    }
    return rows;
}

} // namespace

void PadLayoutTest::breaksAnywhere_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("anywhere");

    QTest::newRow("short line") << TestSupport::repeatedText(QStringLiteral("12*3+"), 100) << false;
    QTest::newRow("long line of digits and operators") << TestSupport::repeatedText(QStringLiteral("12*3+4/5-"), 5000) << true;
    QTest::newRow("long line with a blank") << TestSupport::repeatedText(QStringLiteral("12*3+4/5-"), 5000) + QStringLiteral(" 1")
                                            << false;
    QTest::newRow("long line of words") << TestSupport::repeatedText(QStringLiteral("5 km to m + "), 5000) << false;
}

void PadLayoutTest::breaksAnywhere()
{
    QFETCH(QString, text);
    QFETCH(bool, anywhere);
    QCOMPARE(PadDocumentLayout::BreaksAnywhere(text), anywhere);
}

void PadLayoutTest::rowsAsQtWrapsThem_data()
{
    QTest::addColumn<QString>("text");

    const QString unbroken = TestSupport::repeatedText(QStringLiteral("12*3+4/5-"), 3000);
    const QString words = TestSupport::repeatedText(QStringLiteral("5 km to m + 12 ft to in + "), 3000);
    QTest::newRow("one long unbroken line") << unbroken;
    QTest::newRow("long lines among short ones")
        << QStringLiteral("1+2\n3\n") + unbroken + QStringLiteral("\n") + words + QStringLiteral("\n4*5");
    QTest::newRow("a long line of words") << words;
    // Lines that set their direction: the row order and the cursor follow it.
    QTest::newRow("a long unbroken right-to-left line")
        << TestSupport::repeatedText(QStringLiteral("\u05d0\u05d1\u05d2"), 6000) + QStringLiteral("\n1+2");
    QTest::newRow("a long unbroken line that turns right-to-left late")
        << TestSupport::repeatedText(QStringLiteral("12*3+"), 3000) + TestSupport::repeatedText(QStringLiteral("\u05d0\u05d1"), 3000);
}

void PadLayoutTest::rowsAsQtWrapsThem()
{
    QFETCH(QString, text);

    auto window = TestSupport::createWindow();
    window->resize(500, 400);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    TestSupport::Pad pad(window.get());
    pad.editor()->setPlainText(text);
    // Typed at the end of the first line and through the middle of the text.
    pad.editor()->moveCursor(QTextCursor::Start);
    pad.editor()->moveCursor(QTextCursor::EndOfBlock);
    pad.type(QStringLiteral("7"));
    QTextCursor middle = pad.editor()->textCursor();
    middle.setPosition(int(text.size() / 2));
    pad.editor()->setTextCursor(middle);
    pad.type(QStringLiteral("8"));

    QPlainTextEdit reference;
    reference.setFont(pad.editor()->font());
    reference.resize(pad.editor()->size());
    reference.setVerticalScrollBarPolicy(pad.editor()->verticalScrollBarPolicy());
    reference.setHorizontalScrollBarPolicy(pad.editor()->horizontalScrollBarPolicy());
    reference.setFrameShape(pad.editor()->frameShape());
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    QCOMPARE(reference.viewport()->width(), pad.editor()->viewport()->width());
    reference.setPlainText(pad.text());

    const QList<QList<int>> rows = RowStarts(pad.editor());
    QCOMPARE(rows, RowStarts(&reference));
    QTextCursor same = reference.textCursor();
    same.setPosition(pad.editor()->textCursor().position());
    reference.setTextCursor(same);
    // Where on its row the cursor stands (the two scroll differently).
    QCOMPARE(pad.editor()->cursorRect().x(), reference.cursorRect().x());
    // The long lines did wrap.
    QVERIFY(std::any_of(rows.cbegin(), rows.cend(), [](const QList<int>& line) { return line.size() > 10; }));
}

SUMVELLE_TEST_MAIN(PadLayoutTest)
#include "tst_padlayout.moc"

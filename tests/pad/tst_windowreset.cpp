#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QAction>
#include <QPlainTextEdit>

// A reset window answers as a new one: whatever the lines and menu choices
// before the reset left behind, the probe after it reads none of it.
class WindowResetTest : public QObject
{
    Q_OBJECT

private slots:
    void resetWindowAnswersAsNew_data();
    void resetWindowAnswersAsNew();
};

namespace {
struct Outcome
{
    QString pad;
    QStringList bold;
    QString status;
};

Outcome Probe(MainWindow* window, const QStringList& probe, bool undo)
{
    const TestSupport::Pad pad(window);
    for (const QString& line : probe)
        pad.submit(line);
    if (undo)
        pad.key(Qt::Key_Z, Qt::ControlModifier);
    return {pad.text(), pad.boldRuns(), pad.status()};
}
} // namespace

void WindowResetTest::resetWindowAnswersAsNew_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("probe");
    QTest::addColumn<bool>("undo");

    QTest::newRow("variables") << QStringList{"X = 5", "Y = X * 2"} << QStringList{} << QStringList{"X + Y"}
                               << false;
    QTest::newRow("answer") << QStringList{"2 + 3"} << QStringList{} << QStringList{"ANS * 2"} << false;
    QTest::newRow("functions") << QStringList{"CREATE FUNCTION F(A) = A * 3"} << QStringList{}
                               << QStringList{"F(2)"} << false;
    QTest::newRow("money format") << QStringList{} << QStringList{"actionMoney_0_00"} << QStringList{"1/3"} << false;
    QTest::newRow("word operators off")
        << QStringList{} << QStringList{"actionUse_Word_Oporators"} << QStringList{"two plus two"} << false;
    QTest::newRow("hexadecimal output") << QStringList{} << QStringList{"actionOutputBaseHexadecimal"}
                                        << QStringList{"200 + 55"} << false;
    QTest::newRow("undo history") << QStringList{"1 + 1", "2 + 2"} << QStringList{} << QStringList{} << true;
    QTest::newRow("open equation block") << QStringList{"{", "x + 1 = 3"} << QStringList{} << QStringList{"4 * 2"}
                                         << false;
}

void WindowResetTest::resetWindowAnswersAsNew()
{
    QFETCH(QStringList, setup);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, probe);
    QFETCH(bool, undo);

    const auto fresh = TestSupport::createWindow();
    const Outcome expected = Probe(fresh.get(), probe, undo);

    const auto reused = TestSupport::createWindow();
    const TestSupport::Pad pad(reused.get());
    for (const QString& line : setup)
        pad.submit(line);
    for (const QString& name : actions)
        reused->findChild<QAction*>(name)->trigger();
    TestSupport::resetWindow(reused.get());
    const Outcome actual = Probe(reused.get(), probe, undo);

    QCOMPARE(actual.pad, expected.pad);
    QCOMPARE(actual.bold, expected.bold);
    QCOMPARE(actual.status, expected.status);
}

SUMVELLE_TEST_MAIN(WindowResetTest)
#include "tst_windowreset.moc"

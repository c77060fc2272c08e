#include "support/testsupport.h"

#include "pad/mainwindow.h"

namespace {
const QString notOnThisSystem = QStringLiteral("Windows handle tools are only available on Windows.");
} // namespace

class WindowsToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void padReply();
};

// Each row: the line and the reply; an empty reply means the line is no
// window-handle command and the dispatcher goes on.
void WindowsToolsTest::commands_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");

    QTest::newRow("handle alone") << "HANDLE" << notOnThisSystem;
    QTest::newRow("handle with a title, lower case") << "  handle Untitled - Editor " << notOnThisSystem;
    QTest::newRow("handle followed by a digit is another word") << "HANDLE2" << "";
    QTest::newRow("word followed by a letter") << "HANDLES" << "";
    QTest::newRow("show followed by letters") << "SHOWME 5" << "";
    QTest::newRow("underscore continues the word") << "HIDE_7" << "";
    QTest::newRow("no argument") << "SETTOPMOST" << "Invalid Handle";
    QTest::newRow("no digits") << "HIDE abc" << "Invalid Handle";
    QTest::newRow("plain handle") << "SHOW 5" << "0";
    QTest::newRow("mixed case") << "sEtNoTtOpMoSt 5" << "0";
    QTest::newRow("topmost") << "SETTOPMOST 5" << "0";
    QTest::newRow("base prefix ends the run") << "SHOW 0x1F" << "0";
    QTest::newRow("sign skipped") << "DISABLE -12" << "0";
    QTest::newRow("first run only") << "ENABLE window 12 34" << "0";
    QTest::newRow("parenthesis ends the word") << "HIDE(7)" << "0";
    QTest::newRow("equals sign ends the word") << "SHOW = 5" << "0";
    QTest::newRow("largest 64-bit handle") << "SHOW 18446744073709551615" << "0";
    QTest::newRow("beyond 64 bits") << "SHOW 18446744073709551616" << "Invalid Handle";
    QTest::newRow("digits of another script the conversion refuses") << QStringLiteral("HIDE \u0663") << "Invalid Handle";
    QTest::newRow("leading zeros") << "ENABLE 0000000000000000000000000001" << "0";
}

void WindowsToolsTest::commands()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    const auto window = TestSupport::createWindow();
    QString result = QStringLiteral("untouched");
    const bool recognised = window->HandleWindowsCommand(line, result);
    QCOMPARE(recognised, !reply.isEmpty());
    QCOMPARE(result, reply.isEmpty() ? QStringLiteral("untouched") : reply);
}

// The reply goes into the pad in normal weight, on the line after the command.
void WindowsToolsTest::padReply()
{
    const auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    pad.submit(QStringLiteral("SHOW 42"));
    QCOMPARE(pad.text(), QStringLiteral("SHOW 42\n0\n"));
    QCOMPARE(pad.status(), QStringLiteral("Windows command completed"));
    QVERIFY(pad.boldRuns().isEmpty());
    pad.submit(QStringLiteral("hide"));
    QCOMPARE(pad.text(), QStringLiteral("SHOW 42\n0\nhide\nInvalid Handle\n"));
    QCOMPARE(pad.status(), QStringLiteral("Windows command completed"));
}

SUMVELLE_TEST_MAIN(WindowsToolsTest)
#include "tst_windowstools.moc"

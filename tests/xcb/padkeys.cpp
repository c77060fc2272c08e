// The pad under a real X server, typed at with xdotool as a keyboard types:
// the autocomplete popup then takes the keyboard while it is mapped, and
// keys reach its own window, which the offscreen platform never shows.
// scripts/test-xcb runs it under Xvfb.

#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

namespace {

// xdotool's last key in every script: once the pad's side has seen it, every
// key before it has been handled, since the server delivers them in order.
constexpr Qt::Key DoneKey = Qt::Key_F12;

class DoneKeyWatch : public QObject
{
public:
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == DoneKey)
            seen = true;
        return QObject::eventFilter(watched, event);
    }
};

// The keys that type a text, by their X key names.
QStringList Typed(const QString& text)
{
    static const QHash<QChar, QString> names = {
        {' ', "space"},      {'*', "asterisk"},   {'+', "plus"},     {'-', "minus"},
        {'=', "equal"},      {'(', "parenleft"},  {')', "parenright"}, {'{', "braceleft"},
        {'}', "braceright"}, {'/', "slash"},      {'.', "period"},
    };
    QStringList keys;
    for (const QChar c : text)
        keys << names.value(c, QString(c));
    return keys;
}

} // namespace

class PadKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typing_data();
    void typing();

private:
    // Runs one xdotool command chain and waits until the pad has handled it.
    void drive(const QStringList& script);

    DoneKeyWatch doneKey;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void PadKeysTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X server: scripts/test-xcb runs this under Xvfb");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is missing (scripts/deps installs it)");
    qApp->installEventFilter(&doneKey);
}

void PadKeysTest::init()
{
    // Started as the program starts its window: the menus' items come after
    // the first paint.
    MainWindow::SetReleaseCheckEnabled(false);
    window = std::make_unique<MainWindow>(nullptr, MainWindow::StartUp::MenusAfterShow);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    pad = std::make_unique<TestSupport::Pad>(window.get());

    // Click into the pad, as a user does before typing.
    const QPoint inPad = pad->editor()->viewport()->mapTo(window.get(), QPoint(20, 10));
    drive({"mousemove", "--window", QString::number(window->winId()), QString::number(inPad.x()),
           QString::number(inPad.y()), "click", "1"});
    if (QTest::currentTestFailed())
        return;
    QVERIFY(pad->editor()->hasFocus());
}

void PadKeysTest::cleanup()
{
    pad.reset();
    window.reset();
}

void PadKeysTest::drive(const QStringList& script)
{
    doneKey.seen = false;
    QProcess xdotool;
    xdotool.setProcessChannelMode(QProcess::ForwardedChannels);
    // The mark is a key command of its own, so that it follows a click too.
    xdotool.start(QStringLiteral("xdotool"), script + QStringList{"key", QKeySequence(DoneKey).toString()});
    QVERIFY(xdotool.waitForStarted());
    // The event loop runs while xdotool types, so that the popup shows and
    // hides between the keys as it does for a user.
    QTRY_VERIFY_WITH_TIMEOUT(doneKey.seen, 20000);
    QTRY_COMPARE(xdotool.state(), QProcess::NotRunning);
    QCOMPARE(xdotool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(xdotool.exitCode(), 0);
}

void PadKeysTest::typing_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("afterUndo");

    // Return right after the last letter meets the popup while it is being
    // shown for the word just typed.
    QTest::newRow("fast line, 10 ms a key, Return at once")
        << Typed("12 inch to cm") + QStringList{"Return"} << 10 << "12 inch to cm\n30.48\n" << "";
    QTest::newRow("fast line, 60 ms a key, Return at once")
        << Typed("12 inch to cm") + QStringList{"Return"} << 60 << "12 inch to cm\n30.48\n" << "";
    QTest::newRow("unit conversion") << Typed("3 ft to in") + QStringList{"Return"} << 30 << "3 ft to in\n36\n"
                                     << "";
    QTest::newRow("Tab without a popup types nothing")
        << Typed("12") + QStringList{"Tab"} + Typed("+1") << 30 << "12+1" << "";
    QTest::newRow("Backtab without a popup types nothing")
        << Typed("12") + QStringList{"shift+Tab"} + Typed("+1") << 30 << "12+1" << "";
    QTest::newRow("Tab after Escape closed the popup types nothing")
        << Typed("2*ata") + QStringList{"Escape", "Tab"} << 30 << "2*ata" << "";
    QTest::newRow("Escape, then Return submits the line")
        << Typed("2*sq") + QStringList{"Escape"} + Typed("rt(9)") + QStringList{"Return"} << 30
        << "2*sqrt(9)\n6\n" << "";
    QTest::newRow("Tab takes the suggestion, Return submits")
        << Typed("2*sqr") + QStringList{"Tab"} + Typed("16)") + QStringList{"Return"} << 30 << "2*SQRT(16)\n8\n"
        << "";
    QTest::newRow("equation block") << Typed("{") + QStringList{"Return"} + Typed("x+y=3") + QStringList{"Return"}
                                           + Typed("x-y=1") + QStringList{"Return"} + Typed("}")
                                           + QStringList{"Return"}
                                    << 30 << "{\nx+y=3\nx-y=1\n}\nX = 2\nY = 1\n" << "{\nx+y=3\nx-y=1\n";
}

void PadKeysTest::typing()
{
    QFETCH(QStringList, keys);
    QFETCH(int, delayMs);
    QFETCH(QString, text);
    QFETCH(QString, afterUndo);

    drive(QStringList{"key", "--delay", QString::number(delayMs)} + keys);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(pad->text(), text);
    drive({"key", "ctrl+z"});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(pad->text(), afterUndo);
}

SUMVELLE_TEST_MAIN(PadKeysTest)
#include "padkeys.moc"

#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <memory>

class MainWindow;
class QLabel;
class QPlainTextEdit;

namespace TestSupport {

// Points HOME and the XDG directories at a fresh temporary directory, selects
// the offscreen platform and switches QStandardPaths to test mode, so that no
// test ever reads or writes the user's own files. Call before QApplication.
void prepareEnvironment();

// The temporary home made by prepareEnvironment().
QString temporaryHome();

// Watches for a modal dialog that stays open longer than timeLimitMs: no one
// answers it in a test, which would hang until CTest's timeout. The dialog is
// closed and the running test fails, naming it. The test main starts one.
void startModalDialogWatchdog(int timeLimitMs = 10000);

// What the next message box showed; readNextMessageBox() fills it in.
struct ShownMessage
{
    bool shown = false;
    QString title;
    QString text;
    QString detailedText;
    // The buttons' texts and roles, in the box's order.
    QStringList buttons;
    QList<QMessageBox::ButtonRole> buttonRoles;
    // The reading dies with this, so that a box that never came cannot be
    // read into a later test.
    QObject context;
};

// Reads the next message box to open and accepts it, or clicks its button of
// the given text (rejects it when it has none such): call before the action
// that opens it.
void readNextMessageBox(ShownMessage& shown, const QString& buttonText = QString());

// Runs body in a child process whose files cannot grow beyond maximumFileSize
// bytes (a full disk, as a writer sees it): a write past the limit fails short
// instead of killing the child. The result is the body's, or -1 when the
// child did not end normally. The child never returns into the test.
int runWithFileSizeLimit(qint64 maximumFileSize, const std::function<int()>& body);

// Runs the test object's functions as QTest::qExec does, except that a Qt
// warning on the main thread fails the test function that caused it, unless
// the function expects it with QTest::ignoreMessage.
int run(QObject* testObject, int argc, char** argv);

// The piece repeated until the text is at least length long.
QString repeatedText(const QString& piece, int length);

// A main window as the program builds it, for tests that drive the pad or
// call the engine's member functions; it starts without the release check,
// so no test reaches the network.
std::unique_ptr<MainWindow> createWindow();

// Brings a window made by createWindow() back to the state of a new one: the
// pad and its undo history, variables, functions, ANS, options, the settings
// and log files, the solver's flags and open dialogs. Tests and the fuzz
// targets reuse one window this way instead of making one each time.
void resetWindow(MainWindow* window);

// Drives a window's pad as a user does, key by key, and reads what the user
// sees: the pad's text, its bold runs and the status line.
class Pad
{
public:
    explicit Pad(MainWindow* window);

    QPlainTextEdit* editor() const { return padEditor; }
    QLabel* statusLabel() const { return padStatus; }

    void type(const QString& text) const;
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    void enter(Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // Types the line and presses Enter.
    void submit(const QString& line) const;

    QString text() const;
    QString status() const;
    // The text of every bold fragment, in document order.
    QStringList boldRuns() const;

private:
    QPlainTextEdit* padEditor;
    QLabel* padStatus;
};

} // namespace TestSupport

#define SUMVELLE_TEST_MAIN(TestObject)            \
    int main(int argc, char* argv[])              \
    {                                             \
        TestSupport::prepareEnvironment();        \
        QApplication app(argc, argv);             \
        QStandardPaths::setTestModeEnabled(true); \
        TestSupport::startModalDialogWatchdog();  \
        TestObject tc;                            \
        QTEST_SET_MAIN_SOURCE_PATH                \
        return TestSupport::run(&tc, argc, argv); \
    }

#include "FuzzSupport.h"

#include "pad/StoragePaths.h"
#include "pad/mainwindow.h"
#include "solver/SolveIterationLimit.h"
#include "solver/SymbolicTree.h"
#include "support/testsupport.h"
#include "tools/LimitedPattern.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include <cstdlib>
#include <cstring>

namespace FuzzSupport {

namespace {

// Takes every URL the program asks the desktop to open, so no browser or
// editor starts while fuzzing.
class UrlSink : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

// A solve that has not converged by then is cancelled as typing would
// cancel it: every input's cost is bounded, and the same on every run.
constexpr int SolveIterations = 100;

// Steps of the regular expression engine a search may take before it stops
// as a search past its time budget does: a pattern that backtracks without
// end costs a bounded amount, not a second of the clock.
constexpr unsigned SearchSteps = 200000;

// Work of one SIMPLIFY or ISOLATE command, a twentieth of what the program
// allows: under the sanitizers all of that takes seconds, and an input may
// hold several commands.
constexpr qint64 SymbolicWork = 1000000;

// Looked up once per window: a search of the window's whole tree for every
// line typed cost as much as typing a short line.
QPlainTextEdit* PadOf(MainWindow& window)
{
    static QPointer<MainWindow> lastWindow; // null once that window is gone
    static QPlainTextEdit* lastPad = nullptr;
    if (lastWindow != &window) {
        lastWindow = &window;
        lastPad = TestSupport::Pad(&window).editor();
    }
    return lastPad;
}

void EmptyDirectory(const QString& path)
{
    QDir dir(path);
    if (!path.isEmpty() && dir.exists())
        dir.removeRecursively();
}

} // namespace

void Initialize(int* argc, char*** argv)
{
    // Never destroyed: the process ends by exit(), after the statics that
    // the application's destructor would still reach.
    static QApplication* application = nullptr;
    if (application)
        return;
    // The temporary home lives in memory where the system offers it: the
    // settings saves sync their file, and waiting on a disk for that cost
    // more than all else an input does.
    if (qEnvironmentVariableIsEmpty("TMPDIR") && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    TestSupport::prepareEnvironment();
    application = new QApplication(*argc, *argv);
    SetSolveIterationLimit(SolveIterations);
    LimitedPattern::SetStepLimit(SearchSteps);
    SymbolicBudget::SetWorkLimit(SymbolicWork);
    // A modal box that no one answers would stop the fuzzer: any that opens
    // is closed at once.
    auto* closer = new QTimer(application);
    QObject::connect(closer, &QTimer::timeout, closer, []() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    closer->start(20);
    static UrlSink sink;
    for (const char* scheme : {"file", "http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink, "open");
}

std::unique_ptr<MainWindow> NewWindow()
{
    auto window = TestSupport::createWindow();
    // File dialogs are answered "cancel" and warnings are dropped.
    window->documentPrompts.openFileName = [](QWidget*, const QString&) { return QString(); };
    window->documentPrompts.saveFileName = [](QWidget*, const QString&, const QString&) { return QString(); };
    window->documentPrompts.dropChoice = [](QWidget*, const QString&) { return MainWindow::DropChoice::DontOpen; };
    window->documentPrompts.warning = [](QWidget*, const QString&, const QString&) {};
    return window;
}

namespace {
bool freshWindows = false;
// Only the replay compares pads; a fuzzing run spends nothing on them.
bool keepPads = false;
std::unique_ptr<MainWindow> freshWindow;
MainWindow* reusedWindow = nullptr;
// The window the input last asked for; its pad is the input's outcome.
MainWindow* inputWindow = nullptr;
QString lastPad;
} // namespace

MainWindow& InputWindow()
{
    if (freshWindows) {
        freshWindow.reset();
        freshWindow = NewWindow();
        inputWindow = freshWindow.get();
    } else {
        if (reusedWindow)
            TestSupport::resetWindow(reusedWindow);
        else
            reusedWindow = NewWindow().release(); // never destroyed, like the application
        inputWindow = reusedWindow;
    }
    return *inputWindow;
}

void FinishInput()
{
    lastPad.clear();
    if (inputWindow && keepPads) {
        const TestSupport::Pad pad(inputWindow);
        lastPad = pad.text() + QStringLiteral("\n-- bold --\n") + pad.boldRuns().join(QLatin1Char('\n'));
    }
    inputWindow = nullptr;
    freshWindow.reset();
    WipeUserFiles();
}

void SetFreshWindows(bool fresh)
{
    freshWindows = fresh;
    keepPads = true;
}

QString PadOfLastInput()
{
    return lastPad;
}

MainWindow& EngineWindow()
{
    // Never destroyed, like the application it belongs to.
    static MainWindow* window = NewWindow().release();
    return *window;
}

ControlState SavedControls(const QWidget& dialog)
{
    ControlState state;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isCheckable())
            state.checked.insert(button->objectName(), button->isChecked());
    }
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        state.texts.insert(edit->objectName(), edit->text());
    return state;
}

void RestoreControls(QWidget& dialog, const ControlState& state)
{
    const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    // Unchecked first: a radio button leaves its group only when another
    // one is checked.
    for (const bool checked : {false, true}) {
        for (QAbstractButton* button : buttons) {
            const auto saved = state.checked.constFind(button->objectName());
            if (saved != state.checked.cend() && *saved == checked && button->isChecked() != checked) {
                const QSignalBlocker blocker(button);
                button->setChecked(checked);
            }
        }
    }
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        const auto saved = state.texts.constFind(edit->objectName());
        if (saved != state.texts.cend() && edit->text() != *saved) {
            const QSignalBlocker blocker(edit);
            edit->setText(*saved);
        }
    }
}

void WipeUserFiles()
{
    EmptyDirectory(StoragePaths::DataDirectory());
}

QStringList Lines(const uint8_t* data, size_t size, int maxLines, int maxLength)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > maxLines)
        lines.resize(maxLines);
    for (QString& line : lines)
        line.truncate(maxLength);
    return lines;
}

QString FirstLine(const uint8_t* data, size_t size, int maxLength)
{
    // Only the bytes up to the first line break are read: decoding and
    // splitting the rest cost the engine targets more than a short line's
    // evaluation. No sequence runs on past the break, so the line reads as
    // it does in the whole text.
    const auto* bytes = reinterpret_cast<const char*>(data);
    const auto* lineBreak = static_cast<const char*>(std::memchr(bytes, '\n', size));
    const size_t length = lineBreak ? static_cast<size_t>(lineBreak - bytes) + 1 : size;
    QString line = QString::fromUtf8(bytes, static_cast<qsizetype>(length));
    if (lineBreak)
        line.chop(1);
    line.truncate(maxLength);
    return line;
}

SplitInput Split(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype firstBreak = input.indexOf('\n');
    const qsizetype secondBreak = firstBreak < 0 ? -1 : input.indexOf('\n', firstBreak + 1);
    SplitInput split;
    split.first = QString::fromUtf8(firstBreak < 0 ? input : input.left(firstBreak));
    if (firstBreak >= 0)
        split.second =
            QString::fromUtf8(input.mid(firstBreak + 1, secondBreak < 0 ? -1 : secondBreak - firstBreak - 1));
    if (secondBreak >= 0)
        split.rest = input.mid(secondBreak + 1);
    return split;
}

QString WriteDataFile(const QString& path, QByteArrayView bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
    return path;
}

bool IsKeptOut(const QString& line)
{
    const QString word = line.trimmed().toUpper();
    return word.contains(QLatin1String("TRAVOKDEBUGSTORAGE")) || word == QLatin1String("EXIT")
        || word == QLatin1String("END") || word == QLatin1String("CLOSE") || word == QLatin1String("QUIT");
}

void TypeWithoutEnter(MainWindow& window, const QString& text)
{
    QPlainTextEdit* pad = PadOf(window);
    pad->moveCursor(QTextCursor::End);
    pad->insertPlainText(text);
}

void SubmitLine(MainWindow& window, const QString& line)
{
    QPlainTextEdit* pad = PadOf(window);
    TypeWithoutEnter(window, line);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(pad, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(pad, &release);
}

} // namespace FuzzSupport

#include "FuzzSupport.moc"

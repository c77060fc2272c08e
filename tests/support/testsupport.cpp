#include "support/testsupport.h"

#include "engine/TextScan.h"
#include "pad/mainwindow.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace TestSupport {

namespace {
QTemporaryDir* homeDirectory()
{
    // Lives for the whole test process and removes itself at exit.
    static QTemporaryDir dir;
    return &dir;
}
} // namespace

void prepareEnvironment()
{
    QTemporaryDir* home = homeDirectory();
    const QString root = home->path();
    const QStringList subdirs = {"config", "data", "cache", "runtime"};
    for (const QString& sub : subdirs)
        QDir(root).mkpath(sub);
    QFile::setPermissions(root + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", root.toUtf8());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (root + "/cache").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (root + "/runtime").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
}

int runWithFileSizeLimit(qint64 maximumFileSize, const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit;
        limit.rlim_cur = rlim_t(maximumFileSize);
        limit.rlim_max = rlim_t(maximumFileSize);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(126);
        // _exit: the parent's files and temporary directories are not the
        // child's to clean up.
        _exit(body());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

void readNextMessageBox(ShownMessage& shown, const QString& buttonText)
{
    QTimer::singleShot(0, &shown.context, [&shown, buttonText]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown.shown = true;
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.detailedText = box->detailedText();
        QAbstractButton* answer = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            shown.buttons << button->text();
            shown.buttonRoles << box->buttonRole(button);
            if (button->text() == buttonText)
                answer = button;
        }
        if (buttonText.isEmpty())
            box->accept();
        else if (answer)
            answer->click();
        else
            box->reject();
    });
}

void startModalDialogWatchdog(int timeLimitMs)
{
    // Lives as long as the application, which deletes it.
    auto* timer = new QTimer(qApp);
    timer->setInterval(100);
    auto watched = std::make_shared<QPointer<QWidget>>();
    auto openFor = std::make_shared<QElapsedTimer>();
    QObject::connect(timer, &QTimer::timeout, timer, [watched, openFor, timeLimitMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != watched->data()) {
            *watched = modal;
            openFor->start();
            return;
        }
        if (!modal || openFor->elapsed() < timeLimitMs)
            return;
        const QString message = QStringLiteral("A modal %1 (\"%2\") stayed open for %3 ms with no one to answer it; "
                                               "the watchdog closed it")
                                    .arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle())
                                    .arg(openFor->elapsed());
        *watched = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    });
    timer->start();
}

namespace {
QtMessageHandler testLogHandler = nullptr;

void failOnWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The test log forgets these patterns after each function and data row,
    // so arm one for each warning as it arrives, matching that warning only;
    // the log then fails the running function unless the warning was
    // expected. The list is the main thread's alone.
    // The offscreen platform says so of each window feature it lacks (raise,
    // keyboard grabs, size hints): a fact of the test platform, not a fault.
    const bool platformLimit = message.startsWith(QLatin1String("This plugin does not support "));
    if (type == QtWarningMsg && !platformLimit && QThread::currentThread() == qApp->thread())
        QTest::failOnWarning(
            QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(message))));
    testLogHandler(type, context, message);
}
} // namespace

int run(QObject* testObject, int argc, char** argv)
{
    QTest::qInit(testObject, argc, argv);
    // qInit installs the test log's own handler, which ours wraps.
    testLogHandler = qInstallMessageHandler(failOnWarning);
    const int failures = QTest::qRun();
    qInstallMessageHandler(testLogHandler);
    QTest::qCleanup();
    return failures;
}

QString temporaryHome()
{
    return homeDirectory()->path();
}

QString repeatedText(const QString& piece, int length)
{
    QString text;
    while (text.size() < length)
        text += piece;
    return text;
}

std::unique_ptr<MainWindow> createWindow()
{
    // Tests never reach the network: their windows start without the
    // release check.
    MainWindow::SetReleaseCheckEnabled(false);
    return std::make_unique<MainWindow>();
}

Pad::Pad(MainWindow* window)
    : padEditor(window->findChild<QPlainTextEdit*>(QStringLiteral("Text1")))
    , padStatus(window->findChild<QLabel*>(QStringLiteral("Label1")))
{}

void Pad::type(const QString& text) const
{
    QTest::keyClicks(padEditor, text);
}

void Pad::key(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(padEditor, key, modifiers);
}

void Pad::enter(Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(padEditor, Qt::Key_Return, modifiers);
}

void Pad::submit(const QString& line) const
{
    type(line);
    enter();
}

QString Pad::text() const
{
    return padEditor->toPlainText();
}

QString Pad::status() const
{
    return padStatus->text();
}

QStringList Pad::boldRuns() const
{
    QStringList runs;
    for (QTextBlock block = padEditor->document()->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && TextScan::IsBoldWeight(fragment.charFormat().fontWeight()))
                runs.append(fragment.text());
        }
    }
    return runs;
}

} // namespace TestSupport

#include "support/testsupport.h"

#include "engine/TextScan.h"
#include "pad/mainwindow.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QStandardPaths>
#include <QTemporaryDir>

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

QString temporaryHome()
{
    return homeDirectory()->path();
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
{
}

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

#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <QDir>
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
    return std::make_unique<MainWindow>();
}

} // namespace TestSupport

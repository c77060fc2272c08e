#include "pad/StoragePaths.h"

#include "pad/FileReading.h"

#include <QDir>
#include <QStandardPaths>

namespace StoragePaths {

QString DataDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString SettingsFilePath(const QString& directory)
{
    return QDir(directory).filePath(QStringLiteral("Sumvelle.ini"));
}

QString LogFilePath(const QString& directory)
{
    return QDir(directory).filePath(QStringLiteral("Sumvelle.log"));
}

bool SettingsFileUsable(const QString& path)
{
    return FileReading::AbsentOrRegular(path, MaximumSettingsFileBytes);
}

} // namespace StoragePaths

#pragma once

#include <QString>

// Where the program keeps its files: the per-user application-data directory
// and, in it, the settings file and the calculator log. Every reader and
// writer of the two files forms their paths here.
namespace StoragePaths {

QString DataDirectory();
QString SettingsFilePath(const QString& directory = DataDirectory());
QString LogFilePath(const QString& directory = DataDirectory());

// The settings file is read whole by QSettings, which would wait forever on a
// named pipe and read a device without end: it is opened only when it is
// absent or a regular file of a size a settings file can have.
constexpr qint64 MaximumSettingsFileBytes = qint64(16) << 20;
bool SettingsFileUsable(const QString& path = SettingsFilePath());

} // namespace StoragePaths

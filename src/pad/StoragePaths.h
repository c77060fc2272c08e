#pragma once

#include <QString>

// Where the program keeps its files: the per-user application-data directory
// and, in it, the settings file and the calculator log. Every reader and
// writer of the two files forms their paths here.
namespace StoragePaths {

QString DataDirectory();
QString SettingsFilePath(const QString& directory = DataDirectory());
QString LogFilePath(const QString& directory = DataDirectory());

} // namespace StoragePaths

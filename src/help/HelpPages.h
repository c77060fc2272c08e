#pragma once
// The help's pages, composed from the catalogue: index, category pages, topic
// pages, the complete manual and search results. Free functions without side
// effects, internal to the help module.

#include "help/HelpCatalog.h"

QString NormalizeHelpKey(QString name);
QString FormatHelpMenu(QString page);
QString BuildHelpIndex();
QString BuildHelpAboutHelp();
bool BuildHelpSubmenu(QString name, const QList<HelpEntry>& entries, QString& page);
QString FormatHelpTopic(const HelpEntry& entry);
QString BuildFullHelp(const QList<HelpEntry>& entries);
QString BuildSearchResults(const QList<HelpEntry>& entries, QString query, bool exactMode);

#pragma once
// The help's pages, composed from the catalogue: index, category pages, topic
// pages, the complete manual and search results. Free functions without side
// effects, internal to the help module.

#include "help/HelpCatalog.h"

// The letters and digits of help names: ASCII ones, and any letter or number
// beyond ASCII; everything else is punctuation that help lines may scatter.
bool IsHelpKeyCharacter(QChar unit);
QString NormalizeHelpKey(QString name);
QString FormatHelpMenu(QString page);
QString BuildHelpIndex();
QString BuildHelpAboutHelp();
bool BuildHelpSubmenu(QString name, const QList<HelpEntry>& entries, QString& page);
QString FormatHelpTopic(const HelpEntry& entry);
QString BuildFullHelp(const QList<HelpEntry>& entries);
QString BuildSearchResults(const QList<HelpEntry>& entries, QString query, bool exactMode);

#pragma once
// What the help's tests share: the HELP command's topic lookup as an index,
// and the catalogue's two kinds of entry.

#include "help/HelpLookup.h"
#include "help/HelpPages.h"

namespace HelpLookup {

// The index of the entry a HELP line with this name opens as a topic, or -1.
inline qsizetype FindTopic(const QList<HelpEntry>& entries, const QString& name)
{
    const HelpEntry* entry = FindHelpTopic(entries, name);
    return entry ? entry - entries.constData() : -1;
}

// Function-reference topics are composed from six labelled sections right
// after the title; general topics are free text.
inline bool IsStandardFunctionEntry(const HelpEntry& entry)
{
    return entry.text.startsWith(entry.title + QStringLiteral("\n\nDescription:\n"))
           && entry.text.contains(QStringLiteral("\n\nSyntax:\n"))
           && entry.text.contains(QStringLiteral("\n\nArguments:\n"))
           && entry.text.contains(QStringLiteral("\n\nExamples:\n"))
           && entry.text.contains(QStringLiteral("\n\nPurpose:\n"))
           && entry.text.contains(QStringLiteral("\n\nHow It Works:\n"));
}

inline QList<HelpEntry> Catalogue()
{
    QList<HelpEntry> entries;
    BuildGeneralHelpEntries(entries);
    return entries;
}

} // namespace HelpLookup

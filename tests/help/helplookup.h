#pragma once
// The topic lookup of the HELP command, as the help's tests need it: the
// first entry whose title, then whose aliases in order, give the key.

#include "help/HelpPages.h"

namespace HelpLookup {

// The index of the entry a HELP line with this name opens as a topic, or -1.
inline qsizetype FindTopic(const QList<HelpEntry>& entries, const QString& name)
{
    const QString key = NormalizeHelpKey(name);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (NormalizeHelpKey(entries.at(i).title) == key)
            return i;
        for (const QString& alias : entries.at(i).aliases) {
            if (NormalizeHelpKey(alias) == key)
                return i;
        }
    }
    return -1;
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

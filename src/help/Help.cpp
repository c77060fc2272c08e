#include "help/HelpLookup.h"
#include "help/HelpPages.h"
#include "pad/mainwindow.h"

namespace {

// True when text begins with the switch name, punctuation allowed before,
// inside and after it ("/S", "--all", "S.E.A.R.C.H:"); text then becomes what
// follows. A letter or digit right after the name refuses it, so SIN is no S.
bool RemoveHelpSwitch(QString& text, QString name)
{
    const qsizetype length = text.size();
    qsizetype position = 0;
    while (position < length && !IsHelpKeyCharacter(text.at(position)))
        ++position;
    qsizetype matched = 0;
    while (matched < name.size()) {
        if (position >= length)
            return false;
        const QChar unit = text.at(position);
        if (IsHelpKeyCharacter(unit)) {
            if (unit.toUpper() != name.at(matched).toUpper())
                return false;
            ++matched;
        }
        ++position;
    }
    if (position < length && IsHelpKeyCharacter(text.at(position)))
        return false;
    while (position < length && !IsHelpKeyCharacter(text.at(position)))
        ++position;
    text = text.mid(position).trimmed();
    return true;
}

} // namespace

const HelpEntry* FindHelpTopic(const QList<HelpEntry>& entries, const QString& name)
{
    const QString key = NormalizeHelpKey(name);
    for (const HelpEntry& entry : entries) {
        if (NormalizeHelpKey(entry.title) == key)
            return &entry;
        for (const QString& alias : entry.aliases) {
            if (NormalizeHelpKey(alias) == key)
                return &entry;
        }
    }
    return nullptr;
}

bool MainWindow::HandleHelpCommand(QString line, QString& helpText)
{
    helpText.clear();
    line = line.trimmed();
    if (line == QLatin1String("?")) {
        pendingHelpKey = QStringLiteral("SPECIAL:INDEX");
        helpText = BuildHelpIndex();
        return true;
    }
    if (line.size() < 4 || !line.startsWith(QLatin1String("HELP"), Qt::CaseInsensitive))
        return false;
    // HELPING is a word of its own; HELP? and HELP/S are help lines.
    if (line.size() > 4 && IsHelpKeyCharacter(line.at(4)))
        return false;

    const QString rest = line.mid(4).trimmed();
    QList<HelpEntry> entries;
    BuildGeneralHelpEntries(entries);

    if (rest.isEmpty()) {
        pendingHelpKey = QStringLiteral("SPECIAL:INDEX");
        helpText = BuildHelpIndex();
        return true;
    }
    if (NormalizeHelpKey(rest).isEmpty()) {
        pendingHelpKey = QStringLiteral("SPECIAL:ABOUT");
        helpText = BuildHelpAboutHelp();
        return true;
    }

    // ALL counts only alone: HELP /ALL FUNCTIONS is a name to look up.
    QString afterAll = rest;
    if (RemoveHelpSwitch(afterAll, QStringLiteral("ALL")) && afterAll.isEmpty()) {
        pendingHelpKey = QStringLiteral("SPECIAL:ALL");
        helpText = BuildFullHelp(entries);
        return true;
    }

    // Longer switches first, as DESC and S begin DESCRIPTION and SEARCH.
    static const char* const searchSwitches[] = {"DESCRIPTION", "SEARCH", "DESC", "S"};
    for (const char* searchSwitch : searchSwitches) {
        QString query = rest;
        if (!RemoveHelpSwitch(query, QLatin1String(searchSwitch)))
            continue;
        pendingHelpKey.clear();
        if (query.isEmpty())
            helpText =
                QStringLiteral("Help search needs something to search for.\n\nExample:\n  HELP /S window handle");
        else
            helpText = BuildSearchResults(entries, query, false);
        return true;
    }

    // The key of what was typed, not of the page: the window decides how
    // loosely it may match it.
    if (BuildHelpSubmenu(rest, entries, helpText)) {
        pendingHelpKey = QStringLiteral("CATEGORY:") + NormalizeHelpKey(rest);
        return true;
    }

    if (const HelpEntry* entry = FindHelpTopic(entries, rest)) {
        pendingHelpKey = QStringLiteral("TOPIC:") + NormalizeHelpKey(entry->title);
        helpText = FormatHelpTopic(*entry);
        return true;
    }

    pendingHelpKey.clear();
    helpText = BuildSearchResults(entries, rest, true);
    return true;
}

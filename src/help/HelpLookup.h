#pragma once
// Finding a topic by the name a user typed: shared by the HELP command and
// the tests that check which page a name opens.

#include "help/HelpCatalog.h"

// The first entry, in catalogue order, whose title or (after it) one of whose
// aliases has the same key as the name; null when none has. So an alias of an
// earlier entry wins over the title of a later one.
const HelpEntry* FindHelpTopic(const QList<HelpEntry>& entries, const QString& name);

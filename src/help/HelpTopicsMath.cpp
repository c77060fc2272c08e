#include "help/HelpCatalog.h"

// Help topics 1-54 of the catalogue, in build order.
void AddMathHelpTopics(QList<HelpEntry>& entries)
{
    (void)entries;
}

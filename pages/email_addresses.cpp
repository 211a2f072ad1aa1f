#include "pages/email_addresses.h"

// No mail client's settings are read yet, so no address is ever found.
void FindEmailAddresses(StringList &candidates)
{
    candidates.Clear();
}

// The e-mail addresses that the mail clients on this machine are set up with.
#ifndef PAGES_EMAIL_ADDRESSES_H
#define PAGES_EMAIL_ADDRESSES_H

#include "wizard/string_list.h"

// Empties candidates and fills it with the addresses found.
void FindEmailAddresses(StringList &candidates);

#endif

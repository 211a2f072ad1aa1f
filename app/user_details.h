// The user's details as the pages first show them.
#ifndef APP_USER_DETAILS_H
#define APP_USER_DETAILS_H

// Clears the product ticks and the details, then fills the defaults: the
// name from the registered owner of Windows, the e-mail candidates from the
// mail clients, the country from the system locale.
void PrepareUserDetails();

#endif

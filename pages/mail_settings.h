// Where the mail clients on the machine keep the user's e-mail address, and
// reading it from a settings file.
#ifndef PAGES_MAIL_SETTINGS_H
#define PAGES_MAIL_SETTINGS_H

#include "wizard/string_list.h"

#include <stdio.h>

// Account keys under HKEY_CURRENT_USER are numbered 0 to this minus 1.
const int kMailAccountKeys = 32;
// Addresses and settings lines are read into buffers of this size.
const unsigned kMailTextSize = 1024;

extern const char *const kAccountManagerKeys[2];
extern const char kAccountAddressValue[];

// "<manager>\<number as eight digits>", into a buffer of 256 chars.
void AccountKeyName(const char *manager, int number, char *out);

// The two settings files that may hold the return address, on the drive of
// the working folder: below the user's application data, then below the
// program folder. A path that would not fit in 256 chars comes out empty.
void MailSettingsPaths(const char *installRoot, const char *userName, char (*paths)[256]);

// The text after "ReturnAddress=" on the first line that starts with it
// exactly; false when no line does. address holds kMailTextSize chars.
bool ReadReturnAddress(FILE *settings, char *address);

// Appends address unless the list holds it already (exact comparison).
void AddCandidate(StringList &candidates, const char *address);

#endif

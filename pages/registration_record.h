// The registration record: a text file in the working folder with the user's
// details and the chosen products, uploaded to the vendor before downloading.
#ifndef PAGES_REGISTRATION_RECORD_H
#define PAGES_REGISTRATION_RECORD_H

#include "sapi/sapi.h"
#include "wizard/wizard_state.h"

#include <stdio.h>

// "vok-<process id>-MMDDYY-HHMMSS.txt" from one time stamp, into a buffer of
// kWizardTextSize. YY is the year minus 2000: negative before 2000.
void RegistrationRecordName(TimeStamp stamp, int processId, char *out);

// The record's lines: the details, how the e-mail address was accepted, the
// local address of the last FTP connection, the command-line text, and one
// line per selected product numbered from 0. Values are written as held.
void WriteRegistrationRecord(FILE *file, const WizardState &state, const char *ipAddress);

#endif

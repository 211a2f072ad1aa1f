// The process-wide record of the wizard: settings, catalogue data and the
// user's details. Every page reads and writes it directly.
#ifndef WIZARD_WIZARD_STATE_H
#define WIZARD_WIZARD_STATE_H

#include "wizard/string_list.h"

// Text fields hold at most 255 characters and a NUL.
const unsigned kWizardTextSize = 256;
// One selection flag per product: the file list names at most this many.
const unsigned kMaxProducts = 256;
// Panel bitmaps read from the file list, at most: a key looked up behind the
// file's position costs a read of the whole file, so an unbounded list of
// keys in reverse order would take time in the square of its length.
const unsigned kMaxBitmaps = 256;

// How the e-mail address was accepted (emailSource).
const int kEmailFromList = 0;      // it matched one of emailCandidates
const int kEmailUnchecked = 1;     // no candidate was found to compare with
const int kEmailAfterRefusals = 2; // accepted after repeated refusals

struct WizardState {
    char installRoot[kWizardTextSize]; // working folder, no trailing backslash
    int osCode;                        // Windows version code 0 to 8
    char ftpHost[kWizardTextSize];
    char ftpUser[kWizardTextSize];
    char ftpPassword[kWizardTextSize];
    bool ftpSecure;                     // FTPS, the certificate checked
    char ftpTrustedCa[kWizardTextSize]; // PEM file of the one trusted CA, or empty
    // The base https:// address of a vendor without an FTP server, ending in
    // "/"; empty when the wizard uses its FTP server.
    char serverUrl[kWizardTextSize];
    char commandLine[kWizardTextSize]; // first argument that is not a switch
    StringList productIds;
    StringList productUrls;
    StringList bitmapNames;
    unsigned char selected[kMaxProducts];
    char userName[kWizardTextSize];
    char email[kWizardTextSize];
    char address[kWizardTextSize];
    char city[kWizardTextSize];
    char state[kWizardTextSize];
    char postal[kWizardTextSize];
    char country[kWizardTextSize];
    char phone[kWizardTextSize];
    int emailSource;
    StringList emailCandidates;
    char recordFileName[kWizardTextSize];
};

extern WizardState wizardState;

#endif

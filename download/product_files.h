// A product's files as the catalogue names them: where its installer comes
// from, what it is called on the way and at the end, and how it is checked.
#ifndef DOWNLOAD_PRODUCT_FILES_H
#define DOWNLOAD_PRODUCT_FILES_H

#include "hash/sha256.h"
#include "wizard/wizard_state.h"

#include <stdio.h>

struct ProductFiles {
    char finalName[kWizardTextSize]; // in downloads, and the name on the FTP server
    char tempName[kWizardTextSize];  // in components while it arrives
    // The installer's address when it comes by HTTPS (the product's SOURCE,
    // else the vendor's server address and finalName); empty when it comes
    // from the FTP server.
    char source[kWizardTextSize];
    // The common name of the certificate that must have signed the
    // installer; empty when the catalogue names none.
    char signer[kWizardTextSize];
    long long statedSize;
    bool verified;       // the catalogue gives the installer's SHA-256 ...
    Sha256Digest sha256; // ... this one
};

// Reads the product's FILENAME, TEMPNAME and FILESIZE keys, and SOURCE,
// SHA256 and SIGNER where they are given. False when one of the first three is
// missing, a name would leave its folder, SHA256 is there but not 64
// hexadecimal digits, SIGNER is there without a value, or the address under the vendor's web server would
// not fit. A SOURCE that is no https:// address is read as it
// stands: the transfer refuses it, with its own message.
bool ReadProductFiles(FILE *fileList, int product, ProductFiles &files);

#endif

// Where the finish page finds a downloaded product's installer.
#ifndef DOWNLOAD_INSTALLER_LOCATION_H
#define DOWNLOAD_INSTALLER_LOCATION_H

#include "wizard/string_list.h"

#include <stdio.h>

// The number of the first product whose display name equals name exactly,
// or the number of products when none does.
unsigned FindProductNumber(const StringList &productIds, const char *name);

// The installer's file name: the product's FILENAME key, read from the start
// of the file list. False when it is missing, or would lead out of the
// downloads folder, as the download engine refuses it.
bool ReadInstallerName(FILE *fileList, unsigned product, char *fileName);

// The product's SIGNER into signer, empty when the catalogue names none.
void ReadInstallerSigner(FILE *fileList, unsigned product, char *signer);

// Room for a display name and a path of 255 characters each, and the words.
const unsigned kLocateMessageSize = 1024;

// "\"<name>\" can be found at the following location:\n\n<root>\Downloads\<file>"
void LocateMessage(const char *displayName, const char *installRoot, const char *fileName, char *out);

#endif

// One product's way from the server into the downloads folder: its names from
// the file list, the transfer into the components folder (fresh, or resumed
// from a partial file), and the move of the finished file.
#ifndef DOWNLOAD_PRODUCT_TRANSFER_H
#define DOWNLOAD_PRODUCT_TRANSFER_H

#include "download/download_progress.h"
#include "sapi/sapi.h"
#include "wizard/wizard_state.h"

#include <stdio.h>

struct ProductFiles {
    char finalName[kWizardTextSize]; // in downloads, and the name on the server
    char tempName[kWizardTextSize];  // in components while it arrives
    int statedSize;
};

// Reads the product's FILENAME, TEMPNAME and FILESIZE keys. False when one is
// missing or a name would leave its folder.
bool ReadProductFiles(FILE *fileList, int product, ProductFiles &files);

bool IsProductDownloaded(const ProductFiles &files);

// Fetches the product into its temporary file, resuming a partial one; sets
// the progress of the transfer. False when nothing usable arrived; a partial
// file stays for the next run.
bool TransferProduct(FtpSession *session, const ProductFiles &files, FtpStatusCallback callback,
                     DownloadProgress &progress);

// Moves the temporary file into the downloads folder under the final name:
// renamed, or where that fails copied into a provisional name that is
// renamed at the end. False when it did not arrive whole; then no final file
// exists and the temporary file stays.
bool FinishProduct(const ProductFiles &files);

// The copy that FinishProduct falls back on; exposed for its tests.
bool CopyIntoPlace(const char *source, const char *destination);

#endif

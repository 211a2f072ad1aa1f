// One product's way from the server into the downloads folder: its names from
// the file list, the transfer into the components folder (fresh, or resumed
// from a partial file), and the move of the finished file.
#ifndef DOWNLOAD_PRODUCT_TRANSFER_H
#define DOWNLOAD_PRODUCT_TRANSFER_H

#include "download/download_progress.h"
#include "download/transfer_outcome.h"
#include "hash/sha256.h"
#include "sapi/sapi.h"
#include "wizard/wizard_state.h"

#include <stdio.h>

struct ProductFiles {
    char finalName[kWizardTextSize]; // in downloads, and the name on the server
    char tempName[kWizardTextSize];  // in components while it arrives
    long long statedSize;
    bool verified;       // the catalogue gives the installer's SHA-256 ...
    Sha256Digest sha256; // ... this one
};

// Reads the product's FILENAME, TEMPNAME and FILESIZE keys, and SHA256 where
// it is given. False when one of the first three is missing, a name would
// leave its folder, or SHA256 is there but not 64 hexadecimal digits.
bool ReadProductFiles(FILE *fileList, int product, ProductFiles &files);

// The hashProgress functions below are called between the blocks of an
// installer being hashed, with the run's progress as context; non-zero stops
// the hashing. A window pumps its messages there, as in the transfer's
// callback, so that a large installer does not freeze it.

enum class InstallerState {
    kMissing,  // nothing in the downloads folder, or a file that fails its check
    kInPlace,  // there, and whole as far as the catalogue can tell
    kStopped,  // the check was stopped
};

// Whether the product's installer is in the downloads folder: there at all
// for a product without SHA256, else there with that digest.
InstallerState CheckDownloadedInstaller(const ProductFiles &files, HashProgress hashProgress,
                                        DownloadProgress &progress);

// Fetches the product into its temporary file, resuming a partial one, and
// checks it against the catalogue's SHA256: a resumed file that fails gets
// one fresh download, a fresh one that fails is deleted. First makes sure
// that the disk holding the working folder has room for the rest of the
// file. Sets the progress of the transfer. Says why no whole installer
// arrived; a partial or unchecked file stays for the next run. A product
// without SHA256 whose transfer ends short of FILESIZE counts as cut.
TransferResult TransferProduct(FtpSession *session, const ProductFiles &files, FtpStatusCallback callback,
                               HashProgress hashProgress, DownloadProgress &progress);

// The size of the product's temporary file, -1 when there is none.
long long PartialFileSize(const ProductFiles &files);

// Moves the temporary file into the downloads folder under the final name,
// in place of a file there that failed its check: renamed, or where that
// fails copied into a provisional name that is renamed at the end. False
// when it did not arrive whole; then the temporary file stays.
bool FinishProduct(const ProductFiles &files);

// The copy that FinishProduct falls back on; exposed for its tests.
bool CopyIntoPlace(const char *source, const char *destination);

#endif

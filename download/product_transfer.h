// One product's way from its source into the downloads folder: the transfer
// into the components folder (fresh, or resumed from a partial file), its
// check, and the move of the finished file.
#ifndef DOWNLOAD_PRODUCT_TRANSFER_H
#define DOWNLOAD_PRODUCT_TRANSFER_H

#include "download/download_progress.h"
#include "download/installer_source.h"
#include "download/product_files.h"
#include "download/transfer_outcome.h"
#include "hash/sha256.h"

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

// Fetches the product from source into its temporary file, resuming a partial one, and
// checks it against the catalogue's SHA256: a resumed file that fails gets
// one fresh download, a fresh one that fails is deleted. First makes sure
// that the disk holding the working folder has room for the rest of the
// file. Sets the progress of the transfer. Says why no whole installer
// arrived; a partial or unchecked file stays for the next run. A product
// without SHA256 whose transfer ends short of FILESIZE counts as cut.
TransferResult TransferProduct(InstallerSource &source, const ProductFiles &files, HashProgress hashProgress,
                               DownloadProgress &progress);

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

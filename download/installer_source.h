// Where a product's installer comes from, as the engine sees it: the
// vendor's FTP server (ftp_source.h) or an https:// address
// (https_source.h). The engine fetches through this alone, so that resume,
// checks, retries and failure boxes are one for both.
#ifndef DOWNLOAD_INSTALLER_SOURCE_H
#define DOWNLOAD_INSTALLER_SOURCE_H

#include "download/product_files.h"
#include "download/transfer_outcome.h"

struct SourceTransfer {
    // kDone when the transfer ended in good order, with or without new bytes.
    TransferResult result;
    long long received; // the bytes added to the file
    // The partial file cannot be continued (the server will not restart, or
    // the file changed there): it is to be fetched from its start.
    bool resumeRefused;
};

class InstallerSource {
public:
    virtual ~InstallerSource() = default;
    // Fetches the installer into tempPath: the whole of it when partialSize
    // is 0 (what the file held is replaced), else what follows the
    // partialSize bytes that the file holds.
    virtual SourceTransfer Fetch(const ProductFiles &files, const char *tempPath, long long partialSize) = 0;
    // After a failed try: the next one starts on a new connection.
    virtual void Reset() = 0;
};

#endif

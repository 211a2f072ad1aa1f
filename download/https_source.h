// Installers from an https:// address, resumed across runs: the validator of
// the server's first answer (its ETag, else its Last-Modified) is kept in a
// file beside the partial one and sent as If-Range, so that a partial file
// of an older build is never continued with the bytes of a new one. Large
// files come in ranges, since Windows' HTTP stack ends a body after 2 GiB.
#ifndef DOWNLOAD_HTTPS_SOURCE_H
#define DOWNLOAD_HTTPS_SOURCE_H

#include "download/installer_source.h"
#include "https/https_client.h"

// The largest range asked for in one request.
const long long kLargestRange = 1LL << 30;

class HttpsSource : public InstallerSource {
public:
    // trustedCaFile: the PEM file of the one trusted root; null or empty
    // for the system's roots. It is read at each fetch.
    HttpsSource(https::StatusCallback callback, const char *trustedCaFile, long long rangeSize = kLargestRange)
        : callback(callback), trustedCaFile(trustedCaFile), rangeSize(rangeSize)
    {
    }

    // From files.source, reporting "<finalName>: N bytes retrieved".
    SourceTransfer Fetch(const ProductFiles &files, const char *tempPath, long long partialSize) override;
    // Every request starts on a connection of its own.
    void Reset() override {}

private:
    https::StatusCallback callback;
    const char *trustedCaFile;
    long long rangeSize;
};

// Removes the validator kept beside the temporary file tempPath, as the
// file is finished.
void RemoveValidator(const char *tempPath);

#endif

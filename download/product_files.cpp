#include "download/product_files.h"

#include "wizard/file_list.h"
#include "wizard/server_address.h"

#include <stdlib.h>

namespace {

// The product's SOURCE, else the installer's name under the vendor's web
// server when the wizard has one (false when that address does not fit).
bool ReadSource(FILE *fileList, int product, ProductFiles &files)
{
    switch (ReadProductKeyValue(fileList, product, "SOURCE", files.source)) {
    case KeyValue::kRead:
        return true;
    case KeyValue::kAbsent:
        files.source[0] = '\0';
        return wizardState.serverUrl[0] == '\0' ||
               ServerAddress(files.finalName, files.source, sizeof files.source);
    default:
        return false;
    }
}

} // namespace

bool ReadProductFiles(FILE *fileList, int product, ProductFiles &files)
{
    char size[kWizardTextSize];
    if (!ReadProductKey(fileList, product, "FILENAME", files.finalName) ||
        !ReadProductKey(fileList, product, "TEMPNAME", files.tempName) ||
        !ReadProductKey(fileList, product, "FILESIZE", size) || !ReadSource(fileList, product, files))
        return false;
    // As atoi reads it, in 64 bits: what does not start with digits is 0.
    files.statedSize = strtoll(size, nullptr, 10);
    char digest[kWizardTextSize];
    const KeyValue hash = ReadProductKeyValue(fileList, product, "SHA256", digest);
    files.verified = hash != KeyValue::kAbsent;
    if (files.verified && (hash != KeyValue::kRead || !ParseSha256Hex(digest, files.sha256)))
        return false;
    const KeyValue signer = ReadProductKeyValue(fileList, product, "SIGNER", files.signer);
    if (signer == KeyValue::kAbsent)
        files.signer[0] = '\0';
    else if (signer != KeyValue::kRead)
        return false;
    return IsSafeFileName(files.finalName) && IsSafeFileName(files.tempName);
}

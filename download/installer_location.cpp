#include "download/installer_location.h"

#include "wizard/file_list.h"

#include <string.h>

unsigned FindProductNumber(const StringList &productIds, const char *name)
{
    const int found = productIds.Find(name);
    return found >= 0 ? static_cast<unsigned>(found) : productIds.Count();
}

bool ReadInstallerName(FILE *fileList, unsigned product, char *fileName)
{
    rewind(fileList);
    return ReadProductKey(fileList, static_cast<int>(product), "FILENAME", fileName) &&
           IsSafeFileName(fileName);
}

void ReadInstallerSigner(FILE *fileList, unsigned product, char *signer)
{
    rewind(fileList);
    if (ReadProductKeyValue(fileList, static_cast<int>(product), "SIGNER", signer) != KeyValue::kRead)
        signer[0] = '\0';
}

void LocateMessage(const char *displayName, const char *installRoot, const char *fileName, char *out)
{
    snprintf(out, kLocateMessageSize,
             "\"%.255s\" can be found at the following location:\n\n%.255s\\Downloads\\%.255s",
             displayName, installRoot, fileName);
}

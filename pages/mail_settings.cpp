#include "pages/mail_settings.h"

#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <string.h>

const char *const kAccountManagerKeys[2] = {
    "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts",
    "Software\\Microsoft\\Internet Account Manager\\Accounts",
};
const char kAccountAddressValue[] = "SMTP Email Address";

namespace {

const char kReturnAddressKey[] = "ReturnAddress=";

// Reads one line, without its line end, into line; the rest of a line too
// long for the buffer is skipped, so that it is not taken for a line of its own.
bool ReadLine(FILE *file, char *line)
{
    if (fgets(line, kMailTextSize, file) == nullptr)
        return false;
    const size_t length = strlen(line);
    if (length > 0 && line[length - 1] == '\n') {
        line[length - 1] = '\0';
        if (length > 1 && line[length - 2] == '\r')
            line[length - 2] = '\0';
        return true;
    }
    int c;
    while ((c = fgetc(file)) != EOF && c != '\n') {
    }
    return true;
}

} // namespace

void AccountKeyName(const char *manager, int number, char *out)
{
    snprintf(out, 256, "%s\\%08d", manager, number);
}

void MailSettingsPaths(const char *installRoot, const char *userName, char (*paths)[256])
{
    // The drive root: up to and including the first backslash.
    const char *backslash = strchr(installRoot, '\\');
    const int rootLength = backslash != nullptr ? static_cast<int>(backslash - installRoot + 1)
                                                : static_cast<int>(strlen(installRoot));
    char root[kWizardTextSize];
    FormatPath(root, "%.*s", rootLength, installRoot);
    FormatPath(paths[0], "%sDocuments and Settings\\%s\\Application Data\\Qualcomm\\Eudora\\Eudora.ini",
               root, userName);
    FormatPath(paths[1], "%sProgram Files\\Qualcomm\\Eudora\\Eudora.ini", root);
}

bool ReadReturnAddress(FILE *settings, char *address)
{
    char line[kMailTextSize];
    const size_t keyLength = sizeof kReturnAddressKey - 1;
    while (ReadLine(settings, line)) {
        if (strncmp(line, kReturnAddressKey, keyLength) == 0) {
            memmove(address, line + keyLength, strlen(line + keyLength) + 1);
            return true;
        }
    }
    return false;
}

void AddCandidate(StringList &candidates, const char *address)
{
    if (candidates.Find(address) < 0)
        candidates.Add(address);
}

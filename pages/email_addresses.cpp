#include "pages/email_addresses.h"

#include "pages/mail_settings.h"
#include "wizard/wizard_state.h"

#include <windows.h>

#include <stdio.h>

namespace {

// The account's address, whatever type the value has; false when there is none.
bool ReadAccountAddress(HKEY key, char *address)
{
    DWORD size = kMailTextSize - 1; // room for a NUL the registry need not have stored
    if (RegQueryValueExA(key, kAccountAddressValue, nullptr, nullptr, reinterpret_cast<BYTE *>(address),
                         &size) != ERROR_SUCCESS)
        return false;
    address[size] = '\0';
    return true;
}

void AddAccountAddresses(const char *manager, StringList &candidates)
{
    for (int number = 0; number < kMailAccountKeys; ++number) {
        char keyName[kWizardTextSize];
        AccountKeyName(manager, number, keyName);
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        char address[kMailTextSize];
        const bool found = ReadAccountAddress(key, address);
        RegCloseKey(key);
        if (found)
            AddCandidate(candidates, address);
    }
}

void AddReturnAddress(const char *settingsPath, StringList &candidates)
{
    FILE *settings = fopen(settingsPath, "r");
    if (settings == nullptr)
        return;
    char address[kMailTextSize];
    if (ReadReturnAddress(settings, address))
        AddCandidate(candidates, address);
    fclose(settings);
}

} // namespace

void FindEmailAddresses(StringList &candidates)
{
    candidates.Clear();
    for (const char *manager : kAccountManagerKeys)
        AddAccountAddresses(manager, candidates);
    char userName[kWizardTextSize] = "";
    DWORD userNameSize = sizeof userName;
    if (!GetUserNameA(userName, &userNameSize))
        userName[0] = '\0';
    char settingsPaths[2][256];
    MailSettingsPaths(wizardState.installRoot, userName, settingsPaths);
    for (const char *path : settingsPaths) {
        if (path[0] != '\0')
            AddReturnAddress(path, candidates);
    }
}

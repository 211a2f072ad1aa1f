#include "app/user_details.h"

#include "app/startup_rules.h"
#include "pages/email_addresses.h"
#include "sapi/bounded_copy.h"
#include "wizard/wizard_state.h"

#include <windows.h>

#include <initializer_list>
#include <string.h>

namespace {

void ResetUserDetails()
{
    memset(wizardState.selected, 0, wizardState.productIds.Count());
    for (char *field : {wizardState.userName, wizardState.email, wizardState.address,
                        wizardState.city, wizardState.state, wizardState.postal,
                        wizardState.country, wizardState.phone})
        field[0] = '\0';
}

// An owner stored as REG_EXPAND_SZ names variables ("%USERNAME%") to be
// replaced. An expansion longer than the name's buffer gives no name at all:
// a name cut somewhere inside a variable's text would be prefilled wrong, and
// an empty box asks the user for it.
void ExpandOwner(const char *value, char *userName)
{
    char expanded[kWizardTextSize];
    const DWORD needed = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
    if (needed != 0 && needed <= sizeof expanded)
        CopyBoundedText(userName, kWizardTextSize, expanded);
}

// Empty when the system keeps no owner where this version of Windows does.
void ReadRegisteredOwner(char *userName)
{
    const char *keyName = RegisteredOwnerKey(wizardState.osCode);
    HKEY key;
    if (keyName == nullptr || RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    char value[kWizardTextSize];
    DWORD type = 0;
    // One byte kept back for a NUL that the registry need not have stored.
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(key, "RegisteredOwner", nullptr, &type, reinterpret_cast<BYTE *>(value), &size) ==
        ERROR_SUCCESS) {
        value[size] = '\0';
        if (type == REG_SZ)
            CopyBoundedText(userName, kWizardTextSize, value);
        else if (type == REG_EXPAND_SZ)
            ExpandOwner(value, userName);
    }
    RegCloseKey(key);
}

void ReadDefaultCountry(char *country)
{
    if (GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SNATIVECTRYNAME, country, kWizardTextSize) == 0)
        country[0] = '\0';
}

} // namespace

void PrepareUserDetails()
{
    ResetUserDetails();
    ReadRegisteredOwner(wizardState.userName);
    FindEmailAddresses(wizardState.emailCandidates);
    ReadDefaultCountry(wizardState.country);
}

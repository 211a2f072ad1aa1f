#include "app/working_folder.h"

#include "app/startup_rules.h"
#include "sapi/bounded_copy.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <windows.h>

#include <direct.h>
#include <initializer_list>

namespace {

// Folders that exist already are fine: results are not looked at.
void CreateFolders(const char *vendorFolder, const char *root)
{
    _mkdir(vendorFolder);
    _mkdir(root);
    char folder[kWizardTextSize];
    for (const char *name : {"components", "downloads", "bitmaps"}) {
        FormatPath(folder, "%s\\%s", root, name);
        _mkdir(folder);
    }
}

// A file that the system deletes on closing proves the folder writable
// without leaving anything behind.
bool CanWriteIn(const char *folder)
{
    char probe[kWizardTextSize];
    FormatPath(probe, "%s\\vok-write-check.tmp", folder);
    HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// The variable in the process's code page; false when it is unset or its
// text does not fit. Read wide: Wine's GetEnvironmentVariableA cuts a value
// to its length in UTF-16 units, which loses the end of a UTF-8 path.
bool ReadLocalAppData(char *localAppData)
{
    wchar_t wide[kWizardTextSize];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", wide, kWizardTextSize);
    return length != 0 && length < kWizardTextSize &&
           WideCharToMultiByte(CP_ACP, 0, wide, -1, localAppData, kWizardTextSize, nullptr, nullptr) > 0;
}

// Leaves installRoot as it is when that folder cannot be written either.
void UseLocalAppDataFolder()
{
    char localAppData[kWizardTextSize];
    if (!ReadLocalAppData(localAppData))
        return;
    char vendorFolder[kWizardTextSize];
    char root[kWizardTextSize];
    FormatPath(vendorFolder, "%s\\Orvane", localAppData);
    FormatPath(root, "%s\\Orvane\\vok", localAppData);
    CreateFolders(vendorFolder, root);
    if (CanWriteIn(root))
        CopyBoundedText(wizardState.installRoot, kWizardTextSize, root);
}

} // namespace

void PrepareWorkingFolder()
{
    char windowsDirectory[kWizardTextSize] = "";
    GetWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory);
    char vendorFolder[kWizardTextSize];
    VendorFolderFor(windowsDirectory, vendorFolder);
    InstallRootFor(windowsDirectory, wizardState.installRoot);
    CreateFolders(vendorFolder, wizardState.installRoot);
    if (!CanWriteIn(wizardState.installRoot))
        UseLocalAppDataFolder();
}

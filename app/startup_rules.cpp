#include "app/startup_rules.h"

#include "sapi/bounded_copy.h"
#include "wizard/wizard_state.h"

#include <stdio.h>
#include <string.h>

void FirstFileArgument(int argc, const char *const *argv, char *out)
{
    out[0] = '\0';
    for (int index = 1; index < argc; ++index) {
        const char first = argv[index][0];
        if (first != '-' && first != '/') {
            CopyBoundedText(out, kWizardTextSize, argv[index]);
            return;
        }
    }
}

namespace {

// Only the drive of the Windows directory counts: "C:\WINDOWS" gives "C:".
void FormatOnWindowsDrive(const char *windowsDirectory, const char *folder, char *out)
{
    const size_t driveLength = strcspn(windowsDirectory, "\\");
    snprintf(out, kWizardTextSize, "%.*s%s", static_cast<int>(driveLength), windowsDirectory,
             folder);
}

} // namespace

void VendorFolderFor(const char *windowsDirectory, char *out)
{
    FormatOnWindowsDrive(windowsDirectory, "\\Program Files\\Orvane", out);
}

void InstallRootFor(const char *windowsDirectory, char *out)
{
    FormatOnWindowsDrive(windowsDirectory, "\\Program Files\\Orvane\\vok", out);
}

int OsCodeFor(unsigned platform, unsigned major, unsigned minor)
{
    switch (platform) {
    case 0: // Win32s
        return 0;
    case 1: // Windows 95, 98 and Me
        if (minor == 0)
            return 1;
        if (minor == 10)
            return 2;
        return minor == 90 ? 3 : kOsCodeUnknown;
    case 2: // Windows NT
        if (major == 3)
            return 4;
        if (major == 4)
            return 5;
        if (major == 5)
            return 6;
        return minor == 1 ? 7 : kOsCodeUnknown;
    default:
        return kOsCodeUnknown;
    }
}

const char *RegisteredOwnerKey(int osCode)
{
    switch (osCode) {
    case 2:
    case 3:
        return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    case 4:
    case 5:
    case 6:
    case 7:
        return "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    default:
        return nullptr;
    }
}

// Before windows.h, which the other headers bring in.
#include <winsock2.h>

#include "app/wizard_app.h"

#include "app/server_settings.h"
#include "app/startup_rules.h"
#include "app/welcome_dlg.h"
#include "app/working_folder.h"
#include "wizard/wizard_state.h"

#include <stdlib.h>

static_assert(sizeof(OSVERSIONINFOA) == 148, "the ANSI version record");

CWizardApp theApp;

namespace {

const WORD kWinsockVersion = MAKEWORD(1, 1);

int WindowsVersionCode()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return kOsCodeUnknown;
    return OsCodeFor(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
}

} // namespace

BOOL CWizardApp::InitInstance()
{
    FirstFileArgument(__argc, __argv, wizardState.commandLine);
    PrepareWorkingFolder();
    wizardState.osCode = WindowsVersionCode();
    FillServerSettings();

    // Without Windows Sockets 1.1 the program ends at once, without a word.
    WSADATA winsock;
    if (WSAStartup(kWinsockVersion, &winsock) != 0)
        return TRUE;
    if (winsock.wVersion != kWinsockVersion) {
        WSACleanup();
        return TRUE;
    }

    CWelcomeDlg welcome;
    mainWindow = &welcome;
    welcome.DoModal();
    mainWindow = nullptr;
    RemoveTrustedCaFile();
    WSACleanup();
    return FALSE;
}

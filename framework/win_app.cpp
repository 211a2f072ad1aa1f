#include "framework/win_app.h"

#include "framework/dialog.h"

#include <commctrl.h>

namespace {
CWinApp *currentApp = nullptr;
}

CWinApp::CWinApp(const char *appName) : appName(appName)
{
    currentApp = this;
}

CWinApp::~CWinApp()
{
    currentApp = nullptr;
}

CWinApp *CWinApp::Current()
{
    return currentApp;
}

HWND CWinApp::TopWindow() const
{
    if (mainWindow == nullptr || mainWindow->GetSafeHwnd() == nullptr)
        return nullptr;
    return GetLastActivePopup(mainWindow->GetSafeHwnd());
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (currentApp == nullptr)
        return 1;
    // Dialog templates name the common controls' classes (the progress bar).
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    currentApp->InitInstance();
    return 0;
}

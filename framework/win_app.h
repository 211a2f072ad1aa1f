// The application object: exactly one per program, a global built before
// WinMain, which calls its InitInstance.
#ifndef FRAMEWORK_WIN_APP_H
#define FRAMEWORK_WIN_APP_H

#include <windows.h>

class CDialog;

class CWinApp {
public:
    explicit CWinApp(const char *appName);
    virtual ~CWinApp();
    CWinApp(const CWinApp &) = delete;
    CWinApp &operator=(const CWinApp &) = delete;

    // The program's whole run. Its windows are modal, so when it returns no
    // window is left to run a message loop for, whatever the result.
    virtual BOOL InitInstance() = 0;

    // The application object, or null in a program that has none (tests).
    static CWinApp *Current();
    // The caption of the program's message boxes.
    const char *AppName() const { return appName; }

    // The dialog whose modal loop runs the program; its pages and boxes sit
    // above it.
    CDialog *mainWindow = nullptr;

    // The wizard window on top (the main window's last active popup, or the
    // main window itself), which owns every dialog and message box built
    // without a parent, so that the window beneath it is disabled. Null
    // while the main window is not up.
    HWND TopWindow() const;

private:
    const char *appName;
};

#endif

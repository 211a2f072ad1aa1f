#include "framework/message_box.h"

#include "framework/dialog.h"
#include "framework/win_app.h"

namespace {
MessageBoxHook messageBoxHook = nullptr;

// The dialog on top: while a page runs, the main window's last active popup.
HWND MessageBoxOwner(const CWinApp *app)
{
    if (app != nullptr && app->mainWindow != nullptr && app->mainWindow->GetSafeHwnd() != nullptr)
        return GetLastActivePopup(app->mainWindow->GetSafeHwnd());
    return GetActiveWindow();
}
}

int AfxMessageBox(const char *text, UINT type)
{
    if (messageBoxHook != nullptr)
        return messageBoxHook(text, type);
    const CWinApp *app = CWinApp::Current();
    return MessageBoxA(MessageBoxOwner(app), text, app != nullptr ? app->AppName() : "", type);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook previous = messageBoxHook;
    messageBoxHook = hook;
    return previous;
}

#include "framework/message_box.h"

#include "framework/win_app.h"

namespace {
MessageBoxHook messageBoxHook = nullptr;

HWND MessageBoxOwner(const CWinApp *app)
{
    HWND top = app != nullptr ? app->TopWindow() : nullptr;
    return top != nullptr ? top : GetActiveWindow();
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

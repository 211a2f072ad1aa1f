#include "tools/robot/dialogs.h"

#include <string.h>

namespace {

bool IsDialog(HWND window)
{
    char className[16];
    return GetClassNameA(window, className, sizeof className) > 0 &&
           strcmp(className, "#32770") == 0;
}

BOOL CALLBACK CollectVisibleDialog(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && IsDialog(window))
        reinterpret_cast<std::vector<HWND> *>(found)->push_back(window);
    return TRUE;
}

bool HasClass(HWND window, const char *wanted)
{
    char className[32];
    return GetClassNameA(window, className, sizeof className) > 0 &&
           _stricmp(className, wanted) == 0;
}

bool IsStandardButtonId(int id)
{
    return id >= IDOK && id <= IDCONTINUE;
}

bool LooksLikeMessageBox(HWND dialog)
{
    if (!IsWindowEnabled(dialog))
        return false;
    bool hasButton = false;
    for (HWND child : Children(dialog)) {
        if (HasClass(child, "Button") && IsStandardButtonId(GetDlgCtrlID(child)))
            hasButton = true;
        else if (!HasClass(child, "Static"))
            return false;
    }
    return hasButton && !MessageBoxText(dialog).empty();
}

} // namespace

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[1024];
    int length = GetWindowTextW(window, text, sizeof text / sizeof text[0]);
    return std::wstring(text, length > 0 ? length : 0);
}

std::vector<HWND> VisibleDialogs()
{
    std::vector<HWND> dialogs;
    EnumWindows(CollectVisibleDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

HWND FindDialogHolding(int controlId, Reach reach)
{
    for (HWND dialog : VisibleDialogs()) {
        if (reach == Reach::Usable && !IsWindowEnabled(dialog))
            continue;
        if (GetDlgItem(dialog, controlId))
            return dialog;
    }
    return nullptr;
}

HWND FindMessageBox()
{
    for (HWND dialog : VisibleDialogs()) {
        if (LooksLikeMessageBox(dialog))
            return dialog;
    }
    return nullptr;
}

std::wstring MessageBoxText(HWND messageBox)
{
    std::wstring text;
    for (HWND child : Children(messageBox)) {
        if (!HasClass(child, "Static"))
            continue;
        std::wstring line = WindowText(child);
        if (line.empty())
            continue;
        if (!text.empty())
            text += L'\n';
        text += line;
    }
    return text;
}

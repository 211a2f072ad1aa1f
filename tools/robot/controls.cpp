#include "tools/robot/controls.h"

#include <commctrl.h>

#include "tools/robot/waiting.h"

namespace {

// One message that waits for the program's answer, within timeoutMs.
bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned timeoutMs,
         LRESULT *answer)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs,
                             &result))
        return false;
    *answer = static_cast<LRESULT>(result);
    return true;
}

bool ReadListEntry(HWND list, int index, unsigned timeoutMs, std::wstring *entry)
{
    LRESULT length = 0;
    if (!Ask(list, LB_GETTEXTLEN, index, 0, timeoutMs, &length) || length == LB_ERR)
        return false;
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&buffer[0]), timeoutMs, &copied) ||
        copied == LB_ERR)
        return false;
    entry->assign(buffer.c_str(), static_cast<size_t>(copied));
    return true;
}

// The dialog's WM_COMMAND for a notification from control.
void Notify(HWND control, WORD code)
{
    WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(control), code);
    PostMessageW(GetParent(control), WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control));
}

void PressKey(HWND window, UINT virtualKey)
{
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

} // namespace

bool ReadText(HWND control, unsigned timeoutMs, std::wstring *text)
{
    LRESULT length = 0;
    if (!Ask(control, WM_GETTEXTLENGTH, 0, 0, timeoutMs, &length))
        return false;
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]), timeoutMs,
             &copied))
        return false;
    text->assign(buffer.c_str(), static_cast<size_t>(copied));
    return true;
}

bool ReadListCount(HWND list, unsigned timeoutMs, int *count)
{
    LRESULT answer = 0;
    if (!Ask(list, LB_GETCOUNT, 0, 0, timeoutMs, &answer) || answer == LB_ERR)
        return false;
    *count = static_cast<int>(answer);
    return true;
}

bool ReadListEntries(HWND list, unsigned timeoutMs, std::vector<std::wstring> *entries)
{
    int count = 0;
    if (!ReadListCount(list, timeoutMs, &count))
        return false;
    entries->clear();
    for (int index = 0; index < count; ++index) {
        std::wstring entry;
        if (!ReadListEntry(list, index, timeoutMs, &entry))
            return false;
        entries->push_back(entry);
    }
    return true;
}

bool ReadListSelection(HWND list, unsigned timeoutMs, int *index)
{
    LRESULT selection = 0;
    if (!Ask(list, LB_GETCURSEL, 0, 0, timeoutMs, &selection))
        return false;
    *index = static_cast<int>(selection);
    return true;
}

bool ReadProgressPosition(HWND bar, unsigned timeoutMs, int *position)
{
    LRESULT answer = 0;
    if (!Ask(bar, PBM_GETPOS, 0, 0, timeoutMs, &answer))
        return false;
    *position = static_cast<int>(answer);
    return true;
}

bool ReadTick(HWND list, int index, unsigned timeoutMs, bool *ticked)
{
    LRESULT data = 0;
    if (!Ask(list, LB_GETITEMDATA, index, 0, timeoutMs, &data) || data == LB_ERR)
        return false;
    *ticked = data == 1;
    return true;
}

void PressButton(HWND button)
{
    Notify(button, BN_CLICKED);
}

void CloseDialog(HWND dialog)
{
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool ClickWithMouse(HWND window)
{
    RECT bounds;
    if (!GetWindowRect(window, &bounds) ||
        !SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2))
        return false;
    INPUT clicks[2] = {};
    clicks[0].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].type = INPUT_MOUSE;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, clicks, sizeof clicks[0]) == 2;
}

bool TypeText(HWND edit, const std::wstring &text, unsigned timeoutMs)
{
    Deadline deadline(timeoutMs / 1000.0);
    LRESULT ignored = 0;
    if (!Ask(edit, EM_SETSEL, 0, -1, timeoutMs, &ignored))
        return false;
    PressKey(edit, VK_DELETE);
    for (wchar_t character : text)
        PostMessageW(edit, WM_CHAR, character, 1);
    return WaitUntil(deadline, [&] {
        std::wstring typed;
        return ReadText(edit, deadline.RemainingMs(), &typed) && typed == text;
    });
}

bool SelectEntry(HWND list, int index, unsigned timeoutMs)
{
    LRESULT answer = 0;
    if (!Ask(list, LB_SETCURSEL, index, 0, timeoutMs, &answer) || answer == LB_ERR)
        return false;
    Notify(list, LBN_SELCHANGE);
    int selection = -1;
    return ReadListSelection(list, timeoutMs, &selection) && selection == index;
}

bool SetTick(HWND list, int index, bool ticked, unsigned timeoutMs)
{
    Deadline deadline(timeoutMs / 1000.0);
    bool current = false;
    if (!SelectEntry(list, index, timeoutMs) || !ReadTick(list, index, timeoutMs, &current))
        return false;
    if (current != ticked)
        PressKey(list, VK_SPACE);
    return WaitUntil(deadline, [&] {
        return ReadTick(list, index, deadline.RemainingMs(), &current) && current == ticked;
    });
}

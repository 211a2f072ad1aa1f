#include <stdio.h>

#include "tools/robot/command_handlers.h"
#include "tools/robot/controls.h"
#include "tools/robot/screenshot.h"

namespace {

// Lets the program finish painting a window that has just appeared.
const DWORD kPaintSettleMs = 300;

bool Unanswered(const Request &request)
{
    return Fail("control %d did not answer", request.controlId);
}

// Waits for the control and prints the one number that read takes from it.
bool PrintNumberOf(const Request &request, bool (*read)(HWND, unsigned, int *))
{
    HWND control = WaitForControl(request, Reach::Visible);
    if (!control)
        return false;
    int number = 0;
    if (!read(control, request.deadline.RemainingMs(), &number))
        return Unanswered(request);
    printf("%d\n", number);
    return true;
}

} // namespace

bool ReadTextCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Visible);
    if (!control)
        return false;
    std::wstring text;
    if (!ReadText(control, request.deadline.RemainingMs(), &text))
        return Unanswered(request);
    return PrintLine(text);
}

bool ReadEnabledCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Visible);
    if (!control)
        return false;
    printf("%d\n", IsWindowEnabled(GetParent(control)) ? 1 : 0);
    return true;
}

bool ReadListCommand(const Request &request)
{
    HWND list = WaitForControl(request, Reach::Visible);
    if (!list)
        return false;
    std::vector<std::wstring> entries;
    if (!ReadListEntries(list, request.deadline.RemainingMs(), &entries))
        return Unanswered(request);
    for (const std::wstring &entry : entries)
        PrintLine(entry);
    return true;
}

bool ReadSelectionCommand(const Request &request)
{
    return PrintNumberOf(request, ReadListSelection);
}

bool ReadFocusCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Visible);
    if (!control)
        return false;
    // GetFocus sees only the robot's own thread; the program's thread is
    // asked for its focus by its id.
    HWND dialog = GetParent(control);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread))
        return Fail("the focus of control %d's dialog could not be read", request.controlId);
    const bool inDialog = thread.hwndFocus != nullptr && IsChild(dialog, thread.hwndFocus);
    printf("%d\n", inDialog ? GetDlgCtrlID(thread.hwndFocus) : 0);
    return true;
}

bool ReadTicksCommand(const Request &request)
{
    HWND list = WaitForControl(request, Reach::Visible);
    if (!list)
        return false;
    int count = 0;
    if (!ReadListCount(list, request.deadline.RemainingMs(), &count))
        return Unanswered(request);
    for (int index = 0; index < count; ++index) {
        bool ticked = false;
        if (!ReadTick(list, index, request.deadline.RemainingMs(), &ticked))
            return Unanswered(request);
        printf("%d\n", ticked ? 1 : 0);
    }
    return true;
}

bool ReadProgressCommand(const Request &request)
{
    return PrintNumberOf(request, ReadProgressPosition);
}

bool ScreenshotCommand(const Request &request)
{
    RECT area = {};
    bool found = WaitUntil(request.deadline, [&] {
        for (HWND dialog : VisibleDialogs()) {
            RECT bounds;
            GetWindowRect(dialog, &bounds);
            UnionRect(&area, &area, &bounds);
        }
        return !IsRectEmpty(&area);
    });
    if (!found)
        return Fail("no dialog to take a picture of");
    Sleep(kPaintSettleMs);
    if (!SaveScreenArea(area, request.arguments[0]))
        return Fail("could not save the picture as %s", request.arguments[0].c_str());
    printf("%s\n", request.arguments[0].c_str());
    return true;
}

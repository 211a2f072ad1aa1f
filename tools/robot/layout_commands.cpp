#include <stdio.h>

#include "tools/robot/command_handlers.h"

// Prints "dialog X Y WIDTH HEIGHT": where the client area lies in a picture
// of the whole window, and its size; then one line per child window: its id,
// class, style and rectangle in the client area's coordinates. All in the
// pixels of the screen.
bool ReadLayoutCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Visible);
    if (!control)
        return false;
    HWND dialog = GetParent(control);
    RECT window;
    GetWindowRect(dialog, &window);
    RECT client;
    GetClientRect(dialog, &client);
    POINT origin = {0, 0};
    ClientToScreen(dialog, &origin);
    printf("dialog %ld %ld %ld %ld\n", origin.x - window.left, origin.y - window.top, client.right,
           client.bottom);
    for (HWND child : Children(dialog)) {
        char className[64] = "";
        GetClassNameA(child, className, sizeof className);
        RECT bounds;
        GetWindowRect(child, &bounds);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&bounds), 2);
        printf("%d %s 0x%08lx %ld %ld %ld %ld\n", GetDlgCtrlID(child), className,
               static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)), bounds.left,
               bounds.top, bounds.right, bounds.bottom);
    }
    return true;
}

bool ReadItemHeightCommand(const Request &request)
{
    HWND list = WaitForControl(request, Reach::Visible);
    if (!list)
        return false;
    DWORD_PTR height = 0;
    if (!SendMessageTimeoutA(list, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG,
                            request.deadline.RemainingMs(), &height))
        return Fail("control %d did not answer", request.controlId);
    printf("%d\n", static_cast<int>(height));
    return true;
}

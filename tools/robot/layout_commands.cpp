#include <stdio.h>

#include "tools/robot/command_handlers.h"

// Prints the client size of the dialog holding the control, then one line per
// child window: its id, class, style and rectangle in the dialog's client
// coordinates, all in the pixels of the screen.
bool ReadLayoutCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Visible);
    if (!control)
        return false;
    HWND dialog = GetParent(control);
    RECT client;
    GetClientRect(dialog, &client);
    printf("client %ld %ld\n", client.right, client.bottom);
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

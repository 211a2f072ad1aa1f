#include <stdio.h>

#include "tools/robot/command_handlers.h"
#include "tools/robot/controls.h"
#include "tools/robot/text.h"

namespace {

// The list named by the request and the entry index of its second argument.
HWND WaitForListEntry(const Request &request, int *index)
{
    if (!EntryIndexArgument(request, index))
        return nullptr;
    return WaitForControl(request, Reach::Usable);
}

bool SetTickCommand(const Request &request, bool ticked)
{
    int index = 0;
    HWND list = WaitForListEntry(request, &index);
    if (!list)
        return false;
    if (!SetTick(list, index, ticked, request.deadline.RemainingMs()))
        return Fail("check list %d has no entry %d, or its tick did not change",
                    request.controlId, index);
    printf("%s %d\n", ticked ? "ticked" : "unticked", index);
    return true;
}

} // namespace

bool WaitDialogCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Usable);
    return control && PrintLine(WindowText(GetParent(control)));
}

bool ClickCommand(const Request &request)
{
    HWND button = WaitForControl(request, Reach::Usable);
    if (!button)
        return false;
    PressButton(button);
    printf("clicked %d\n", request.controlId);
    return true;
}

bool MouseClickCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Visible);
    if (!control)
        return false;
    if (!ClickWithMouse(control))
        return Fail("the system did not take the click on %d", request.controlId);
    printf("clicked on %d with the mouse\n", request.controlId);
    return true;
}

bool CloseCommand(const Request &request)
{
    HWND control = WaitForControl(request, Reach::Usable);
    if (!control)
        return false;
    CloseDialog(GetParent(control));
    printf("closed the dialog of %d\n", request.controlId);
    return true;
}

bool TypeCommand(const Request &request)
{
    HWND edit = WaitForControl(request, Reach::Usable);
    if (!edit)
        return false;
    if (!TypeText(edit, WideFromUtf8(request.arguments[1]), request.deadline.RemainingMs()))
        return Fail("edit box %d did not take the text", request.controlId);
    printf("typed into %d\n", request.controlId);
    return true;
}

bool SelectCommand(const Request &request)
{
    int index = 0;
    HWND list = WaitForListEntry(request, &index);
    if (!list)
        return false;
    if (!SelectEntry(list, index, request.deadline.RemainingMs()))
        return Fail("list %d has no entry %d", request.controlId, index);
    printf("selected %d\n", index);
    return true;
}

bool TickCommand(const Request &request)
{
    return SetTickCommand(request, true);
}

bool UntickCommand(const Request &request)
{
    return SetTickCommand(request, false);
}

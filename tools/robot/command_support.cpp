#include "tools/robot/command_support.h"

#include <stdarg.h>
#include <stdio.h>

#include "tools/robot/command_line.h"
#include "tools/robot/text.h"

bool Fail(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    fprintf(stderr, "robot: ");
    vfprintf(stderr, format, arguments);
    fprintf(stderr, "\n");
    va_end(arguments);
    return false;
}

HWND WaitForControl(const Request &request, Reach reach)
{
    HWND control = nullptr;
    bool ready = WaitUntil(request.deadline, [&] {
        HWND dialog = FindDialogHolding(request.controlId, reach);
        control = dialog ? GetDlgItem(dialog, request.controlId) : nullptr;
        return control && IsWindowVisible(control) &&
               (reach == Reach::Visible || IsWindowEnabled(control));
    });
    if (ready)
        return control;
    Fail("no dialog with %scontrol %d appeared", reach == Reach::Usable ? "enabled " : "",
         request.controlId);
    return nullptr;
}

bool EntryIndexArgument(const Request &request, int *index)
{
    if (ParseNumber(request.arguments[1], index) && *index >= 0)
        return true;
    return Fail("entry index must be a number of 0 or more");
}

bool PrintLine(const std::wstring &text)
{
    printf("%s\n", Utf8FromWide(text).c_str());
    return true;
}

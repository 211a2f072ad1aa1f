// What every robot command shares: its request, finding its control within
// the time limit, and the way it reports.
#ifndef ROBOT_COMMAND_SUPPORT_H
#define ROBOT_COMMAND_SUPPORT_H

#include <windows.h>

#include <string>
#include <vector>

#include "tools/robot/dialogs.h"
#include "tools/robot/waiting.h"

// What a command is given: its arguments, already counted, and its time limit.
struct Request {
    const std::vector<std::string> &arguments;
    const Deadline &deadline;
    int controlId;  // the first argument, for commands that name a control
};

// Writes "robot: " and the formatted reason to stderr; returns false.
bool Fail(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Waits for a dialog holding the request's control within reach (and, when
// it must be usable, for the control itself to be enabled). The control, or
// null after saying so.
HWND WaitForControl(const Request &request, Reach reach);

// The second argument as an entry index (0 or more), or false after saying so.
bool EntryIndexArgument(const Request &request, int *index);

// Writes text as a line of UTF-8; returns true.
bool PrintLine(const std::wstring &text);

#endif

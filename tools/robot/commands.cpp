#include "tools/robot/commands.h"

#include "tools/robot/command_handlers.h"

namespace {

const int kDone = 0;
const int kFailed = 1;
const int kBadUsage = 2;

struct Command {
    const char *name;
    const char *arguments;
    size_t argumentCount;
    bool namesControl;  // the first argument is a control id
    bool (*run)(const Request &request);
    const char *summary;
};

const Command kCommands[] = {
    {"wait-dialog", "ID", 1, true, WaitDialogCommand,
     "wait for an enabled dialog holding control ID; prints its caption"},
    {"click", "ID", 1, true, ClickCommand, "press button ID"},
    {"mouse-click", "ID", 1, true, MouseClickCommand,
     "click the middle of control ID with the mouse, even beneath a modal window"},
    {"close", "ID", 1, true, CloseCommand, "close the dialog holding control ID (close box)"},
    {"type", "ID TEXT", 2, true, TypeCommand, "replace the text of edit box ID by TEXT"},
    {"select", "ID INDEX", 2, true, SelectCommand,
     "highlight entry INDEX (from 0) of list box ID"},
    {"tick", "ID INDEX", 2, true, TickCommand, "tick entry INDEX of check list ID (space bar)"},
    {"untick", "ID INDEX", 2, true, UntickCommand, "untick entry INDEX of check list ID"},
    {"read-text", "ID", 1, true, ReadTextCommand, "print the text of control ID"},
    {"read-enabled", "ID", 1, true, ReadEnabledCommand,
     "print 1 when the dialog holding control ID takes input, else 0"},
    {"read-list", "ID", 1, true, ReadListCommand, "print the entries of list box ID, one a line"},
    {"read-selection", "ID", 1, true, ReadSelectionCommand,
     "print the index of list box ID's highlighted entry (-1: none)"},
    {"read-focus", "ID", 1, true, ReadFocusCommand,
     "print the id of the control with the keyboard focus in the dialog holding ID (0: none)"},
    {"read-ticks", "ID", 1, true, ReadTicksCommand,
     "print 1 (ticked) or 0 for each entry of check list ID"},
    {"read-progress", "ID", 1, true, ReadProgressCommand,
     "print the position of progress bar ID"},
    {"read-layout", "ID", 1, true, ReadLayoutCommand, "print where ID's dialog and its controls lie"},
    {"read-item-height", "ID", 1, true, ReadItemHeightCommand, "print the height of list ID's entries"},
    {"wait-message", "", 0, false, WaitMessageCommand, "wait for a message box; prints its text"},
    {"answer", "ok|cancel|yes|no|retry", 1, false, AnswerCommand,
     "press that button of the message box and wait for it to close"},
    {"screenshot", "FILE", 1, false, ScreenshotCommand,
     "save the screen area of the visible dialogs as a bitmap file"},
};

} // namespace

int RunCommand(const Invocation &invocation)
{
    for (const Command &command : kCommands) {
        if (invocation.command != command.name)
            continue;
        if (invocation.arguments.size() != command.argumentCount) {
            fprintf(stderr, "robot: usage: %s %s\n", command.name, command.arguments);
            return kBadUsage;
        }
        int controlId = 0;
        if (command.namesControl && !ParseNumber(invocation.arguments[0], &controlId)) {
            fprintf(stderr, "robot: control id must be a number\n");
            return kBadUsage;
        }
        Deadline deadline(invocation.timeoutSeconds);
        Request request{invocation.arguments, deadline, controlId};
        return command.run(request) ? kDone : kFailed;
    }
    fprintf(stderr, "robot: unknown command %s\n", invocation.command.c_str());
    return kBadUsage;
}

void PrintCommandSummary(FILE *out)
{
    for (const Command &command : kCommands)
        fprintf(out, "  %-14s %-17s %s\n", command.name, command.arguments, command.summary);
}

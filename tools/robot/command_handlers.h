// The robot's commands, one function each; commands.cpp maps their names to
// them. Each returns true when done, false after saying why not.
#ifndef ROBOT_COMMAND_HANDLERS_H
#define ROBOT_COMMAND_HANDLERS_H

#include "tools/robot/command_support.h"

// Acting on a dialog as a person would (acting_commands.cpp).
bool WaitDialogCommand(const Request &request);
bool ClickCommand(const Request &request);
bool MouseClickCommand(const Request &request);
bool CloseCommand(const Request &request);
bool TypeCommand(const Request &request);
bool SelectCommand(const Request &request);
bool TickCommand(const Request &request);
bool UntickCommand(const Request &request);

// Reading what a dialog shows (reading_commands.cpp).
bool ReadTextCommand(const Request &request);
bool ReadEnabledCommand(const Request &request);
bool ReadListCommand(const Request &request);
bool ReadSelectionCommand(const Request &request);
bool ReadFocusCommand(const Request &request);
bool ReadTicksCommand(const Request &request);
bool ReadProgressCommand(const Request &request);
bool ScreenshotCommand(const Request &request);

// Where a dialog's controls lie (layout_commands.cpp).
bool ReadLayoutCommand(const Request &request);
bool ReadItemHeightCommand(const Request &request);

// Message boxes (message_commands.cpp).
bool WaitMessageCommand(const Request &request);
bool AnswerCommand(const Request &request);

#endif

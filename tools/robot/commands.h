// The robot's commands: one action on the program's windows per run, each
// waiting for what it needs within the invocation's time limit.
#ifndef ROBOT_COMMANDS_H
#define ROBOT_COMMANDS_H

#include <stdio.h>

#include "tools/robot/command_line.h"

// Runs the command: its results go to stdout, failures to stderr. The
// process's exit code: 0 done, 1 failed or timed out, 2 bad usage.
int RunCommand(const Invocation &invocation);

void PrintCommandSummary(FILE *out);

#endif

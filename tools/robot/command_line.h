// The robot's command line: [--timeout SECONDS] COMMAND [ARGUMENT...].
#ifndef ROBOT_COMMAND_LINE_H
#define ROBOT_COMMAND_LINE_H

#include <string>
#include <vector>

struct Invocation {
    double timeoutSeconds = 10.0;
    std::string command;
    std::vector<std::string> arguments;
};

// The arguments, program name first. False, with the reason in error, for
// an unknown option or a missing command.
bool ParseCommandLine(const std::vector<std::string> &argv, Invocation *invocation, std::string *error);

// A whole decimal number (a control id, an entry index), or false.
bool ParseNumber(const std::string &text, int *number);

#endif

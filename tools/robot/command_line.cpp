#include "tools/robot/command_line.h"

#include <errno.h>
#include <stdlib.h>

bool ParseCommandLine(int argc, char **argv, Invocation *invocation, std::string *error)
{
    int next = 1;
    while (next < argc && argv[next][0] == '-' && argv[next][1] == '-') {
        std::string option = argv[next++];
        if (option != "--timeout" || next == argc) {
            *error = "unknown option or missing value: " + option;
            return false;
        }
        char *end = nullptr;
        invocation->timeoutSeconds = strtod(argv[next], &end);
        if (*end != '\0' || end == argv[next] || invocation->timeoutSeconds <= 0) {
            *error = std::string("not a number of seconds: ") + argv[next];
            return false;
        }
        ++next;
    }
    if (next == argc) {
        *error = "no command given";
        return false;
    }
    invocation->command = argv[next++];
    invocation->arguments.assign(argv + next, argv + argc);
    return true;
}

bool ParseNumber(const std::string &text, int *number)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    long value = strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || value < -2147483647L - 1 || value > 2147483647L)
        return false;
    *number = static_cast<int>(value);
    return true;
}

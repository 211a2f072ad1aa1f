#include "tools/robot/command_line.h"

#include <errno.h>
#include <stdlib.h>

bool ParseCommandLine(const std::vector<std::string> &argv, Invocation *invocation, std::string *error)
{
    const size_t argc = argv.size();
    size_t next = 1;
    while (next < argc && argv[next].compare(0, 2, "--") == 0) {
        const std::string &option = argv[next++];
        if (option != "--timeout" || next == argc) {
            *error = "unknown option or missing value: " + option;
            return false;
        }
        const char *seconds = argv[next].c_str();
        char *end = nullptr;
        invocation->timeoutSeconds = strtod(seconds, &end);
        if (*end != '\0' || end == seconds || invocation->timeoutSeconds <= 0) {
            *error = "not a number of seconds: " + argv[next];
            return false;
        }
        ++next;
    }
    if (next >= argc) {
        *error = "no command given";
        return false;
    }
    invocation->command = argv[next++];
    invocation->arguments.assign(argv.begin() + static_cast<long>(next), argv.end());
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

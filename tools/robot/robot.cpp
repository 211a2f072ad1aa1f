// robot.exe: works another program's dialogs as a person would, one action
// per run. Dialogs are found among the desktop's top-level windows by a
// control id they hold; message boxes by their shape.
//
//   robot.exe [--timeout SECONDS] COMMAND [ARGUMENT...]
//
// Every command waits up to the time limit (10 seconds unless given) for the
// window it needs. Results go to stdout; exit code 0 done, 1 failed or timed
// out, 2 bad usage.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <stdio.h>

#include "tools/robot/command_line.h"
#include "tools/robot/commands.h"
#include "tools/robot/text.h"

namespace {

// The arguments in UTF-8, read wide: the narrow ones come in the system's
// legacy code page, which cannot carry text typed in any script.
std::vector<std::string> Utf8Arguments()
{
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int n = 0; wide != nullptr && n < count; ++n)
        arguments.push_back(Utf8FromWide(wide[n]));
    LocalFree(wide);
    return arguments;
}

} // namespace

int main()
{
    // Plain line ends, so that callers on either system read the same text.
    _setmode(_fileno(stdout), _O_BINARY);
    Invocation invocation;
    std::string error;
    if (!ParseCommandLine(Utf8Arguments(), &invocation, &error)) {
        fprintf(stderr, "robot: %s\nusage: robot.exe [--timeout SECONDS] COMMAND [ARGUMENT...]\n",
                error.c_str());
        PrintCommandSummary(stderr);
        return 2;
    }
    int status = RunCommand(invocation);
    fflush(stdout);
    return status;
}

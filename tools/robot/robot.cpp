// robot.exe: works another program's dialogs as a person would, one action
// per run. Dialogs are found among the desktop's top-level windows by a
// control id they hold; message boxes by their shape.
//
//   robot.exe [--timeout SECONDS] COMMAND [ARGUMENT...]
//
// Every command waits up to the time limit (10 seconds unless given) for the
// window it needs. Results go to stdout; exit code 0 done, 1 failed or timed
// out, 2 bad usage.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include "tools/robot/command_line.h"
#include "tools/robot/commands.h"

int main(int argc, char **argv)
{
    // Plain line ends, so that callers on either system read the same text.
    _setmode(_fileno(stdout), _O_BINARY);
    Invocation invocation;
    std::string error;
    if (!ParseCommandLine(argc, argv, &invocation, &error)) {
        fprintf(stderr, "robot: %s\nusage: robot.exe [--timeout SECONDS] COMMAND [ARGUMENT...]\n",
                error.c_str());
        PrintCommandSummary(stderr);
        return 2;
    }
    int status = RunCommand(invocation);
    fflush(stdout);
    return status;
}

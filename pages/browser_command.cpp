#include "pages/browser_command.h"

#include "wizard/wizard_state.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

namespace {

const char *FindExeIgnoringCase(const char *text)
{
    for (const char *at = text; at[0] != '\0'; ++at) {
        if (at[0] == '.' && tolower(static_cast<unsigned char>(at[1])) == 'e' &&
            tolower(static_cast<unsigned char>(at[2])) == 'x' &&
            tolower(static_cast<unsigned char>(at[3])) == 'e')
            return at;
    }
    return nullptr;
}

} // namespace

bool BrowserProgramPath(const char *handlerCommand, char *program)
{
    const char *exe = FindExeIgnoringCase(handlerCommand);
    if (exe == nullptr)
        return false;
    const char *end = exe + 4;
    const char *start = exe;
    while (start > handlerCommand && start[-1] != '"')
        --start;
    size_t length = static_cast<size_t>(end - start);
    if (length >= kWizardTextSize)
        length = kWizardTextSize - 1;
    memcpy(program, start, length);
    program[length] = '\0';
    return true;
}

void BrowserCommandLine(const char *program, const char *address, char *out)
{
    snprintf(out, kBrowserCommandSize, "\"%.255s\" %.255s", program, address);
}

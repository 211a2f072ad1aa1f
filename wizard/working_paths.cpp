#include "wizard/working_paths.h"

#include "wizard/wizard_state.h"

#include <stdarg.h>
#include <stdio.h>

// Native builds, where the wizard's logic is tested, use their own separator.
#ifdef _WIN32
#define PATH_SEPARATOR "\\"
#else
#define PATH_SEPARATOR "/"
#endif

bool FormatPath(char *out, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int length = vsnprintf(out, kWizardTextSize, format, arguments);
    va_end(arguments);
    if (length >= 0 && static_cast<unsigned>(length) < kWizardTextSize)
        return true;
    out[0] = '\0';
    return false;
}

void FileListPath(char *out)
{
    WorkingFilePath("files.vok", out);
}

void BitmapPath(const char *name, char *out)
{
    FormatPath(out, "%s" PATH_SEPARATOR "bitmaps" PATH_SEPARATOR "%s", wizardState.installRoot, name);
}

void WorkingFilePath(const char *name, char *out)
{
    FormatPath(out, "%s" PATH_SEPARATOR "%s", wizardState.installRoot, name);
}

void ComponentPath(const char *name, char *out)
{
    FormatPath(out, "%s" PATH_SEPARATOR "components" PATH_SEPARATOR "%s", wizardState.installRoot, name);
}

void DownloadPath(const char *name, char *out)
{
    FormatPath(out, "%s" PATH_SEPARATOR "downloads" PATH_SEPARATOR "%s", wizardState.installRoot, name);
}

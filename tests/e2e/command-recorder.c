/* Stands in for a program that the wizard starts (a web browser, an
   installer): appends the command line it was started with, in UTF-8, to
   "<its own path>.log", one line a start. Wide calls throughout, so that a
   path in any script is logged as it is. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    (void)instance;
    (void)previous;
    (void)arguments;
    (void)show;
    wchar_t path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    wcscpy(path + length, L".log");
    FILE *log = _wfopen(path, L"ab");
    if (log == NULL)
        return 1;
    const wchar_t *commandLine = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, NULL, 0, NULL, NULL);
    char *text = (char *)malloc((size_t)size);
    if (text != NULL) {
        WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, text, size, NULL, NULL);
        fprintf(log, "%s\n", text);
        free(text);
    }
    fclose(log);
    return 0;
}

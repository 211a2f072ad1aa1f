/* Stands in for a program that the wizard starts (a web browser, an
   installer): appends the command line it was started with to "<its own
   path>.log", one line a start. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    (void)instance;
    (void)previous;
    (void)arguments;
    (void)show;
    char path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    strcpy(path + length, ".log");
    FILE *log = fopen(path, "ab");
    if (log == NULL)
        return 1;
    fprintf(log, "%s\n", GetCommandLineA());
    fclose(log);
    return 0;
}

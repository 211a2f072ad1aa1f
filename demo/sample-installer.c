/* The demo catalogue's installers: one tiny program per product, built with
 * -DPRODUCT_NAME="...". It installs nothing; it says which product it stands
 * for, so that the wizard's Install... button has something to start. */
#include <windows.h>

#ifndef PRODUCT_NAME
#error "build with -DPRODUCT_NAME=\"<display name>\""
#endif

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    MessageBoxA(NULL, PRODUCT_NAME " installed", PRODUCT_NAME " Setup",
                MB_OK | MB_ICONINFORMATION);
    return 0;
}

// Every message box of the program goes through here, so that a test can see
// the text and answer the box without a window.
#ifndef FRAMEWORK_MESSAGE_BOX_H
#define FRAMEWORK_MESSAGE_BOX_H

#include <windows.h>

// A modal message box over the program's top window, captioned with the
// application's name; returns the button pressed (IDOK, IDYES, ...).
int AfxMessageBox(const char *text, UINT type = MB_OK);

// Replaces the box: the hook gets the text and type and returns the button.
using MessageBoxHook = int (*)(const char *text, UINT type);
// Installs hook (null restores the real box) and returns the one it replaces.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

#endif

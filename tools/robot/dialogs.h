// Finding the dialogs of the program under test among the top-level windows
// of the desktop: a page or dialog by a control id it holds, and message
// boxes by their shape.
#ifndef ROBOT_DIALOGS_H
#define ROBOT_DIALOGS_H

#include <windows.h>

#include <string>
#include <vector>

enum class Reach {
    Usable,   // visible and enabled: a person can act on it now
    Visible,  // visible, perhaps disabled beneath a modal window: can be read
};

// The dialog (window class #32770) that holds a child with controlId, or null.
HWND FindDialogHolding(int controlId, Reach reach);

// A message box: a visible, enabled dialog of static texts and standard
// buttons (OK, Cancel, Yes, No and the like) only. Null when none is up.
HWND FindMessageBox();

// Its text: the static texts that hold any, one per line.
std::wstring MessageBoxText(HWND messageBox);

// A window's title or a static control's text.
std::wstring WindowText(HWND window);

// The window's child windows, in their order (a dialog's: its template's).
std::vector<HWND> Children(HWND parent);

// Every visible dialog, top of the stacking order first.
std::vector<HWND> VisibleDialogs();

#endif

// Reading and working the controls of another process's dialog. Every message
// that waits for an answer carries a time limit, so a program that hangs fails
// the action instead of the robot hanging with it. Actions arrive the way a
// person's input does, as posted messages that the program's own message loop
// handles; a button press or a message box answer may open a modal loop that
// does not return until much later.
#ifndef ROBOT_CONTROLS_H
#define ROBOT_CONTROLS_H

#include <windows.h>

#include <string>
#include <vector>

// Reads fail (false) when the program does not answer within timeoutMs.
bool ReadText(HWND control, unsigned timeoutMs, std::wstring *text);
bool ReadListCount(HWND list, unsigned timeoutMs, int *count);
bool ReadListEntries(HWND list, unsigned timeoutMs, std::vector<std::wstring> *entries);
bool ReadListSelection(HWND list, unsigned timeoutMs, int *index);
bool ReadProgressPosition(HWND bar, unsigned timeoutMs, int *position);
// A check list keeps each entry's tick as the entry's item data (1 ticked).
bool ReadTick(HWND list, int index, unsigned timeoutMs, bool *ticked);

// A press of the button: its dialog gets the button's click notification.
void PressButton(HWND button);

// A click on the dialog's close box.
void CloseDialog(HWND dialog);
// A left click of the mouse on the middle of the window, through the
// system's input as a hand's click comes: a window disabled beneath a modal
// one does not get it. False when the system refused the input.
bool ClickWithMouse(HWND window);

// Replaces the edit box's whole text as a person selecting all and typing
// would; true once the box holds exactly text.
bool TypeText(HWND edit, const std::wstring &text, unsigned timeoutMs);

// Highlights entry index of a list box (true once it is the list's
// selection); the dialog hears of it as of a click.
bool SelectEntry(HWND list, int index, unsigned timeoutMs);

// Highlights entry index of a check list and, unless it is already as
// wanted, presses the space bar on it; true once the tick is as wanted.
bool SetTick(HWND list, int index, bool ticked, unsigned timeoutMs);

#endif

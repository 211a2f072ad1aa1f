// Lets the windows of the one GUI thread handle their input, paint and timer
// ticks while a long, blocking operation runs on it (the FTP calls call back
// between their blocks, and while they wait).
#ifndef FRAMEWORK_MESSAGE_PUMP_H
#define FRAMEWORK_MESSAGE_PUMP_H

#include <windows.h>

// Delivers every message waiting in the thread's queue.
void PumpMessages();

// The same, but only when kPumpIntervalMs have passed since the last time it
// did: a transfer that calls back after every block keeps its speed, and
// Stop and repaints still come within two intervals.
const unsigned kPumpIntervalMs = 10;
void PumpMessagesNowAndThen();

// PumpMessagesNowAndThen while the modal loop of dialog waits behind the
// operation: the dialog's keys work as in that loop (Escape is Cancel, Enter
// the default button, Tab moves the focus).
void PumpDialogMessagesNowAndThen(HWND dialog);

// Waits milliseconds, delivering messages as they come, those of dialog as
// PumpDialogMessagesNowAndThen does.
void PumpDialogMessagesFor(HWND dialog, unsigned milliseconds);

#endif

// Lets the windows of the one GUI thread handle their input, paint and timer
// ticks while a long, blocking operation runs on it (the FTP calls call back
// between their blocks, and while they wait).
#ifndef FRAMEWORK_MESSAGE_PUMP_H
#define FRAMEWORK_MESSAGE_PUMP_H

// Delivers every message waiting in the thread's queue.
void PumpMessages();

// The same, but only when kPumpIntervalMs have passed since the last time it
// did: a transfer that calls back after every block keeps its speed, and
// Stop and repaints still come within two intervals.
const unsigned kPumpIntervalMs = 10;
void PumpMessagesNowAndThen();

// Waits milliseconds, delivering messages as they come.
void PumpMessagesFor(unsigned milliseconds);

#endif

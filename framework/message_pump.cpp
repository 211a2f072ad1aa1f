#include "framework/message_pump.h"

namespace {

// Every waiting message; those for dialog (when not null) go through its
// keyboard handling first.
void Deliver(HWND dialog)
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog != nullptr && IsDialogMessageA(dialog, &message))
            continue;
        DispatchMessageA(&message);
    }
}

// True when kPumpIntervalMs have passed since the last time it said so.
bool PumpIsDue()
{
    static ULONGLONG lastPump = 0;
    const ULONGLONG now = GetTickCount64();
    if (now - lastPump < kPumpIntervalMs)
        return false;
    lastPump = now;
    return true;
}

} // namespace

void PumpMessages()
{
    Deliver(nullptr);
}

void PumpMessagesNowAndThen()
{
    if (PumpIsDue())
        PumpMessages();
}

void PumpDialogMessagesNowAndThen(HWND dialog)
{
    if (PumpIsDue())
        Deliver(dialog);
}

void PumpDialogMessagesFor(HWND dialog, unsigned milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        Deliver(dialog);
    }
}

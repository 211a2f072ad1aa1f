#include "framework/message_pump.h"

#include <windows.h>

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

void PumpMessagesNowAndThen()
{
    static ULONGLONG lastPump = 0;
    const ULONGLONG now = GetTickCount64();
    if (now - lastPump < kPumpIntervalMs)
        return;
    lastPump = now;
    PumpMessages();
}

void PumpMessagesFor(unsigned milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        PumpMessages();
    }
}

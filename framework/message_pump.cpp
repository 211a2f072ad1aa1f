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

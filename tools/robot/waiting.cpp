#include "tools/robot/waiting.h"

#include <windows.h>

namespace {
const DWORD kPollIntervalMs = 50;
}

Deadline::Deadline(double seconds)
    : end(GetTickCount64() + static_cast<unsigned long long>(seconds * 1000.0))
{
}

bool Deadline::Passed() const
{
    return GetTickCount64() >= end;
}

unsigned Deadline::RemainingMs() const
{
    unsigned long long now = GetTickCount64();
    return now >= end ? 1u : static_cast<unsigned>(end - now);
}

bool WaitUntil(const Deadline &deadline, const std::function<bool()> &attempt)
{
    for (;;) {
        if (attempt())
            return true;
        if (deadline.Passed())
            return false;
        Sleep(kPollIntervalMs);
    }
}

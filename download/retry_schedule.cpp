#include "download/retry_schedule.h"

namespace {

const int kLongestWaitSeconds = 30;

} // namespace

bool RetrySchedule::AfterFailure(bool madeProgress)
{
    if (madeProgress)
        failuresInARow = 0;
    if (failuresInARow == kAttempts)
        return false;
    ++failuresInARow;
    return true;
}

int RetrySchedule::WaitSeconds(int askedSeconds) const
{
    if (askedSeconds >= 0)
        return askedSeconds < 1 ? 1 : askedSeconds < kLongestWaitSeconds ? askedSeconds : kLongestWaitSeconds;
    int seconds = 1;
    for (int attempt = 1; attempt < failuresInARow; ++attempt)
        seconds *= 2;
    return seconds < kLongestWaitSeconds ? seconds : kLongestWaitSeconds;
}

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

int RetrySchedule::WaitSeconds() const
{
    int seconds = 1;
    for (int attempt = 1; attempt < failuresInARow; ++attempt)
        seconds *= 2;
    return seconds < kLongestWaitSeconds ? seconds : kLongestWaitSeconds;
}

#include "datetime/calendar.h"
#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

namespace {

using namespace datetime;

void Store(TimeStamp *stamp, TimeField field, unsigned value)
{
    *stamp = SetField(*stamp, field, value);
}

// Adds delta within the field's width and returns the value stored, so that
// stepping below 0 shows up as the field's largest value.
unsigned Step(TimeStamp *stamp, TimeField field, int delta)
{
    Store(stamp, field, GetField(*stamp, field) + static_cast<unsigned>(delta));
    return GetField(*stamp, field);
}

typedef void (*Carry)(TimeStamp *stamp);

// For a field counting 0 to count - 1: past the top it restarts at 0 and
// carries into the next larger unit.
void StepUp(TimeStamp *stamp, TimeField field, unsigned count, Carry carry)
{
    if (Step(stamp, field, +1) >= count) {
        Store(stamp, field, 0);
        carry(stamp);
    }
}

// Below 0 the field wraps to its width's top, at or above count - 1: it
// becomes count - 1 and borrows from the next larger unit.
void StepDown(TimeStamp *stamp, TimeField field, unsigned count, Carry borrow)
{
    if (Step(stamp, field, -1) >= count - 1) {
        Store(stamp, field, count - 1);
        borrow(stamp);
    }
}

} // namespace

void SAPIIncrementDate(TimeStamp *stamp)
{
    const unsigned day = GetField(*stamp, kDay);
    const int monthLength = DaysInMonth(GetField(*stamp, kYear), GetField(*stamp, kMonth));
    if (static_cast<int>(day) + 1 <= monthLength) {
        Store(stamp, kDay, day + 1);
        return;
    }
    Store(stamp, kDay, 1);
    if (Step(stamp, kMonth, +1) > 12) {
        Store(stamp, kMonth, 1);
        Step(stamp, kYear, +1);
    }
}

void SAPIDecrementDate(TimeStamp *stamp)
{
    if (Step(stamp, kDay, -1) != 0)
        return;
    if (GetField(*stamp, kMonth) == 1) {
        Store(stamp, kMonth, 12);
        Store(stamp, kDay, 31);
        Step(stamp, kYear, -1);
        return;
    }
    const unsigned month = Step(stamp, kMonth, -1);
    Store(stamp, kDay, static_cast<unsigned>(DaysInMonth(GetField(*stamp, kYear), month)));
}

void SAPIIncrementHour(TimeStamp *stamp)
{
    StepUp(stamp, kHour, 24, SAPIIncrementDate);
}

void SAPIDecrementHour(TimeStamp *stamp)
{
    StepDown(stamp, kHour, 24, SAPIDecrementDate);
}

void SAPIIncrementMinute(TimeStamp *stamp)
{
    StepUp(stamp, kMinute, 60, SAPIIncrementHour);
}

void SAPIDecrementMinute(TimeStamp *stamp)
{
    StepDown(stamp, kMinute, 60, SAPIDecrementHour);
}

#include "datetime/calendar.h"
#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

namespace {

using namespace datetime;

constexpr uint32_t kSecondsPerHour = 3600;
constexpr uint32_t kSecondsPerMinute = 60;

} // namespace

unsigned int SAPIConvertTimeStampToSeconds(const TimeStamp *stamp)
{
    const TimeStamp s = *stamp;
    // Month 0 and months past 12 count into the neighbouring year; at the ends
    // of the range they wrap as the year field does, and stay inside the table.
    const unsigned index =
        (12 * GetField(s, kYear) + GetField(s, kMonth) + kMonthCount - 1) % kMonthCount;
    return month_start_seconds[index] + (GetField(s, kDay) - 1) * kSecondsPerDay +
           GetField(s, kHour) * kSecondsPerHour + GetField(s, kMinute) * kSecondsPerMinute +
           GetField(s, kSecond);
}

void SAPIConvertSecondsToTimeStamp(unsigned int seconds, TimeStamp *stamp)
{
    // The first January after the count. The year count bounds the scan: the
    // end mark alone would not stop it for a count of 0xFFFFFFFF.
    unsigned nextYear = 1;
    while (nextYear < kYearCount && month_start_seconds[12 * nextYear] <= seconds)
        ++nextYear;
    // Entry 12 * (nextYear - 1) is not above the count, so this stops there at the latest.
    unsigned month = 12 * nextYear - 1;
    while (month_start_seconds[month] > seconds)
        --month;

    uint32_t rest = seconds - month_start_seconds[month];
    const unsigned day = rest / kSecondsPerDay + 1;
    rest %= kSecondsPerDay;
    const unsigned hour = rest / kSecondsPerHour;
    rest %= kSecondsPerHour;
    *stamp = MakeTimeStamp(month / 12, month % 12 + 1, day, hour, rest / kSecondsPerMinute,
                           rest % kSecondsPerMinute);
}

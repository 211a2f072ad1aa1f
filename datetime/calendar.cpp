#include "datetime/calendar.h"

#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

namespace datetime {

constexpr int16_t days_in_month[14] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
constexpr int16_t days_in_month_leap[14] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};

namespace {

// Guards the month so that no field value reads outside the tables.
constexpr int MonthLength(unsigned yearField, unsigned month)
{
    if (month < 1 || month > 12)
        return 0;
    return IsLeapYear(yearField) ? days_in_month_leap[month] : days_in_month[month];
}

constexpr MonthStartTable BuildMonthStarts()
{
    MonthStartTable table = {};
    uint32_t start = 0;
    for (unsigned index = 0; index < kMonthCount; ++index) {
        table.seconds[index] = start;
        start += MonthLength(index / 12, index % 12 + 1) * kSecondsPerDay;
    }
    table.seconds[kMonthCount] = kMonthStartsEnd;
    return table;
}

} // namespace

constexpr MonthStartTable month_start_seconds = BuildMonthStarts();

int DaysInMonth(unsigned yearField, unsigned month)
{
    return MonthLength(yearField, month);
}

} // namespace datetime

int SAPIGetDaysInMonth(const TimeStamp *stamp)
{
    using namespace datetime;
    return DaysInMonth(GetField(*stamp, kYear), GetField(*stamp, kMonth));
}

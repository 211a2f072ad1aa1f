// The Gregorian calendar over the 64 years a stamp can hold, 1990 to 2053.
#ifndef DATETIME_CALENDAR_H
#define DATETIME_CALENDAR_H

#include <stdint.h>

namespace datetime {

constexpr unsigned kYearCount = 64;
constexpr unsigned kMonthCount = 12 * kYearCount;
constexpr uint32_t kSecondsPerDay = 86400;
constexpr uint32_t kMonthStartsEnd = 0xFFFFFFFFu;

// Takes a year field. 2000 is the only century year in range and is a leap
// year, so the rule of four is exact here.
constexpr bool IsLeapYear(uint16_t yearField)
{
    return (yearField + 2u) % 4u == 0;
}

// Indexed by month number; entries 0 and 13 are 0.
extern const int16_t days_in_month[14];
extern const int16_t days_in_month_leap[14];

// Length of a month of a year field; 0 for months outside 1 to 12.
int DaysInMonth(unsigned yearField, unsigned month);

// Entry 12 * yearField + month - 1 is the count of seconds from 1 January
// 1990 00:00:00 to the first of that month; kMonthStartsEnd follows the last.
struct MonthStartTable {
    uint32_t seconds[kMonthCount + 1];

    constexpr uint32_t operator[](unsigned index) const { return seconds[index]; }
};
extern const MonthStartTable month_start_seconds;

} // namespace datetime

#endif

#include "datetime/names.h"
#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

#include <stdio.h>

namespace {

using namespace datetime;

// The caller's buffer; the longest text, style 2, has 39 characters.
constexpr size_t kTextSize = 40;

unsigned ClockHour(unsigned hour)
{
    if (hour == 0)
        return 12;
    return hour > 12 ? hour - 12 : hour;
}

// 1990 to 1999 give 90 to 99, 2000 to 2053 give 0 to 53.
unsigned TwoDigitYear(unsigned yearField)
{
    return yearField < 10 ? yearField + 90 : yearField - 10;
}

} // namespace

void SAPIGetTimeDateString(const TimeStamp *stamp, short style, char *out)
{
    const TimeStamp s = *stamp;
    const unsigned year = GetField(s, kYear) + kFirstYear;
    const unsigned shortYear = TwoDigitYear(GetField(s, kYear));
    const unsigned month = GetField(s, kMonth);
    const unsigned day = GetField(s, kDay);
    const unsigned hour = ClockHour(GetField(s, kHour));
    const unsigned minute = GetField(s, kMinute);
    const bool morning = GetField(s, kHour) < 12;
    const char upperMeridiem = morning ? 'A' : 'P';
    const char lowerMeridiem = morning ? 'a' : 'p';
    const char *dayName = SAPIGetDayOfWeek(stamp); // "%.3s" of it is the abbreviation
    const char *fullMonth = MonthName(full_month_list, month);
    const char *shortMonth = MonthName(short_month_list, month);

    switch (style) {
    case 0:
        snprintf(out, kTextSize, "%s %u, %u", fullMonth, day, year);
        break;
    case 1:
        snprintf(out, kTextSize, "%s %u, %u, %u:%02u %cM", fullMonth, day, year, hour, minute,
                 upperMeridiem);
        break;
    case 2:
        snprintf(out, kTextSize, "%s, %s %u, %u, %u:%02u %cM", dayName, fullMonth, day, year,
                 hour, minute, upperMeridiem);
        break;
    case 3:
        snprintf(out, kTextSize, "%s, %s %u, %u", dayName, fullMonth, day, year);
        break;
    case 4:
        snprintf(out, kTextSize, "%02u/%02u/%02u", month, day, shortYear);
        break;
    case 5:
        snprintf(out, kTextSize, "%02u/%02u/%02u %u:%02u%c", month, day, shortYear, hour,
                 minute, lowerMeridiem);
        break;
    case 6:
        snprintf(out, kTextSize, "%.3s %02u/%02u/%02u %u:%02u%c", dayName, month, day, shortYear,
                 hour, minute, lowerMeridiem);
        break;
    case 7:
        snprintf(out, kTextSize, "%.3s %02u/%02u/%02u", dayName, month, day, shortYear);
        break;
    case 8:
        snprintf(out, kTextSize, "%u %s %u", day, shortMonth, year);
        break;
    case 9:
        snprintf(out, kTextSize, "%u %s %u %u:%02u %cM", day, shortMonth, year, hour, minute,
                 upperMeridiem);
        break;
    case 10:
        snprintf(out, kTextSize, "%.3s %u %s %u %u:%02u %cM", dayName, day, shortMonth, year,
                 hour, minute, upperMeridiem);
        break;
    case 11:
        snprintf(out, kTextSize, "%.3s %u %s %u", dayName, day, shortMonth, year);
        break;
    case 12:
        snprintf(out, kTextSize, "%u:%02u %cM", hour, minute, upperMeridiem);
        break;
    default: // no such style: the buffer stays as it was
        break;
    }
}

#include "datetime/names.h"
#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

const char *SAPIGetDayOfWeek(const TimeStamp *stamp)
{
    using namespace datetime;
    unsigned year = GetField(*stamp, kYear) + kFirstYear;
    unsigned month = GetField(*stamp, kMonth);
    const unsigned day = GetField(*stamp, kDay);
    // January and February count as months 13 and 14 of the year before, so
    // that a leap day falls at the end of the counted year.
    if (month == 1 || month == 2) {
        month += 12;
        --year;
    }
    const unsigned weekday = (day + 2 * month + 3 * (month + 1) / 5 + year + year / 4 -
                              year / 100 + year / 400) % 7;
    return day_name_list[weekday];
}

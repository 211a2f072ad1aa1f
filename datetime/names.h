// Day and month names of the library's texts.
#ifndef DATETIME_NAMES_H
#define DATETIME_NAMES_H

namespace datetime {

// Monday first, as SAPIGetDayOfWeek counts.
extern const char *const day_name_list[7];

// Entry month of short_month_list or full_month_list; their empty entry 0
// for anything but 1 to 12, so that no month field reads past the list.
const char *MonthName(const char *const list[13], unsigned month);

} // namespace datetime

#endif

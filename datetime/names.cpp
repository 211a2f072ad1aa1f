#include "datetime/names.h"

#include "sapi/sapi.h"

const char *const short_month_list[13] = {
    "", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};

const char *const full_month_list[13] = {
    "", "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

namespace datetime {

const char *const day_name_list[7] = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday",
};

const char *MonthName(const char *const list[13], unsigned month)
{
    return month >= 1 && month <= 12 ? list[month] : list[0];
}

} // namespace datetime

namespace {

// Callers may pass any int; only its low byte names the month.
unsigned LowByte(int month)
{
    return static_cast<unsigned>(month) & 0xFFu;
}

} // namespace

const char *SAPIGetShortMonth(int month)
{
    return datetime::MonthName(short_month_list, LowByte(month));
}

const char *SAPIGetFullMonth(int month)
{
    return datetime::MonthName(full_month_list, LowByte(month));
}

// The runtime's clock and time zone.
#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

#include <time.h>

namespace {

// struct tm counts years from 1900.
constexpr unsigned kTmYearOfFirstYear = datetime::kFirstYear - 1900;

} // namespace

void SAPIGetCurrentTime(TimeStamp *stamp)
{
    const time_t now = time(NULL);
    const struct tm *local = localtime(&now);
    if (local == NULL) {
        *stamp = 0;
        return;
    }
    // Unsigned arithmetic: a year before 1990 wraps into the field's range
    // instead of going negative.
    *stamp = datetime::MakeTimeStamp(
        static_cast<unsigned>(local->tm_year) - kTmYearOfFirstYear,
        static_cast<unsigned>(local->tm_mon) + 1, static_cast<unsigned>(local->tm_mday),
        static_cast<unsigned>(local->tm_hour), static_cast<unsigned>(local->tm_min),
        static_cast<unsigned>(local->tm_sec));
}

// Reads what the runtime last loaded and does not load the zone itself; the
// runtime does so on its first conversion to local time (SAPIGetCurrentTime).
int SAPIGetTimezoneOffset(void)
{
#ifdef _WIN32
    const long secondsWestOfUtc = _timezone;
#else
    const long secondsWestOfUtc = timezone;
#endif
    return static_cast<int>(-secondsWestOfUtc / 60);
}

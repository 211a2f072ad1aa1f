#include "sapi/sapi.h"
#include "tests/datetime/stamp_builder.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>
#include <time.h>

namespace {

TimeStamp LocalTimeNow()
{
    const time_t now = time(NULL);
    const struct tm *local = localtime(&now);
    if (local == NULL)
        return 0;
    return Stamp(1900 + local->tm_year, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                 local->tm_min, local->tm_sec);
}

TEST(CurrentTime, MatchesLocalTime)
{
    // The clock may tick between the reads, so the stamp matches either side.
    const TimeStamp before = LocalTimeNow();
    TimeStamp stamp = 0;
    SAPIGetCurrentTime(&stamp);
    const TimeStamp after = LocalTimeNow();
    EXPECT_TRUE(stamp == before || stamp == after)
        << std::hex << stamp << " not " << before << " or " << after;
}

void SetTimeZone(const char *zone)
{
#ifdef _WIN32
    char setting[64] = "TZ=";
    strncat(setting, zone, sizeof setting - strlen(setting) - 1);
    _putenv(setting);
    _tzset();
#else
    setenv("TZ", zone, 1);
    tzset();
#endif
}

TEST(TimezoneOffset, MinutesEastOfUtcInStandardTime)
{
    SetTimeZone("EST5");
#ifdef _WIN32
    if (SAPIGetTimezoneOffset() != -300)
        GTEST_SKIP() << "this runtime does not take its time zone from TZ";
#endif
    const struct {
        const char *zone;
        int expected;
    } cases[] = {
        {"EST5", -300},
        {"IST-5:30", 330},
        {"NST3:30", -210},
        {"UTC0", 0},
        {"EST5EDT", -300}, // daylight saving time is not counted
        {"ABC0:00:59", 0}, // seconds truncate towards zero, also west of UTC
        {"ABC-0:01:59", 1},
    };
    for (const auto &c : cases) {
        SetTimeZone(c.zone);
        EXPECT_EQ(c.expected, SAPIGetTimezoneOffset()) << c.zone;
    }
}

} // namespace

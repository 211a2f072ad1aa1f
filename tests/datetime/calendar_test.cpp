#include "datetime/calendar.h"
#include "sapi/sapi.h"
#include "tests/datetime/stamp_builder.h"

#include <gtest/gtest.h>

namespace {

using datetime::month_start_seconds;

const unsigned kDaysInRange = 23376; // 1 January 1990 to 31 December 2053

// Days since 1 January 1970, proleptic Gregorian (H. Hinnant's
// days_from_civil): a check that shares nothing with the library's tables.
int DaysFromCivil(int year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const int era = year / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int>(dayOfEra) - 719468;
}

TEST(MonthStartSeconds, MatchesTheGregorianCalendar)
{
    EXPECT_EQ(0u, month_start_seconds[0]);
    EXPECT_EQ(2678400u, month_start_seconds[1]);
    EXPECT_EQ(31536000u, month_start_seconds[12]);
    EXPECT_EQ(2017008000u, month_start_seconds[767]);
    EXPECT_EQ(0xFFFFFFFFu, month_start_seconds[768]);

    const int firstDay = DaysFromCivil(1990, 1, 1);
    for (unsigned index = 0; index < datetime::kMonthCount; ++index) {
        const int days = DaysFromCivil(1990 + index / 12, index % 12 + 1, 1) - firstDay;
        ASSERT_EQ(static_cast<unsigned>(days) * 86400u, month_start_seconds[index])
            << "entry " << index;
    }
}

TEST(Conversion, KnownCounts)
{
    const struct {
        TimeStamp stamp;
        unsigned seconds;
    } cases[] = {
        {Stamp(1990, 1, 1), 0u},
        {Stamp(1991, 1, 1), 31536000u},
        {Stamp(2000, 3, 1), 320716800u},
        {0x1C5ACB0Cu, 409093507u},
        {Stamp(2053, 12, 31, 23, 59, 59), 2019686399u},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.seconds, SAPIConvertTimeStampToSeconds(&c.stamp));
        TimeStamp back = 0;
        SAPIConvertSecondsToTimeStamp(c.seconds, &back);
        EXPECT_EQ(c.stamp, back) << c.seconds;
    }
}

typedef void (*StepFunction)(TimeStamp *);

TEST(Stepping, CarriesAcrossTheCalendar)
{
    const struct {
        StepFunction step;
        TimeStamp from;
        TimeStamp to;
    } cases[] = {
        {SAPIIncrementDate, Stamp(2004, 2, 28), Stamp(2004, 2, 29)},
        {SAPIIncrementDate, Stamp(2003, 2, 28), Stamp(2003, 3, 1)},
        {SAPIIncrementDate, Stamp(2002, 12, 31), Stamp(2003, 1, 1)},
        {SAPIDecrementDate, Stamp(2004, 3, 1), Stamp(2004, 2, 29)},
        {SAPIDecrementDate, Stamp(2003, 3, 1), Stamp(2003, 2, 28)},
        {SAPIDecrementDate, Stamp(2003, 1, 1), Stamp(2002, 12, 31)},
        {SAPIIncrementMinute, Stamp(2002, 12, 31, 23, 59, 42), Stamp(2003, 1, 1, 0, 0, 42)},
        {SAPIDecrementMinute, Stamp(2003, 1, 1, 0, 0, 42), Stamp(2002, 12, 31, 23, 59, 42)},
        {SAPIIncrementHour, Stamp(2004, 2, 29, 23, 15), Stamp(2004, 3, 1, 0, 15)},
        {SAPIDecrementHour, Stamp(2003, 1, 1, 0, 30), Stamp(2002, 12, 31, 23, 30)},
        {SAPIIncrementMinute, Stamp(2053, 12, 31, 23, 59), Stamp(1990, 1, 1)},
        {SAPIDecrementMinute, Stamp(1990, 1, 1), Stamp(2053, 12, 31, 23, 59)},
    };
    for (const auto &c : cases) {
        TimeStamp stamp = c.from;
        c.step(&stamp);
        EXPECT_EQ(c.to, stamp) << std::hex << "from " << c.from;
    }
}

// Every day of the range, reached by stepping from the first: its count of
// seconds, its weekday (1 January 1990 was a Monday), the way back, and the
// round trip through seconds at the times of day where carries happen.
TEST(Calendar, WalkThroughEveryDayOfTheRange)
{
    static const char *const kWeekdays[] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                            "Friday", "Saturday", "Sunday"};
    static const unsigned kRiskySecondsOfDay[] = {0, 3599, 43199, 43200, 86399};
    TimeStamp day = Stamp(1990, 1, 1);
    for (unsigned index = 0; index < kDaysInRange; ++index) {
        const unsigned midnight = index * 86400u;
        ASSERT_EQ(midnight, SAPIConvertTimeStampToSeconds(&day)) << std::hex << day;
        ASSERT_STREQ(kWeekdays[index % 7], SAPIGetDayOfWeek(&day)) << std::hex << day;

        for (unsigned second : kRiskySecondsOfDay) {
            TimeStamp stamp = 0;
            SAPIConvertSecondsToTimeStamp(midnight + second, &stamp);
            const TimeStamp timeOfDay =
                Stamp(1990, 0, 0, second / 3600, second / 60 % 60, second % 60);
            ASSERT_EQ(day | timeOfDay, stamp) << midnight + second;
            ASSERT_EQ(midnight + second, SAPIConvertTimeStampToSeconds(&stamp));
        }

        TimeStamp next = day;
        SAPIIncrementDate(&next);
        TimeStamp back = next;
        SAPIDecrementDate(&back);
        ASSERT_EQ(day, back) << std::hex << day;
        day = next;
    }
    EXPECT_EQ(Stamp(1990, 1, 1), day) << "31 December 2053 wraps to 1 January 1990";
}

// Outside the domain results are unspecified, but no field value may read
// outside the tables (the sanitizers watch this test).
TEST(Calendar, StampsOutsideTheDomainStayInsideTheTables)
{
    const TimeStamp odd[] = {Stamp(1990, 0, 0), Stamp(2053, 15, 31, 31, 63, 63),
                             Stamp(2053, 13, 1), Stamp(2000, 14, 0)};
    for (TimeStamp stamp : odd) {
        SAPIConvertTimeStampToSeconds(&stamp);
        SAPIGetDaysInMonth(&stamp);
        SAPIGetDayOfWeek(&stamp);
        char text[40];
        for (short style = 0; style <= 12; ++style)
            SAPIGetTimeDateString(&stamp, style, text);
        TimeStamp stepped = stamp;
        SAPIIncrementDate(&stepped);
        stepped = stamp;
        SAPIDecrementDate(&stepped);
    }

    TimeStamp stamp = 0;
    SAPIConvertSecondsToTimeStamp(0xFFFFFFFFu, &stamp);
    EXPECT_EQ(63u, datetime::GetField(stamp, datetime::kYear));
    EXPECT_EQ(12u, datetime::GetField(stamp, datetime::kMonth));
}

} // namespace

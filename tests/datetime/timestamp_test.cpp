#include "sapi/sapi.h"
#include "tests/datetime/stamp_builder.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeStampLayout, PacksTheExampleWord)
{
    EXPECT_EQ(0x1C5ACB0Cu, Stamp(2002, 12, 18, 21, 5, 7));
    // Each field alone at its largest value fills exactly its mask.
    EXPECT_EQ(0x0000003Fu, Stamp(2053, 0, 0));
    EXPECT_EQ(0x000003C0u, Stamp(1990, 15, 0));
    EXPECT_EQ(0x00007C00u, Stamp(1990, 0, 31));
    EXPECT_EQ(0x000F8000u, Stamp(1990, 0, 0, 31));
    EXPECT_EQ(0x03F00000u, Stamp(1990, 0, 0, 0, 63));
    EXPECT_EQ(0xFC000000u, Stamp(1990, 0, 0, 0, 0, 63));
    // Values wider than the field keep only its low bits.
    EXPECT_EQ(Stamp(1990, 1, 1), Stamp(2054, 17, 33));
}

TEST(Compare, OrdersByFieldsFromYearDown)
{
    const TimeStamp morning = Stamp(2002, 12, 18, 9, 30);
    const TimeStamp evening = Stamp(2002, 12, 18, 21, 5, 7);
    EXPECT_EQ(0, SAPICompareDates(&morning, &evening));
    EXPECT_EQ(-1, SAPICompareTimeStamps(&morning, &evening));
    EXPECT_EQ(1, SAPICompareTimeStamps(&evening, &morning));
    EXPECT_EQ(0, SAPICompareTimeStamps(&evening, &evening));

    // A later year wins over every smaller field, across the whole range.
    const TimeStamp lastSecondOf1990 = Stamp(1990, 12, 31, 23, 59, 59);
    const TimeStamp firstOf2053 = Stamp(2053, 1, 1);
    EXPECT_EQ(-1, SAPICompareDates(&lastSecondOf1990, &firstOf2053));
    EXPECT_EQ(-1, SAPICompareTimeStamps(&lastSecondOf1990, &firstOf2053));
}

TEST(Compare, BoundsIncludeTheirEnds)
{
    const TimeStamp lower = Stamp(2002, 1, 1);
    const TimeStamp upper = Stamp(2002, 12, 31, 23, 59, 58);
    const struct {
        TimeStamp stamp;
        int expected;
    } cases[] = {
        {Stamp(2001, 12, 31, 23, 59, 59), -1},
        {lower, 0},
        {Stamp(2002, 6, 15, 12), 0},
        {upper, 0},
        {Stamp(2002, 12, 31, 23, 59, 59), 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, SAPICompareBounds(&lower, &upper, &c.stamp)) << std::hex << c.stamp;
}

TEST(Names, DaysInMonthFollowsLeapYears)
{
    const struct {
        TimeStamp stamp;
        int expected;
    } cases[] = {
        {Stamp(2004, 2, 1), 29}, {Stamp(2003, 2, 1), 28}, {Stamp(2000, 2, 1), 29},
        {Stamp(2003, 4, 1), 30}, {Stamp(2003, 0, 1), 0},  {Stamp(2003, 13, 1), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, SAPIGetDaysInMonth(&c.stamp)) << std::hex << c.stamp;
}

TEST(Names, MonthNamesUseTheLowByte)
{
    EXPECT_STREQ("", SAPIGetShortMonth(0));
    EXPECT_STREQ("", SAPIGetShortMonth(13));
    EXPECT_STREQ("", SAPIGetFullMonth(-1));
    EXPECT_STREQ("September", SAPIGetFullMonth(9));
    EXPECT_STREQ("Jan", SAPIGetShortMonth(257));
    EXPECT_STREQ("January", SAPIGetFullMonth(257));
    EXPECT_STREQ("Dec", SAPIGetShortMonth(12));
    EXPECT_EQ(full_month_list[12], SAPIGetFullMonth(12));
    EXPECT_STREQ("", short_month_list[0]);
    EXPECT_STREQ("", full_month_list[0]);
}

} // namespace

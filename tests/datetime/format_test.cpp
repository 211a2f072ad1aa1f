#include "sapi/sapi.h"
#include "tests/datetime/stamp_builder.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

struct FormatCase {
    TimeStamp stamp;
    short style;
    const char *expected;
};

void ExpectFormats(const FormatCase &c)
{
    char text[40]; // the documented size: an overrun shows under the sanitizer
    memset(text, '#', sizeof text);
    SAPIGetTimeDateString(&c.stamp, c.style, text);
    EXPECT_STREQ(c.expected, text) << "style " << c.style << std::hex << " of " << c.stamp;
}

TEST(TimeDateString, AllStylesOfTheExample)
{
    const TimeStamp example = 0x1C5ACB0Cu; // 18 December 2002 21:05:07
    const FormatCase cases[] = {
        {example, 0, "December 18, 2002"},
        {example, 1, "December 18, 2002, 9:05 PM"},
        {example, 2, "Wednesday, December 18, 2002, 9:05 PM"},
        {example, 3, "Wednesday, December 18, 2002"},
        {example, 4, "12/18/02"},
        {example, 5, "12/18/02 9:05p"},
        {example, 6, "Wed 12/18/02 9:05p"},
        {example, 7, "Wed 12/18/02"},
        {example, 8, "18 Dec 2002"},
        {example, 9, "18 Dec 2002 9:05 PM"},
        {example, 10, "Wed 18 Dec 2002 9:05 PM"},
        {example, 11, "Wed 18 Dec 2002"},
        {example, 12, "9:05 PM"},
        {example, static_cast<short>(65536), "December 18, 2002"},
    };
    for (const FormatCase &c : cases)
        ExpectFormats(c);
}

TEST(TimeDateString, ClockHoursYearsAndDays)
{
    const FormatCase cases[] = {
        {Stamp(2002, 12, 18, 0, 7), 12, "12:07 AM"},
        {Stamp(2002, 12, 18, 0, 7), 5, "12/18/02 12:07a"},
        {Stamp(2002, 12, 18, 11, 59), 12, "11:59 AM"},
        {Stamp(2002, 12, 18, 12, 0), 12, "12:00 PM"},
        {Stamp(2002, 12, 18, 13, 0), 1, "December 18, 2002, 1:00 PM"},
        {Stamp(1999, 1, 5), 4, "01/05/99"},
        {Stamp(1990, 1, 5), 4, "01/05/90"},
        {Stamp(2000, 1, 5), 4, "01/05/00"},
        {Stamp(2003, 1, 5), 4, "01/05/03"},
        {Stamp(2053, 1, 5), 7, "Sun 01/05/53"},
        {Stamp(2003, 1, 5), 8, "5 Jan 2003"},
        {Stamp(2003, 1, 5), 11, "Sun 5 Jan 2003"},
        {Stamp(2003, 9, 10, 10, 59), 2, "Wednesday, September 10, 2003, 10:59 AM"}, // longest
    };
    for (const FormatCase &c : cases)
        ExpectFormats(c);
}

TEST(TimeDateString, UnknownStylesLeaveTheBufferAlone)
{
    const TimeStamp example = 0x1C5ACB0Cu;
    for (short style : {13, -1, 32767, -32768}) {
        char text[40];
        memset(text, '#', sizeof text);
        SAPIGetTimeDateString(&example, style, text);
        for (char c : text)
            ASSERT_EQ('#', c) << "style " << style;
    }
}

} // namespace

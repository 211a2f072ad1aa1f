// Listing lines into entries: real servers' output, and the lines that trip
// a field-counting parser.
#include "ftp/listing_parse.h"
#include "tests/datetime/stamp_builder.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string lastStatus;
int statusAnswer = 0;

int RecordStatus(const char *text)
{
    lastStatus = text;
    return statusAnswer;
}

// The entries in front of the end mark; fails the test on any other result.
std::vector<FtpListEntry> Parse(const std::string &text)
{
    FtpListEntry *table = NULL;
    std::vector<FtpListEntry> entries;
    EXPECT_EQ(0, ftp::FtpParseListing(text.c_str(), &table, RecordStatus));
    if (table == NULL)
        return entries;
    for (const FtpListEntry *entry = table; entry->attributes != 0 || entry->name[0] != '\0'; ++entry)
        entries.push_back(*entry);
    free(table);
    return entries;
}

std::string ReadFixture(const char *name)
{
    std::ifstream file(name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

unsigned CurrentYear()
{
    TimeStamp now;
    SAPIGetCurrentTime(&now);
    return datetime::GetField(now, datetime::kYear) + datetime::kFirstYear;
}

// The year that a listing means by a date shown with a time of day: this
// year, unless that lies more than a day ahead of now (worked out with the C
// library's clock, not the library's stamps).
unsigned YearOfRecentDate(int month, int day, int hour, int minute)
{
    const time_t now = time(nullptr);
    tm date = *localtime(&now);
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_hour = hour;
    date.tm_min = minute;
    date.tm_sec = 0;
    date.tm_isdst = -1;
    const unsigned thisYear = CurrentYear();
    return mktime(&date) > now + 24 * 60 * 60 ? thisYear - 1 : thisYear;
}

TEST(FtpGetField, SplitsAtSpaceRunsAndKeepsQuotedSpaces)
{
    const struct {
        const char *line;
        unsigned short index;
        int result;
        const char *field;
    } cases[] = {
        {"a  b c", 1, 0, "b"},
        {"a  b c", 2, 0, "c"},
        {"a  b c  ", 3, -1, ""},
        {"a \"b  c\" d", 1, 0, "b  c"},
        {"a \"b  c\"d", 2, 0, "d"},     // the next field starts right behind the quote
        {"a \"b c", 1, 0, "b c"},       // an open quote runs to the end of the line
        {" a", 0, 0, ""},                // a leading space makes an empty first field
        {"a\tb c", 0, 0, "a\tb"},
        {"", 0, -1, ""},
    };
    for (const auto &c : cases) {
        char field[256] = "junk";
        EXPECT_EQ(c.result, ftp::FtpGetField(c.line, c.index, field)) << c.line;
        EXPECT_STREQ(c.field, field) << c.line;
    }
}

TEST(FtpParseListing, ReadsWhatRealServersSend)
{
    const unsigned december8 = YearOfRecentDate(12, 8, 18, 11);
    const struct {
        const char *name;
        unsigned attributes;
        int size;
        TimeStamp modified;
        const char *linkTarget;
    } expected[] = {
        {"docs", FTP_ENTRY_DIRECTORY | 0755, 4096, Stamp(2024, 2, 5, 12), ""},
        {"latest -> legacy.zip", FTP_ENTRY_LINK | 0777, 10, Stamp(december8, 12, 8, 18, 11), "legacy.zip"},
        {"legacy.zip", FTP_ENTRY_FILE | 0644, 12345, Stamp(1999, 3, 4, 12), ""},
        {"my notes -> read me.txt", FTP_ENTRY_LINK | 0777, 11, Stamp(december8, 12, 8, 18, 11), "read me.txt"},
        {"read me.txt", FTP_ENTRY_FILE | 0644, 3, Stamp(december8, 12, 8, 18, 11), ""},
    };
    for (const char *fixture : {"pyftpdlib_list.txt", "proftpd_list.txt"}) {
        SCOPED_TRACE(fixture);
        const std::vector<FtpListEntry> entries = Parse(ReadFixture(fixture));
        EXPECT_EQ("Directory listing: 5 entries", lastStatus);
        ASSERT_EQ(5u, entries.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_STREQ(expected[i].name, entries[i].name);
            EXPECT_EQ(expected[i].attributes, entries[i].attributes) << entries[i].name;
            EXPECT_EQ(expected[i].size, entries[i].size) << entries[i].name;
            EXPECT_EQ(expected[i].modified, entries[i].modified) << entries[i].name;
            EXPECT_STREQ(expected[i].linkTarget, entries[i].linkTarget);
        }
    }
}

TEST(FtpParseListing, TimeOfDayMeansTheLastTwelveMonths)
{
    // Today, and three days ahead: ahead by more than a day, it is last year's.
    TimeStamp today;
    SAPIGetCurrentTime(&today);
    TimeStamp ahead = today;
    for (int i = 0; i < 3; ++i)
        SAPIIncrementDate(&ahead);
    for (const TimeStamp date : {today, ahead}) {
        const int month = static_cast<int>(datetime::GetField(date, datetime::kMonth));
        const int day = static_cast<int>(datetime::GetField(date, datetime::kDay));
        char line[80];
        snprintf(line, sizeof line, "-rw-r--r-- 1 u g 5 %s %02d 00:00 f\r\n", SAPIGetShortMonth(month), day);
        const auto entries = Parse(line);
        ASSERT_EQ(1u, entries.size());
        EXPECT_EQ(Stamp(YearOfRecentDate(month, day, 0, 0), month, day, 0, 0), entries[0].modified) << line;
    }
}

TEST(FtpParseListing, TableStopsAtItsStatedBound)
{
    std::string text;
    for (int i = 0; i < FTP_LISTING_MAX_ENTRIES + 3; ++i)
        text += "-rw-r--r-- 1 u g 5 Jan 01  2001 f" + std::to_string(i) + "\r\n";
    const auto entries = Parse(text);
    ASSERT_EQ(static_cast<size_t>(FTP_LISTING_MAX_ENTRIES), entries.size());
    EXPECT_EQ("f" + std::to_string(FTP_LISTING_MAX_ENTRIES - 1), entries.back().name);
}

TEST(FtpParseListing, SkipsLinesOfOtherShapes)
{
    const std::string text = "total 12\r\n"
                             "\r\n"
                             "01-02-03  12:34PM       <DIR>          dos\r\n"
                             " -rw-r--r-- 1 u g 1 Jan 01 12:00 indented\r\n"
                             "crw-r--r-- 1 u g 1 Jan 01 12:00 device\r\n"
                             "lrwxrwxrwx 1 u g 1 Jan 01 12:00 dangling ->\r\n"
                             "lrwxrwxrwx 1 u g 1 Jan 01 12:00 dangling -> \r\n"
                             "-rw-r--r-- 1 u g 1 Jan 01 12:00\r\n";
    for (const std::string &listing : {text, std::string()}) {
        EXPECT_TRUE(Parse(listing).empty());
        EXPECT_EQ("Directory listing: 0 entries", lastStatus);
    }
}

TEST(FtpParseListing, SetsEachPermissionLetterAtItsOwnPlaceOnly)
{
    const struct {
        const char *type;
        unsigned attributes;
    } cases[] = {
        {"drwxr-xr-x", FTP_ENTRY_DIRECTORY | 0x100 | 0x80 | 0x40 | 0x20 | 0x08 | 0x04 | 0x01},
        {"DRWXRWXRWX", FTP_ENTRY_DIRECTORY | 0777},
        {"-rwsr-sr-t", FTP_ENTRY_FILE | 0644},
        {"-xwr------", FTP_ENTRY_FILE | 0200},
        {"Lr", FTP_ENTRY_LINK | 0400},
    };
    for (const auto &c : cases) {
        const auto entries = Parse(std::string(c.type) + " 1 u g 1 Jan 01 12:00 x -> y\r\n");
        ASSERT_EQ(1u, entries.size()) << c.type;
        EXPECT_EQ(c.attributes, entries[0].attributes) << c.type;
    }
}

TEST(FtpParseListing, TakesNameDateAndSizeFromTheirPlaces)
{
    const unsigned thisYear = CurrentYear();
    const std::string longName(300, 'n');
    const struct {
        std::string line;
        const char *owner;
        std::string name;
        TimeStamp modified;
        int size;
    } cases[] = {
        {"-rw-r--r-- 1 vok vok 5 Jan 01 12:00 x\r\n", "vok", "x", Stamp(thisYear, 1, 1, 12), 5},
        {"-rw-r--r-- 1 vok vok 5 Jan 01 12:00 vok\r\n", "vok", "vok", Stamp(thisYear, 1, 1, 12), 5},
        {"-rw-r--r-- 1 Mar Jan 5 oct  9  1999 Mar\r\n", "Mar", "Mar", Stamp(1999, 10, 9, 12), 5},
        {"-rw-r--r-- 1 u g 5 Xyz 31  2001 odd month\r\n", "u", "odd month", Stamp(2001, 12, 31, 12), 5},
        {"-rw-r--r-- 1 u g 5 Jan 01  1985 \"in quotes\"\r\n", "u", "in quotes", Stamp(2049, 1, 1, 12), 5},
        {"-rw-r--r-- 1 u g 4294967296 Jan 01 12:00 huge\n", "u", "huge", Stamp(thisYear, 1, 1, 12), 2147483647},
        {"-rw-r--r-- 1 u g 7k Jan 01 12:00 " + longName, "u", longName.substr(0, 255),
         Stamp(thisYear, 1, 1, 12), 7},
    };
    for (const auto &c : cases) {
        const auto entries = Parse(c.line);
        ASSERT_EQ(1u, entries.size()) << c.line;
        EXPECT_STREQ(c.owner, entries[0].owner) << c.line;
        EXPECT_EQ(c.name, entries[0].name) << c.line;
        EXPECT_EQ(c.modified, entries[0].modified) << c.line;
        EXPECT_EQ(c.size, entries[0].size) << c.line;
    }
}

TEST(FtpParseListing, QuotedLinkNamesLoseTheirQuotes)
{
    const auto entries = Parse("lrwxrwxrwx 1 u g 1 Jan 01 12:00 \"my link\" -> \"my file\"\r\n");
    ASSERT_EQ(1u, entries.size());
    EXPECT_STREQ("my link -> \"my file\"", entries[0].name);
    EXPECT_STREQ("my file", entries[0].linkTarget);
}

TEST(FtpParseListing, CallbackStopsAtTheEntryCount)
{
    FtpListEntry *table = NULL;
    statusAnswer = 1;
    EXPECT_EQ(-1, ftp::FtpParseListing("-rw-r--r-- 1 u g 1 Jan 01 12:00 x\r\n", &table, RecordStatus));
    statusAnswer = 0;
    EXPECT_EQ("Directory listing: 1 entries", lastStatus);
    EXPECT_EQ(nullptr, table);
}

} // namespace

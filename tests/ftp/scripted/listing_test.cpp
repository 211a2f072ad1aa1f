// Directory listings fetched over a data connection and handed back as a
// table of entries.
#include "tests/ftp/scripted/scripted_ftp_test.h"

#include <stdlib.h>

#include <memory>
#include <vector>

using namespace scripted;

namespace {

typedef std::unique_ptr<FtpListEntry, decltype(&free)> Table;

// Year bits, month, day, hour and minute of a stamp.
std::vector<unsigned> DateFields(TimeStamp stamp)
{
    return {stamp & 0x3F, stamp >> 6 & 0xF, stamp >> 10 & 0x1F, stamp >> 15 & 0x1F, stamp >> 20 & 0x3F};
}

class ListingTest : public ScriptedFtpTest {
protected:
    // Lists the server's directory, recording the status texts.
    Table List(const ScriptedFtpServer &server, int expectedResult)
    {
        FtpListEntry *entries = nullptr;
        FtpSession *session = Open(server);
        EXPECT_NE(nullptr, session);
        if (session) {
            statusLog.texts.clear();
            EXPECT_EQ(expectedResult, SAPIFtpListing(session, &entries, RecordStatus));
            SAPIFtpCloseSession(session, nullptr);
        }
        return Table(entries, free);
    }
};

class EmptyListingTest : public ListingTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EmptyListingTest, GivesOnlyTheEndMark)
{
    const bool active = GetParam();
    Script script;
    if (active)
        script.On("PASV", Reply("502 Passive mode not available.\r\n"));
    ScriptedFtpServer server(script);
    const Table table = List(server, 0);
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(0u, table.get()[0].attributes);
    EXPECT_STREQ("", table.get()[0].name);
    EXPECT_EQ((Lines{"Directory listing: 0 bytes received", "Directory listing: 0 entries"}),
              statusLog.texts);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session(active ? Lines{"PASV", "PORT 127,0,0,1,*", "LIST"} : Lines{"PASV", "LIST"}),
              WithPortsMasked(seen.commands));
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

INSTANTIATE_TEST_SUITE_P(Listing, EmptyListingTest, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool> &info) { return info.param ? "Active" : "Passive"; });

TEST_F(ListingTest, EntriesOfEachShapeWithTheTotalLineSkipped)
{
    const std::string first = "total 12\r\n"
                              "-rw-r--r--   1 vok  staff      1234 Mar  5 14:07 setup.exe\r\n";
    const std::string second = "drwxr-xr-x   2 vok  staff      4096 Dec 24  1999 old stuff\r\n"
                               "lrwxrwxrwx   1 vok  staff         9 Jan 10 09:30 latest -> setup.exe\r\n";
    ScriptedFtpServer server(Script().On("LIST", Retrieve({first, second})));
    const Table table = List(server, 0);
    ASSERT_NE(nullptr, table);
    const FtpListEntry *entry = table.get();
    TimeStamp now;
    SAPIGetCurrentTime(&now);

    EXPECT_EQ(FTP_ENTRY_FILE | 0x1A4u, entry[0].attributes);
    EXPECT_STREQ("vok", entry[0].owner);
    EXPECT_STREQ("staff", entry[0].group);
    EXPECT_EQ(1234, entry[0].size);
    EXPECT_STREQ("setup.exe", entry[0].name);
    EXPECT_STREQ("", entry[0].linkTarget);
    EXPECT_EQ((std::vector<unsigned>{DateFields(now)[0], 3, 5, 14, 7}), DateFields(entry[0].modified));

    EXPECT_EQ(FTP_ENTRY_DIRECTORY | 0x1EDu, entry[1].attributes);
    EXPECT_STREQ("old stuff", entry[1].name);
    EXPECT_EQ((std::vector<unsigned>{9, 12, 24, 12, 0}), DateFields(entry[1].modified));

    EXPECT_EQ(FTP_ENTRY_LINK | 0x1FFu, entry[2].attributes);
    EXPECT_STREQ("latest -> setup.exe", entry[2].name);
    EXPECT_STREQ("setup.exe", entry[2].linkTarget);

    EXPECT_EQ(0u, entry[3].attributes);
    EXPECT_STREQ("", entry[3].name);
    EXPECT_EQ((Lines{"Directory listing: 0 bytes received",
                     "Directory listing: " + std::to_string(first.size()) + " bytes received",
                     "Directory listing: " + std::to_string(first.size() + second.size()) +
                         " bytes received",
                     "Directory listing: 3 entries"}),
              statusLog.texts);
}

TEST_F(ListingTest, LinesEndingInALineFeedAloneKeepTheirLastCharacter)
{
    ScriptedFtpServer server(Script().On("LIST", Retrieve({
        "-rw-r--r-- 1 vok staff 5 Jan  2  2001 readme\n"
        "-rw-r--r-- 1 vok staff 7 Jan  2  2001 notes\n"})));
    const Table table = List(server, 0);
    ASSERT_NE(nullptr, table);
    EXPECT_STREQ("readme", table.get()[0].name);
    EXPECT_STREQ("notes", table.get()[1].name);
    EXPECT_EQ(0u, table.get()[2].attributes);
}

TEST_F(ListingTest, StopAtTheFirstReportEndsBeforeAnyCommand)
{
    ScriptedFtpServer server;
    statusLog.stopAt = "Directory listing: 0 bytes received";
    const Table table = List(server, -2);
    EXPECT_EQ(nullptr, table);
    EXPECT_EQ(Session({}), server.Finish().commands);
}

} // namespace

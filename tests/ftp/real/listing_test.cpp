// SAPIFtpListing against every real server, plain and over TLS, in passive
// and in active mode, on the "listing" folder that server-home/ seeds into
// each server's home: two files (one with a space in its name), a
// subdirectory and a symbolic link.
#include "tests/ftp/real/real_server.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>

#ifdef _WIN32
#include <sys/utime.h>
#else
#include <utime.h>
#endif

namespace {

class ListingTest : public RealServerTest {};

// 2001-07-04 12:00 UTC: old enough for the listing to show the year, whose
// entries the client dates at 12:00.
const time_t kOldTime = 994248000;
const TimeStamp kOldStamp = (2001 - 1990) | (7u << 6) | (4u << 10) | (12u << 15);

const unsigned int kTypeBits = FTP_ENTRY_FILE | FTP_ENTRY_DIRECTORY | FTP_ENTRY_LINK;
const unsigned int kOwnerBits = 0x1C0;

std::map<std::string, FtpListEntry> ListCurrentDirectory(FtpSession *session)
{
    std::map<std::string, FtpListEntry> entries;
    FtpListEntry *table = nullptr;
    EXPECT_EQ(SAPIFtpListing(session, &table, nullptr), 0);
    if (table == nullptr)
        return entries;
    for (const FtpListEntry *entry = table; entry->attributes != 0 || entry->name[0]; ++entry)
        entries[entry->name] = *entry;
    std::free(table);
    return entries;
}

TEST_P(ListingTest, ListsFilesDirectoryAndLinkAsTheServerHoldsThem)
{
    const std::filesystem::path folder = OnServer("listing");
    struct utimbuf times = {kOldTime, kOldTime};
    ASSERT_EQ(utime((folder / "notes.txt").string().c_str(), &times), 0);
    Session session = Open();
    ASSERT_NE(session, nullptr);
    ASSERT_EQ(SAPIFtpSetCurrentDirectory(session.get(), "listing", nullptr), 0);

    const std::map<std::string, FtpListEntry> entries = ListCurrentDirectory(session.get());

    ASSERT_EQ(entries.size(), 4u);
    for (const char *file : {"notes.txt", "two words.txt"}) {
        SCOPED_TRACE(file);
        ASSERT_EQ(entries.count(file), 1u);
        const FtpListEntry &entry = entries.at(file);
        EXPECT_EQ(entry.attributes & kTypeBits, FTP_ENTRY_FILE);
        EXPECT_EQ(entry.size, static_cast<int>(std::filesystem::file_size(folder / file)));
        EXPECT_STREQ(entry.linkTarget, "");
        EXPECT_NE(entry.owner[0], '\0');
        EXPECT_NE(entry.group[0], '\0');
    }
    // The owner's rw- of a checked-out file, whatever the umask did to the rest.
    EXPECT_EQ(entries.at("notes.txt").attributes & kOwnerBits, 0x180u);
    EXPECT_EQ(entries.at("notes.txt").modified, kOldStamp);

    ASSERT_EQ(entries.count("subdir"), 1u);
    EXPECT_EQ(entries.at("subdir").attributes & kTypeBits, FTP_ENTRY_DIRECTORY);
    EXPECT_EQ(entries.at("subdir").attributes & kOwnerBits, 0x1C0u);

    // A link's name keeps the arrow and the target behind it.
    ASSERT_EQ(entries.count("link -> notes.txt"), 1u);
    const FtpListEntry &link = entries.at("link -> notes.txt");
    EXPECT_EQ(link.attributes & kTypeBits, FTP_ENTRY_LINK);
    EXPECT_STREQ(link.linkTarget, "notes.txt");
}

TEST_P(ListingTest, EmptyDirectoryGivesOnlyTheEndMark)
{
    std::filesystem::create_directories(OnServer("empty-folder"));
    Session session = Open();
    ASSERT_NE(session, nullptr);
    ASSERT_EQ(SAPIFtpSetCurrentDirectory(session.get(), "empty-folder", nullptr), 0);

    EXPECT_TRUE(ListCurrentDirectory(session.get()).empty());
}

INSTANTIATE_TEST_SUITE_P(RealServers, ListingTest, ::testing::ValuesIn(kAllServers),
                         ServerName);
INSTANTIATE_TEST_SUITE_P(SecureServers, ListingTest, ::testing::ValuesIn(kAllSecureServers),
                         ServerName);

} // namespace

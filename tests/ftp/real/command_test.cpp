// Login and the single commands (delete, rename, directories) against each
// kind of real server, plain and over TLS; they need no data connection, so
// the passive instances suffice.
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/real_server.h"

#include <cstring>
#include <filesystem>
#include <string>

namespace {

class CommandTest : public RealServerTest {};

std::string CurrentDirectory(FtpSession *session)
{
    char directory[256] = "unchanged";
    EXPECT_EQ(SAPIFtpGetCurrentDirectory(session, directory, nullptr), 0);
    return directory;
}

TEST_P(CommandTest, LoginRecordsTheLocalAddressAndStaysAlive)
{
    std::memset(localAddress, 0, sizeof localAddress);
    Session session = Open();
    ASSERT_NE(session, nullptr);

    EXPECT_STREQ(localAddress, "127.0.0.1");
    EXPECT_EQ(SAPIFtpKeepAlive(session.get(), nullptr), 0);
}

TEST_P(CommandTest, WrongPasswordIsRefused)
{
    EXPECT_EQ(OpenWith("not-the-password"), nullptr);
}

TEST_P(CommandTest, DeleteRemovesTheFileAndRefusesAMissingOne)
{
    WriteBytes(OnServer("doomed.txt"), "bye");
    Session session = Open();
    ASSERT_NE(session, nullptr);

    EXPECT_EQ(SAPIFtpFileDelete(session.get(), "doomed.txt", nullptr), 0);
    EXPECT_FALSE(std::filesystem::exists(OnServer("doomed.txt")));
    EXPECT_EQ(SAPIFtpFileDelete(session.get(), "doomed.txt", nullptr), -550);
}

TEST_P(CommandTest, RenameMovesTheFileAndRefusesAMissingOne)
{
    WriteBytes(OnServer("before.txt"), "contents");
    Session session = Open();
    ASSERT_NE(session, nullptr);

    EXPECT_EQ(SAPIFtpFileRename(session.get(), "before.txt", "after.txt", nullptr), 0);
    EXPECT_FALSE(std::filesystem::exists(OnServer("before.txt")));
    EXPECT_EQ(ReadBytes(OnServer("after.txt")), "contents");
    EXPECT_EQ(SAPIFtpFileRename(session.get(), "before.txt", "again.txt", nullptr), -550);
}

TEST_P(CommandTest, MakeAndRemoveDirectory)
{
    Session session = Open();
    ASSERT_NE(session, nullptr);

    EXPECT_EQ(SAPIFtpMakeDirectory(session.get(), "made"), 0);
    EXPECT_TRUE(std::filesystem::is_directory(OnServer("made")));
    EXPECT_LT(SAPIFtpMakeDirectory(session.get(), "made"), 0) << "it exists already";

    EXPECT_EQ(SAPIFtpRemoveDirectory(session.get(), "made"), 0);
    EXPECT_FALSE(std::filesystem::exists(OnServer("made")));
    EXPECT_EQ(SAPIFtpRemoveDirectory(session.get(), "made"), -550);
}

TEST_P(CommandTest, ChangeDirectoryDownAndBackUp)
{
    std::filesystem::create_directories(OnServer("walk/deeper"));
    WriteBytes(OnServer("walk/deeper/inside.txt"), "found");
    Session session = Open();
    ASSERT_NE(session, nullptr);
    ASSERT_EQ(CurrentDirectory(session.get()), "/");

    EXPECT_EQ(SAPIFtpSetCurrentDirectory(session.get(), "walk", nullptr), 0);
    EXPECT_EQ(CurrentDirectory(session.get()), "/walk");
    EXPECT_EQ(SAPIFtpSetCurrentDirectory(session.get(), "deeper", nullptr), 0);
    EXPECT_EQ(CurrentDirectory(session.get()), "/walk/deeper");
    // Names are now taken relative to the new directory.
    EXPECT_EQ(SAPIFtpFileDownload(session.get(), "inside.txt", Local("inside.txt").c_str(), 1,
                                  nullptr),
              5);

    EXPECT_EQ(SAPIFtpSetCurrentDirectory(session.get(), "..", nullptr), 0);
    EXPECT_EQ(CurrentDirectory(session.get()), "/walk");
    EXPECT_EQ(SAPIFtpSetCurrentDirectory(session.get(), ".", nullptr), 0);
    EXPECT_EQ(CurrentDirectory(session.get()), "/walk");
    EXPECT_EQ(SAPIFtpSetCurrentDirectory(session.get(), "missing", nullptr), -550);
    EXPECT_EQ(CurrentDirectory(session.get()), "/walk");
}

INSTANTIATE_TEST_SUITE_P(RealServers, CommandTest, ::testing::ValuesIn(kPassiveServers),
                         ServerName);
INSTANTIATE_TEST_SUITE_P(SecureServers, CommandTest,
                         ::testing::ValuesIn(kPassiveSecureServers), ServerName);

} // namespace

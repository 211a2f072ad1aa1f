// The single commands: what each sends, what it reports and what it returns.
#include "tests/ftp/scripted/scripted_ftp_test.h"

#include <string.h>

#include <functional>

using namespace scripted;

namespace {

class CommandTest : public ScriptedFtpTest {};

struct SingleCommand {
    const char *name;
    std::function<int(FtpSession *)> call;
    const char *verb;
    const char *reply;
    int result;
    const char *command;
};

class SingleCommandTest : public ScriptedFtpTest,
                          public ::testing::WithParamInterface<SingleCommand> {};

TEST_P(SingleCommandTest, ResultIsZeroOrTheNegatedRefusal)
{
    ScriptedFtpServer server(Script().On(GetParam().verb, Reply(GetParam().reply)));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(GetParam().result, GetParam().call(session));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({GetParam().command}), server.Finish().commands);
}

INSTANTIATE_TEST_SUITE_P(Commands, SingleCommandTest, ::testing::Values(
    SingleCommand{"MakeDirectoryAnswered257",
                  [](FtpSession *s) { return SAPIFtpMakeDirectory(s, "new"); },
                  "MKD", "257 \"/new\" created.\r\n", 0, "MKD new"},
    SingleCommand{"RemoveDirectoryAnswered550",
                  [](FtpSession *s) { return SAPIFtpRemoveDirectory(s, "old"); },
                  "RMD", "550 Directory not empty.\r\n", -550, "RMD old"},
    SingleCommand{"DeleteAnswered550",
                  [](FtpSession *s) { return SAPIFtpFileDelete(s, "gone.txt", RecordStatus); },
                  "DELE", "550 No such file.\r\n", -550, "DELE gone.txt"},
    SingleCommand{"ChangeDirectoryAnswered550",
                  [](FtpSession *s) { return SAPIFtpSetCurrentDirectory(s, "nowhere", RecordStatus); },
                  "CWD", "550 No such directory.\r\n", -550, "CWD nowhere"}),
    [](const ::testing::TestParamInfo<SingleCommand> &info) { return info.param.name; });

struct DirectoryChange {
    const char *name;
    const char *directory;
    Lines commands;
    Lines texts;
};

class DirectoryChangeTest : public ScriptedFtpTest,
                            public ::testing::WithParamInterface<DirectoryChange> {};

TEST_P(DirectoryChangeTest, SendsAndReportsByTheExactDirectoryText)
{
    ScriptedFtpServer server;
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    EXPECT_EQ(0, SAPIFtpSetCurrentDirectory(session, GetParam().directory, RecordStatus));
    EXPECT_EQ(GetParam().texts, statusLog.texts);
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session(GetParam().commands), server.Finish().commands);
}

INSTANTIATE_TEST_SUITE_P(Commands, DirectoryChangeTest, ::testing::Values(
    DirectoryChange{"Current", ".", {}, {}},
    DirectoryChange{"Parent", "..", {"CDUP"}, {"Changing to: parent"}},
    DirectoryChange{"Named", "sub dir", {"CWD sub dir"}, {"Changing to: sub dir"}},
    DirectoryChange{"BeginningWithTwoDots", "..hidden", {"CWD ..hidden"}, {"Changing to: ..hidden"}}),
    [](const ::testing::TestParamInfo<DirectoryChange> &info) { return info.param.name; });

TEST_F(CommandTest, RenameRefusedAtRnfrSendsNoRnto)
{
    ScriptedFtpServer server(Script().On("RNFR", Reply("550 No such file.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    EXPECT_EQ(-550, SAPIFtpFileRename(session, "old.txt", "new.txt", RecordStatus));
    EXPECT_EQ(Lines{"old.txt: renaming"}, statusLog.texts);
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"RNFR old.txt"}), server.Finish().commands);
}

TEST_F(CommandTest, RenameAsksBeforeEachOfItsTwoCommands)
{
    ScriptedFtpServer server;
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    EXPECT_EQ(0, SAPIFtpFileRename(session, "old.txt", "new.txt", RecordStatus));
    EXPECT_EQ((Lines{"old.txt: renaming", "new.txt: setting"}), statusLog.texts);
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"RNFR old.txt", "RNTO new.txt"}), server.Finish().commands);
}

TEST_F(CommandTest, DeleteStoppedByTheCallbackSendsNothing)
{
    ScriptedFtpServer server;
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.stopAt = "old.txt: deleting";
    EXPECT_EQ(-1, SAPIFtpFileDelete(session, "old.txt", RecordStatus));
    EXPECT_EQ("old.txt: deleting", statusLog.texts.back());
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({}), server.Finish().commands);
}

TEST_F(CommandTest, CurrentDirectoryIsTheQuotedPathWithoutTheCommentBehindIt)
{
    ScriptedFtpServer server(
        Script().On("PWD", Reply("257 \"/home/vok\" is the current directory.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    char directory[256] = "";
    EXPECT_EQ(0, SAPIFtpGetCurrentDirectory(session, directory, RecordStatus));
    EXPECT_STREQ("/home/vok", directory);
    EXPECT_EQ(Lines{"Getting current directory"}, statusLog.texts);
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"PWD"}), server.Finish().commands);
}

TEST_F(CommandTest, CurrentDirectoryWritesAtMost256Bytes)
{
    const std::string path = "/" + std::string(299, 'p');
    ScriptedFtpServer server(Script().On("PWD", Reply("257 \"" + path + "\" is current.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    char directory[400];
    memset(directory, '#', sizeof directory);
    EXPECT_EQ(0, SAPIFtpGetCurrentDirectory(session, directory, nullptr));
    EXPECT_EQ(path.substr(0, 255), std::string(directory));
    EXPECT_EQ(std::string(sizeof directory - 256, '#'), std::string(directory + 256, sizeof directory - 256));
    SAPIFtpCloseSession(session, nullptr);
}

} // namespace

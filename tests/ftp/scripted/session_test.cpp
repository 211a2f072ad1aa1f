// Opening, keeping alive and closing sessions, and reading replies that come
// in pieces, in bulk or with strange inner lines.
#include "tests/ftp/scripted/scripted_ftp_test.h"

#include <string.h>

using namespace scripted;

namespace {

class SessionTest : public ScriptedFtpTest {};

TEST_F(SessionTest, GreetingInPiecesWithACrLfSplitAcrossReceives)
{
    ScriptedFtpServer server(Script().Greet(ReplyInPieces(
        {"220-Welcome\r", "\n220-to the scripted server\r\n220 Ready.\r", "\n"})));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ("/", CurrentDirectory(session));
    EXPECT_EQ(0, SAPIFtpCloseSession(session, nullptr));
    EXPECT_EQ(Session({"PWD"}), server.Finish().commands);
}

TEST_F(SessionTest, MultiLineReplyEndsOnlyAtItsOwnCodeAndASpace)
{
    ScriptedFtpServer server(Script().On("RMD", ReplyInPieces({
        "550-Cannot remove:\r\n",
        "250 an inner line with another code\r\n",
        " 550 an inner line behind a space\r\n",
        "550-an inner line with the code and a hyphen\r\n",
        "550 Done.\r\n"})));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-550, SAPIFtpRemoveDirectory(session, "old"));
    EXPECT_EQ("/", CurrentDirectory(session));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"RMD old", "PWD"}), server.Finish().commands);
}

TEST_F(SessionTest, OfTwoRepliesInOneReceiveTheSecondIsLost)
{
    ScriptedFtpServer server(Script().On("MKD",
        Reply("257 \"/new\" created.\r\n550 A reply that nobody asked for.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(0, SAPIFtpMakeDirectory(session, "new"));
    EXPECT_EQ("/", CurrentDirectory(session));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"MKD new", "PWD"}), server.Finish().commands);
}

TEST_F(SessionTest, OpenReportsEachStepAndRecordsTheLocalAddress)
{
    ScriptedFtpServer server;
    strcpy(localAddress, "stale");
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_STREQ("127.0.0.1", localAddress);
    EXPECT_EQ(0, SAPIFtpCloseSession(session, RecordStatus));
    EXPECT_EQ((Lines{"Host: " + server.HostText(), "Username: vok", "Password:", "Quit"}),
              statusLog.texts);
    EXPECT_EQ(Session({}), server.Finish().commands);
}

TEST_F(SessionTest, UserAnswered230IsStillFollowedByPass)
{
    ScriptedFtpServer server(Script().On("USER", Reply("230 No password needed.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({}), server.Finish().commands);
}

TEST_F(SessionTest, CloseAgainstAVanishedServerFailsAndStillFreesTheSession)
{
    ScriptedFtpServer server(Script().On("PASS", HangUp("230 Logged in.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_LT(SAPIFtpCloseSession(session, nullptr), 0);
    EXPECT_EQ((Lines{"USER vok", "PASS secret"}), server.Finish().commands);
}

struct RefusedLogin {
    const char *name;
    Script script;
    Lines commands;
};

class RefusedLoginTest : public ScriptedFtpTest,
                         public ::testing::WithParamInterface<RefusedLogin> {};

TEST_P(RefusedLoginTest, OpenGivesNullAndClosesTheConnection)
{
    ScriptedFtpServer server(GetParam().script);
    EXPECT_EQ(nullptr, Open(server));
    const Transcript &seen = server.Finish();
    EXPECT_EQ(GetParam().commands, seen.commands);
    EXPECT_EQ(1, seen.connections);
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

INSTANTIATE_TEST_SUITE_P(Login, RefusedLoginTest, ::testing::Values(
    RefusedLogin{"GreetingRefused", Script().Greet(Reply("421 Too many users.\r\n")), {}},
    RefusedLogin{"GoneAfterGreeting", Script().Greet(HangUp("220 Ready.\r\n")), {}},
    RefusedLogin{"UserRefused", Script().On("USER", Reply("530 Not allowed.\r\n")), {"USER vok"}},
    RefusedLogin{"PassRefused", Script().On("PASS", Reply("530 Login incorrect.\r\n")),
                 {"USER vok", "PASS secret"}}),
    [](const ::testing::TestParamInfo<RefusedLogin> &info) { return info.param.name; });

struct StoppedOpen {
    const char *stopAt;
    int connections;
    Lines commands;
};

class StoppedOpenTest : public ScriptedFtpTest,
                        public ::testing::WithParamInterface<StoppedOpen> {};

TEST_P(StoppedOpenTest, CallbackStopsTheOpenBeforeItsNextStep)
{
    ScriptedFtpServer server;
    statusLog.stopAt = GetParam().stopAt;
    EXPECT_EQ(nullptr, Open(server));
    EXPECT_EQ(GetParam().stopAt, statusLog.texts.back().substr(0, strlen(GetParam().stopAt)));
    const Transcript &seen = server.Finish();
    EXPECT_EQ(GetParam().connections, seen.connections);
    EXPECT_EQ(GetParam().commands, seen.commands);
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

INSTANTIATE_TEST_SUITE_P(Open, StoppedOpenTest, ::testing::Values(
    StoppedOpen{"Host: ", 0, {}},
    StoppedOpen{"Username: ", 1, {}},
    StoppedOpen{"Password:", 1, {"USER vok"}}),
    [](const ::testing::TestParamInfo<StoppedOpen> &info) {
        return std::string(info.param.stopAt).substr(0, 4);
    });

class KeepAliveTest : public ScriptedFtpTest {};

TEST_F(KeepAliveTest, NoopAnswered200KeepsTheConnectionSilently)
{
    ScriptedFtpServer server;
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    EXPECT_EQ(0, SAPIFtpKeepAlive(session, RecordStatus));
    EXPECT_EQ(Lines{}, statusLog.texts);
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session({"NOOP"}), seen.commands);
    EXPECT_EQ(1, seen.connections);
}

TEST_F(KeepAliveTest, NoopAnswered421ReconnectsAndLogsInAgain)
{
    ScriptedFtpServer server(Script().On("NOOP", Reply("421 Idle too long.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    strcpy(localAddress, "stale");
    EXPECT_EQ(1, SAPIFtpKeepAlive(session, RecordStatus));
    EXPECT_STREQ("127.0.0.1", localAddress);
    EXPECT_EQ((Lines{"Host: " + server.HostText(), "Username: vok", "Password:"}), statusLog.texts);
    EXPECT_EQ("/", CurrentDirectory(session));
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ((Lines{"USER vok", "PASS secret", "NOOP", "QUIT", "USER vok", "PASS secret", "PWD",
                     "QUIT"}),
              seen.commands);
    EXPECT_EQ(2, seen.connections);
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

TEST_F(KeepAliveTest, RefusedSecondLoginGivesMinus3)
{
    ScriptedFtpServer server(Script()
        .On("NOOP", Reply("421 Idle too long.\r\n"))
        .On("PASS", Reply("530 Login incorrect.\r\n"), 2));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-3, SAPIFtpKeepAlive(session, nullptr));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ((Lines{"USER vok", "PASS secret", "NOOP", "QUIT", "USER vok", "PASS secret", "QUIT"}),
              server.Finish().commands);
}

} // namespace

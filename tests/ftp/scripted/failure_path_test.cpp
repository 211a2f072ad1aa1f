// Replies that are broken, cut off or never come, and the failures around a
// transfer that a willing server never causes: each with its exact result.
#include "ftp/session.h"
#include "ftp/status.h"
#include "tests/ftp/real/heartbeat_probe.h"
#include "tests/ftp/scripted/scripted_ftp_test.h"
#include "tests/servers/scripted/control_connection.h"

#include <string>

using namespace scripted;

namespace {

class FailurePathTest : public ScriptedFtpTest {
protected:
    // Waits that end the test's cases take a second, not a minute.
    static FtpSession *OpenWithShortWaits(const ScriptedFtpServer &server)
    {
        FtpSession *session = Open(server);
        ftp::ftpWaitSeconds = 1;
        return session;
    }
};

struct BrokenReply {
    const char *name;
    Handler mkd;
    int result;
};

class BrokenReplyTest : public FailurePathTest, public ::testing::WithParamInterface<BrokenReply> {};

TEST_P(BrokenReplyTest, EachReplyStageHasItsOwnResult)
{
    ScriptedFtpServer server(Script().On("MKD", GetParam().mkd));
    FtpSession *session = OpenWithShortWaits(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(GetParam().result, SAPIFtpMakeDirectory(session, "new"));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(0, server.Finish().socketsLeftOpen);
}

INSTANTIATE_TEST_SUITE_P(Mkd, BrokenReplyTest, ::testing::Values(
    BrokenReply{"NothingArrives", Reply(""), -100},
    BrokenReply{"ClosedBeforeAReply", HangUp(), -101},
    BrokenReply{"LineWithoutEnd", Reply("257 created"), -102},
    BrokenReply{"LineWithoutEndThenClosed", HangUp("257 created"), -103},
    BrokenReply{"FirstPieceShorterThanACode", Reply("25"), -104},
    BrokenReply{"FirstPieceShorterThanACodeThenClosed", HangUp("25"), -105},
    BrokenReply{"MultiLineWithoutFinalLine", Reply("257-created\r\n"), -104},
    BrokenReply{"MultiLineWithoutFinalLineThenClosed", HangUp("257-created\r\n"), -105},
    BrokenReply{"FinalLineWithoutEnd", Reply("257-created\r\n257 done"), -106},
    BrokenReply{"FinalLineWithoutEndThenClosed", HangUp("257-created\r\n257 done"), -107},
    BrokenReply{"Letters", Reply("abc\r\n"), -108},
    BrokenReply{"DigitAndLetters", Reply("2x0 created\r\n"), -108},
    BrokenReply{"CodeAbove599", Reply("600 created\r\n"), -108},
    BrokenReply{"CodeInPieces", ReplyInPieces({"2", "57 created\r\n"}), 0}),
    [](const ::testing::TestParamInfo<BrokenReply> &info) { return info.param.name; });

TEST_F(FailurePathTest, GreetingThatAsksToWaitIsFollowedByTheRealOneInTheSameReceive)
{
    ScriptedFtpServer server(Script()
        .Greet(Reply("120 Ready in a moment.\r\n220 Ready.\r\n"))
        .On("MKD", Reply("550 Not allowed.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-550, SAPIFtpMakeDirectory(session, "new"));
    EXPECT_EQ("/", CurrentDirectory(session));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"MKD new", "PWD"}), server.Finish().commands);
}

TEST_F(FailurePathTest, GreetingThatAsksToWaitIsFollowedByTheRealOneLater)
{
    ScriptedFtpServer server(Script()
        .Greet(ReplyInPieces({"120 Ready in a moment.\r\n", "220 Ready.\r\n"}))
        .On("PASS", Reply("530 Login incorrect.\r\n")));
    EXPECT_EQ(nullptr, Open(server));
    const Transcript &seen = server.Finish();
    EXPECT_EQ((Lines{"USER vok", "PASS secret"}), seen.commands);
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

TEST_F(FailurePathTest, FinalReplyKeptBehind150KeepsItsWholeText)
{
    const std::string longFinal =
        "226-" + std::string(700, 'x') + "\r\n226 Transfer complete.\r\n";
    ScriptedFtpServer server(Script().On("RETR", [longFinal](ControlConnection &connection,
                                                             const std::string &) {
        Socket transfer = connection.Data().Open();
        SendInPieces(transfer, {"hello"});
        transfer.Close();
        connection.Send({"150 Opening data connection.\r\n" + longFinal});
    }));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    const std::string local = LocalPath("f.bin");
    EXPECT_EQ(5, SAPIFtpFileDownload(session, "f.bin", local.c_str(), 1, nullptr));
    EXPECT_EQ("/", CurrentDirectory(session));
    SAPIFtpCloseSession(session, nullptr);
}

TEST_F(FailurePathTest, TextsTooLongForTheCommandLineAreNeverSent)
{
    const std::string longName(300, 'n');
    ScriptedFtpServer server;
    EXPECT_EQ(nullptr, SAPIFtpOpenSession(server.HostText().c_str(), longName.c_str(), "secret", nullptr));
    EXPECT_EQ(nullptr, SAPIFtpOpenSession(server.HostText().c_str(), "vok", longName.c_str(), nullptr));
    EXPECT_EQ(nullptr, SAPIFtpOpenSession((server.HostText() + longName).c_str(), "vok", "secret", nullptr));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-200, SAPIFtpMakeDirectory(session, std::string(250, 'd').c_str()));
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session({}), seen.commands);
    EXPECT_EQ(1, seen.connections);
}

TEST_F(FailurePathTest, UploadOfAMissingLocalFileSendsNothing)
{
    ScriptedFtpServer server;
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-801, SAPIFtpFileUpload(session, LocalPath("absent.txt").c_str(), "remote.txt", 0, nullptr));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({}), server.Finish().commands);
}

TEST_F(FailurePathTest, DownloadIntoAFolderThatDoesNotExist)
{
    ScriptedFtpServer server(Script().On("RETR", Retrieve({"hello"})));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-701, SAPIFtpFileDownload(session, "f.bin", LocalPath("no/f.bin").c_str(), 1, nullptr));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(0, server.Finish().socketsLeftOpen);
}

TEST_F(FailurePathTest, ActiveServerThatNeverConnects)
{
    ScriptedFtpServer server(Script().On("PASV", NoPassive()).On("RETR", Reply("150 Opening.\r\n")));
    FtpSession *session = OpenWithShortWaits(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-700, SAPIFtpFileDownload(session, "f.bin", LocalPath("f.bin").c_str(), 1, nullptr));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(0, server.Finish().socketsLeftOpen);
}

// The wait for the server's connection gives the heartbeat with what the
// transfer stands at, and a stop ends it with the full wait still ahead.
TEST_F(FailurePathTest, ActiveServerThatNeverConnectsIsStoppedByTheCallback)
{
    ScriptedFtpServer server(Script().On("PASV", NoPassive()).On("RETR", Reply("150 Opening.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    heartbeat_probe::Expect("f.bin: 0 bytes retrieved", 3);
    EXPECT_EQ(ftp::kStopped, SAPIFtpFileDownload(session, "f.bin", LocalPath("f.bin").c_str(), 1,
                                                 heartbeat_probe::Listen));
    heartbeat_probe::ExpectSteadyRepeats();
    EXPECT_LT(heartbeat_probe::Clock::now() - heartbeat_probe::Times().back(),
              heartbeat_probe::kMostApart);
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(0, server.Finish().socketsLeftOpen);
}

TEST_F(FailurePathTest, PortAnsweredWithAnotherCodeEndsTheTransferWithIt)
{
    ScriptedFtpServer server(Script().On("PASV", NoPassive()).On("PORT", Reply("202 Not needed.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(202, SAPIFtpFileDownload(session, "f.bin", LocalPath("f.bin").c_str(), 1, nullptr));
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session({"TYPE I", "PASV", "PORT 127,0,0,1,*"}), WithPortsMasked(seen.commands));
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

TEST_F(FailurePathTest, ListingWhoseFinalReplyIsNot226)
{
    ScriptedFtpServer server(Script().On("LIST", Retrieve({"-rw-r--r-- 1 a b 5 Jan 01 2020 f\r\n"},
                                                          "250 Done.\r\n")));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    FtpListEntry *table = nullptr;
    EXPECT_EQ(-2, SAPIFtpListing(session, &table, nullptr));
    EXPECT_EQ(nullptr, table);
    SAPIFtpCloseSession(session, nullptr);
}

} // namespace

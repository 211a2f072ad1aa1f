// Downloads, resumed downloads and uploads: how the data connection is made,
// what reaches the local file or the server, and what each fault returns.
#include "tests/ftp/scripted/scripted_ftp_test.h"
#include "tests/servers/scripted/control_connection.h"

using namespace scripted;

namespace {

class TransferTest : public ScriptedFtpTest {};

// One transfer's commands: type, data connection (with PORT's port masked),
// then the transfer command itself.
Lines TransferCommands(const std::string &type, bool active, const std::string &command)
{
    Lines commands{type, "PASV"};
    if (active)
        commands.push_back("PORT 127,0,0,1,*");
    commands.push_back(command);
    return commands;
}

struct DataRoute {
    const char *name;
    Handler pasv;
    bool active;
};

class DataRouteTest : public ScriptedFtpTest, public ::testing::WithParamInterface<DataRoute> {};

TEST_P(DataRouteTest, DownloadArrivesWhicheverWayTheDataConnectionIsMade)
{
    ScriptedFtpServer server(Script().On("PASV", GetParam().pasv).On("RETR", Retrieve({"hello"})));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    const std::string local = LocalPath("f.bin");
    EXPECT_EQ(5, SAPIFtpFileDownload(session, "f.bin", local.c_str(), 1, nullptr));
    EXPECT_EQ("hello", ReadFile(local));
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session(TransferCommands("TYPE I", GetParam().active, "RETR f.bin")),
              WithPortsMasked(seen.commands));
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

INSTANTIATE_TEST_SUITE_P(Download, DataRouteTest, ::testing::Values(
    DataRoute{"PassiveInParentheses", Passive("227 Entering Passive Mode (%s).\r\n"), false},
    DataRoute{"PassiveWithoutParentheses", Passive("227 Entering Passive Mode %s\r\n"), false},
    // The data connection goes to the control connection's peer, whatever the
    // reply names; 127.0.0.2 refuses at once, so a client that follows it fails fast.
    DataRoute{"PassiveNamingAnotherHost", Passive(kPassiveReply, "127.0.0.2"), false},
    DataRoute{"PassiveRefused", NoPassive(), true},
    DataRoute{"PassiveToAClosedPort", PassiveToClosedPort(), true},
    DataRoute{"PassiveWithoutAddress", Reply("227 Entering Passive Mode.\r\n"), true}),
    [](const ::testing::TestParamInfo<DataRoute> &info) { return info.param.name; });

// A fast server: the file is gone over the data connection before the client
// reads the 150, and the 226 arrives in the same receive as the 150.
Handler RetrieveWithBothRepliesTogether(const std::string &data)
{
    return [data](ControlConnection &connection, const std::string &) {
        Socket transfer = connection.Data().Open();
        SendInPieces(transfer, {data});
        transfer.Close();
        connection.Send({"150 Opening data connection.\r\n226 Transfer complete.\r\n"});
    };
}

struct DownloadOutcome {
    const char *name;
    Handler retr;
    int result;
    std::string file;
};

class DownloadOutcomeTest : public ScriptedFtpTest,
                            public ::testing::WithParamInterface<DownloadOutcome> {};

TEST_P(DownloadOutcomeTest, ResultAndLocalFileFollowTheFinalReply)
{
    ScriptedFtpServer server(Script().On("RETR", GetParam().retr));
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    const std::string local = LocalPath("f.bin");
    EXPECT_EQ(GetParam().result, SAPIFtpFileDownload(session, "f.bin", local.c_str(), 1, nullptr));
    EXPECT_TRUE(FileExists(local));
    EXPECT_EQ(GetParam().file, ReadFile(local));
    EXPECT_EQ("/", CurrentDirectory(session));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"TYPE I", "PASV", "RETR f.bin", "PWD"}), server.Finish().commands);
}

INSTANTIATE_TEST_SUITE_P(Download, DownloadOutcomeTest, ::testing::Values(
    DownloadOutcome{"EmptyFile", Retrieve({}), 0, ""},
    DownloadOutcome{"FileInPieces", Retrieve({"hel", "lo"}), 5, "hello"},
    DownloadOutcome{"BothRepliesInOneReceive", RetrieveWithBothRepliesTogether("hello"), 5, "hello"},
    DownloadOutcome{"Final250NotAccepted", Retrieve({"hello"}, "250 Done.\r\n"), -2, "hello"},
    DownloadOutcome{"DropAfterAPart", Retrieve({"hel"}, "426 Connection closed; transfer aborted.\r\n"),
                    -2, "hel"}),
    [](const ::testing::TestParamInfo<DownloadOutcome> &info) { return info.param.name; });

class MissingRemoteFileTest : public ScriptedFtpTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MissingRemoteFileTest, RefusedRetrLeavesNoFileAndNoSocket)
{
    const bool active = GetParam();
    Script script;
    script.On("RETR", Reply("550 No such file.\r\n"));
    if (active)
        script.On("PASV", NoPassive());
    ScriptedFtpServer server(script);
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    const std::string local = LocalPath("missing.bin");
    EXPECT_EQ(-550, SAPIFtpFileDownload(session, "missing.bin", local.c_str(), 1, nullptr));
    EXPECT_FALSE(FileExists(local));
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session(TransferCommands("TYPE I", active, "RETR missing.bin")),
              WithPortsMasked(seen.commands));
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

INSTANTIATE_TEST_SUITE_P(Download, MissingRemoteFileTest, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool> &info) { return info.param ? "Active" : "Passive"; });

TEST_F(TransferTest, AppendRestartsAtTheLocalSizeAndCountsOnlyNewBytes)
{
    ScriptedFtpServer server(Script().On("RETR", Retrieve({"new bytes"})));
    const std::string local = LocalPath("setup.exe");
    const std::string old(1000, 'o');
    WriteFile(local, old);
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(9, SAPIFtpFileAppend(session, "setup.exe", local.c_str(), 1, nullptr));
    EXPECT_EQ(old + "new bytes", ReadFile(local));
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"TYPE I", "PASV", "REST 1000", "RETR setup.exe"}), server.Finish().commands);
}

TEST_F(TransferTest, AppendWithoutALocalFileSendsNeitherRestNorRetr)
{
    ScriptedFtpServer server;
    const std::string local = LocalPath("setup.exe");
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(-99, SAPIFtpFileAppend(session, "setup.exe", local.c_str(), 1, nullptr));
    EXPECT_FALSE(FileExists(local));
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session({"TYPE I", "PASV"}), seen.commands);
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

TEST_F(TransferTest, DownloadReportsTheRunningTotalAfterEachBlockAndAtTheEnd)
{
    ScriptedFtpServer server(Script().On("RETR", Retrieve({"abc", "de"})));
    const std::string local = LocalPath("setup.exe");
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    EXPECT_EQ(5, SAPIFtpFileDownload(session, "setup.exe", local.c_str(), 0, RecordStatus));
    EXPECT_EQ((Lines{"setup.exe: 3 bytes retrieved", "setup.exe: 5 bytes retrieved",
                     "setup.exe: 5 bytes retrieved"}),
              statusLog.texts);
    SAPIFtpCloseSession(session, nullptr);
    EXPECT_EQ(Session({"TYPE A N", "PASV", "RETR setup.exe"}), server.Finish().commands);
}

TEST_F(TransferTest, CallbackStopAfterTheFirstBlockKeepsExactlyThatBlock)
{
    ScriptedFtpServer server(Script().On("RETR", Retrieve({"first block", "second block"})));
    const std::string local = LocalPath("setup.exe");
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.stopAt = "setup.exe: ";
    EXPECT_EQ(-1, SAPIFtpFileDownload(session, "setup.exe", local.c_str(), 1, RecordStatus));
    EXPECT_EQ("first block", ReadFile(local));
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_EQ(Session({"TYPE I", "PASV", "RETR setup.exe"}), seen.commands);
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

class UploadTest : public ScriptedFtpTest, public ::testing::WithParamInterface<bool> {};

TEST_P(UploadTest, StoresTheExactBytesAndReportsEach4096ByteBlock)
{
    const bool active = GetParam();
    Script script;
    if (active)
        script.On("PASV", NoPassive());
    ScriptedFtpServer server(script);
    std::string record;
    for (int i = 0; i < 5000; ++i)
        record += static_cast<char>(i % 251);
    const std::string local = LocalPath("record.txt");
    WriteFile(local, record);
    FtpSession *session = Open(server);
    ASSERT_NE(nullptr, session);
    statusLog.texts.clear();
    EXPECT_EQ(5000, SAPIFtpFileUpload(session, local.c_str(), "vok-1.txt", 0, RecordStatus));
    EXPECT_EQ((Lines{"record.txt: 4096 bytes stored", "record.txt: 5000 bytes stored",
                     "record.txt: 5000 bytes stored"}),
              statusLog.texts);
    SAPIFtpCloseSession(session, nullptr);
    const Transcript &seen = server.Finish();
    EXPECT_TRUE(seen.stored == record);
    EXPECT_EQ(Session(TransferCommands("TYPE A N", active, "STOR vok-1.txt")),
              WithPortsMasked(seen.commands));
    EXPECT_EQ(0, seen.socketsLeftOpen);
}

INSTANTIATE_TEST_SUITE_P(Upload, UploadTest, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool> &info) { return info.param ? "Active" : "Passive"; });

} // namespace

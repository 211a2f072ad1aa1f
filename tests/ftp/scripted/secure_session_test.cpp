// Secure sessions that never get to TLS: every way the AUTH TLS step can go
// wrong ends in null with one status text that names it, and the account
// never leaves the client.
#include "tests/ftp/real/command_log.h"
#include "tests/ftp/scripted/scripted_ftp_test.h"

#include <ostream>

using namespace scripted;

namespace {

struct Refusal {
    const char *what;
    Handler auth; // the answer to AUTH TLS
    const char *status;
};

class SecureRefusalTest : public ScriptedFtpTest,
                          public ::testing::WithParamInterface<Refusal> {};

void PrintTo(const Refusal &refusal, std::ostream *out)
{
    *out << refusal.what;
}

TEST_P(SecureRefusalTest, OpenFailsWithoutSendingTheAccount)
{
    ScriptedFtpServer server(Script().On("AUTH", GetParam().auth));

    EXPECT_EQ(nullptr, SAPIFtpOpenSecureSession(server.HostText().c_str(), "vok", "secret",
                                                nullptr, RecordStatus));

    EXPECT_EQ((Lines{"Host: " + server.HostText(), GetParam().status}), statusLog.texts);
    const Lines commands = server.Finish().commands;
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ("AUTH TLS", commands.front());
    EXPECT_FALSE(HoldsAccount(commands)) << ::testing::PrintToString(commands);
}

const Refusal kRefusals[] = {
    {"AuthUnknown", Reply("500 Unknown command.\r\n"), "No secure connection: 500 Unknown command."},
    // The scripted server's own answer to a verb it does not know.
    {"AuthNotImplemented", Script().For("AUTH", Script::kEvery),
     "No secure connection: 502 Command not implemented."},
    {"AuthRefusedOverSeveralLines", Reply("534-Not here.\r\n534 Policy says no.\r\n"),
     "No secure connection: 534-Not here."},
    // A positive answer other than 234 is no way into TLS either.
    {"AuthWantsSecurityData", Reply("334 ADAT=abc\r\n"), "No secure connection: 334 ADAT=abc"},
    {"ServerVanishesInsteadOfAnswering", HangUp(), "No secure connection: no reply to AUTH TLS"},
    {"ServerVanishesAfter234", HangUp("234 Proceed.\r\n"),
     "No secure connection: TLS handshake failed"},
    // Text where the server's hello should be.
    {"ServerAnswersTheHelloWithText",
     ReplyInPieces({"234 Proceed.\r\n", "HTTP/1.0 400 Bad Request\r\n\r\n"}),
     "No secure connection: TLS handshake failed"},
};

INSTANTIATE_TEST_SUITE_P(Refusals, SecureRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<Refusal> &info) {
                             return std::string(info.param.what);
                         });

class SecureOpenTest : public ScriptedFtpTest {};

TEST_F(SecureOpenTest, UnresolvableHostReportsNoSecureOutcome)
{
    // Nothing was connected, so no TLS text: the wizard's "cannot connect".
    EXPECT_EQ(nullptr, SAPIFtpOpenSecureSession("no-such-host.invalid", "vok", "secret", nullptr,
                                                RecordStatus));
    EXPECT_EQ((Lines{"Host: no-such-host.invalid"}), statusLog.texts);
}

TEST_F(SecureOpenTest, StopAtTheHostReportSendsNothing)
{
    ScriptedFtpServer server;
    statusLog.stopAt = "Host:";

    EXPECT_EQ(nullptr, SAPIFtpOpenSecureSession(server.HostText().c_str(), "vok", "secret",
                                                nullptr, RecordStatus));

    EXPECT_EQ(Lines{}, server.Finish().commands);
}

} // namespace

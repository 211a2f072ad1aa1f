// ftp/tls.h against openssl s_server on loopback (a reversing line echo), one
// server for each certificate of the test set: the check must refuse every
// flawed one, and records must pass both ways on sockets that block or not.
#include "ftp/net.h"
#include "ftp/tls.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

const int kWaitSeconds = 10;

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr ? value : "";
}

uint32_t Loopback()
{
    uint32_t address = 0;
    net::ResolveHost("127.0.0.1", &address);
    return address;
}

// A socket connected to the echo server with the given certificate.
net::Socket ConnectToEcho(const std::string &certificate)
{
    std::string variable = "VOK_TLS_ECHO_" + certificate;
    for (char &c : variable)
        c = c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const int port = std::atoi(Environment(variable.c_str()).c_str());
    EXPECT_NE(port, 0) << variable << " must be set (CTest starts the servers)";
    net::Socket socket = net::CreateTcpSocket();
    EXPECT_TRUE(net::Connect(socket, Loopback(), static_cast<uint16_t>(port)));
    return socket;
}

// A socket and its channel, both closed at the end.
struct Connection {
    net::Socket socket = net::kNoSocket;
    tls::Channel *channel = nullptr;
    tls::Failure failure = tls::Failure::kNone;

    Connection(net::Socket connected, const char *host, const std::string &caFile,
               const tls::Channel *resumeFrom = nullptr, int waitSeconds = kWaitSeconds)
        : socket(connected)
    {
        channel = tls::Open(socket, host, caFile.empty() ? nullptr : caFile.c_str(), resumeFrom,
                            waitSeconds, tls::Waiter{}, &failure);
        EXPECT_EQ(channel == nullptr, failure != tls::Failure::kNone);
    }
    ~Connection()
    {
        tls::Close(channel);
        net::Close(socket);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
};

std::string Certificates(const char *file)
{
    const std::string folder = Environment("VOK_TEST_CERTIFICATES");
    EXPECT_FALSE(folder.empty()) << "VOK_TEST_CERTIFICATES must be set";
    return folder + "/" + file;
}

// Receives until count bytes came (or the connection ended),
// waiting on the socket only when nothing decrypted is pending.
std::string ReceiveBytes(Connection &connection, size_t count)
{
    std::string text;
    char buffer[1000]; // smaller than a record, so that bytes stay pending
    while (text.size() < count) {
        if (!tls::HasPending(connection.channel) &&
            net::WaitReady(connection.socket, false, kWaitSeconds * 1000) !=
                net::Readiness::kReady)
            break;
        const int got = tls::Receive(connection.channel, buffer, sizeof buffer);
        if (got == net::kWouldBlock)
            continue;
        if (got <= 0)
            break;
        text.append(buffer, got);
    }
    return text;
}

// Lines of 999 characters and their echo, each reversed.
void MakeLines(int count, std::string *lines, std::string *echo)
{
    for (int i = 0; i < count; ++i) {
        std::string line(999, static_cast<char>('a' + i % 26));
        line[0] = static_cast<char>('0' + i % 10);
        *lines += line + "\n";
        *echo += std::string(line.rbegin(), line.rend()) + "\n";
    }
}

void ExpectEcho(Connection &connection, int lineCount)
{
    std::string lines, echo;
    MakeLines(lineCount, &lines, &echo);
    ASSERT_EQ(tls::Send(connection.channel, lines.data(), static_cast<int>(lines.size())),
              static_cast<int>(lines.size()));
    EXPECT_EQ(ReceiveBytes(connection, echo.size()), echo);
}

struct CheckCase {
    const char *name;
    const char *server; // the certificate the echo server shows
    const char *host;
    const char *caFile; // in the certificate folder; null for the system's roots
    tls::Failure expected;
};

const CheckCase kCheckCases[] = {
    {"address_by_test_ca", "server", "127.0.0.1", "ca.pem", tls::Failure::kNone},
    {"name_by_test_ca", "server", "localhost", "ca.pem", tls::Failure::kNone},
    {"name_in_other_case", "server", "LocalHost", "ca.pem", tls::Failure::kNone},
    {"test_ca_not_among_system_roots", "server", "127.0.0.1", nullptr, tls::Failure::kUntrusted},
    {"other_ca_file", "server", "127.0.0.1", "untrusted-ca.pem", tls::Failure::kUntrusted},
    {"missing_ca_file", "server", "127.0.0.1", "absent.pem", tls::Failure::kUntrusted},
    {"other_address", "server", "127.0.0.2", "ca.pem", tls::Failure::kUntrusted},
    {"other_name", "server", "otherhost", "ca.pem", tls::Failure::kUntrusted},
    {"dns_entry_for_address", "other-name", "127.0.0.1", "ca.pem", tls::Failure::kUntrusted},
    {"dns_entry_other", "other-name", "localhost", "ca.pem", tls::Failure::kUntrusted},
    {"expired", "expired", "127.0.0.1", "ca.pem", tls::Failure::kUntrusted},
    {"self_signed", "self-signed", "127.0.0.1", "ca.pem", tls::Failure::kUntrusted},
    {"by_untrusted_ca", "untrusted", "127.0.0.1", "ca.pem", tls::Failure::kUntrusted},
    {"issuer_name_forged", "forged", "127.0.0.1", "ca.pem", tls::Failure::kUntrusted},
};

class CertificateCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CertificateCheck, GivesTheExpectedResult)
{
    const CheckCase &test = GetParam();
    Connection connection(ConnectToEcho(test.server), test.host,
                          test.caFile != nullptr ? Certificates(test.caFile) : "");
    EXPECT_EQ(connection.failure, test.expected);
    if (connection.channel != nullptr)
        ExpectEcho(connection, 1);
}

INSTANTIATE_TEST_SUITE_P(Servers, CertificateCheck, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase> &info) {
                             return std::string(info.param.name);
                         });

class Records : public ::testing::TestWithParam<bool> {};

// Many records each way (more than one record a send), a receive buffer
// smaller than a record, and the peer's close_notify at the end.
TEST_P(Records, PassBothWaysUntilThePeerCloses)
{
    const bool nonBlocking = GetParam();
    net::Socket socket = ConnectToEcho("server");
    if (nonBlocking) {
        ASSERT_TRUE(net::SetNonBlocking(socket));
    }
    Connection connection(socket, "127.0.0.1", Certificates("ca.pem"));
    ASSERT_NE(connection.channel, nullptr);
    const std::string description = tls::Description(connection.channel);
    EXPECT_EQ(description.rfind("TLSv1.", 0), 0u) << description;
    EXPECT_GT(description.size(), 9u) << "names no cipher: " << description;
    EXPECT_EQ(description.find('<'), std::string::npos) << description;
    if (nonBlocking) {
        char byte;
        EXPECT_EQ(tls::Receive(connection.channel, &byte, 1), net::kWouldBlock);
    }
    ExpectEcho(connection, 80);

    const char close[] = "CLOSE\n";
    ASSERT_EQ(tls::Send(connection.channel, close, 6), 6);
    EXPECT_EQ(ReceiveBytes(connection, 1), "");
    char byte;
    EXPECT_EQ(tls::Receive(connection.channel, &byte, 1), 0) << "the end is kept";
}

INSTANTIATE_TEST_SUITE_P(Sockets, Records, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "non_blocking" : "blocking");
                         });

// A data connection resumes from the control connection's channel, and works
// on after that channel is closed.
TEST(Resume, SecondChannelOutlivesTheFirst)
{
    const std::string ca = Certificates("ca.pem");
    Connection *control = new Connection(ConnectToEcho("server"), "127.0.0.1", ca);
    ASSERT_NE(control->channel, nullptr);
    Connection data(ConnectToEcho("server-again"), "127.0.0.1", ca, control->channel);
    delete control;
    ASSERT_NE(data.channel, nullptr);
    ExpectEcho(data, 3);
}

// A listening socket whose connections nobody accepts: the connect succeeds
// (the backlog takes it), and nothing ever answers.
struct Listener {
    net::Socket socket = net::CreateTcpSocket();
    uint16_t port = 0;
    Listener()
    {
        uint32_t address = 0;
        EXPECT_TRUE(net::BindAnyPort(socket) && net::Listen(socket, 4) &&
                    net::LocalEnd(socket, &address, &port));
    }
    ~Listener() { net::Close(socket); }
    net::Socket Connect() const
    {
        net::Socket client = net::CreateTcpSocket();
        EXPECT_TRUE(net::Connect(client, Loopback(), port));
        return client;
    }
};

TEST(Handshake, SilentPeerEndsWithinTheWait)
{
    Listener listener;
    const long long start = net::MonotonicMilliseconds();
    Connection connection(listener.Connect(), "127.0.0.1", Certificates("ca.pem"), nullptr, 1);
    EXPECT_EQ(connection.failure, tls::Failure::kHandshake);
    EXPECT_LT(net::MonotonicMilliseconds() - start, 3000);
}

TEST(Handshake, PlainTextPeerFails)
{
    Listener listener;
    net::Socket client = listener.Connect();
    net::Socket server = net::Accept(listener.socket);
    const char greeting[] = "220 plain FTP, no TLS here\r\n";
    ASSERT_EQ(net::Send(server, greeting, sizeof greeting - 1), int(sizeof greeting - 1));
    Connection connection(client, "127.0.0.1", Certificates("ca.pem"));
    EXPECT_EQ(connection.failure, tls::Failure::kHandshake);
    net::Close(server);
}

} // namespace

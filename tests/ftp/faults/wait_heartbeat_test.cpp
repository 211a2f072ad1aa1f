// Every kind of wait of a session with a callback, behind a proxy that holds
// one reply or one data connection for good (fault-proxy.py, one proxy for
// each case): the callback is given the text of the last report at least
// every 250 ms, and its stop ends the operation there with -1 (an open with
// null), at once and with no descriptor left open.
#include "ftp/net.h"
#include "ftp/status.h"
#include "tests/ftp/faults/fault_places.h"
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/heartbeat_probe.h"
#include "tests/ftp/real/open_descriptors.h"
#include "tests/ftp/real/real_server.h"

#include <cstdlib>
#include <ostream>
#include <string>

namespace {

using heartbeat_probe::Clock;

enum class Step { kOpen, kSecureOpen, kChangeDirectory, kDownload, kListing };

struct Stall {
    const char *server; // the proxy's server, as CMakeLists.txt names it
    const char *fault;  // the proxy's case, as CMakeLists.txt names it
    Step step;          // the operation that meets the stall
    // The text that the heartbeat repeats; "Host: " is followed by the
    // proxy's address.
    const char *repeated;
};

void PrintTo(const Stall &stall, std::ostream *out)
{
    *out << stall.fault;
}

const char kHeldFile[] = "held.bin";
const std::size_t kHeldFileSize = 1000;

const Stall kStalls[] = {
    {"pyftpdlib", "hold-greeting", Step::kOpen, "Host: "},
    {"pyftpdlib", "hold-pass", Step::kOpen, "Password:"},
    {"pyftpdlib", "hold-cwd", Step::kChangeDirectory, "Changing to: incoming"},
    // The 226 after the data: the report of the whole file goes on.
    {"pyftpdlib", "hold-226", Step::kDownload, "held.bin: 1000 bytes retrieved"},
    // The proxy relays the listing's first byte, then holds the rest.
    {"pyftpdlib", "listing-stall", Step::kListing, "Directory listing: 1 bytes received"},
    // The 234 to AUTH TLS comes, the server's side of the handshake never.
    {"pyftpdlib_tls", "hold-after-auth", Step::kSecureOpen, "Host: "},
};

class WaitHeartbeatTest : public ::testing::TestWithParam<Stall> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(places_.Find(GetParam().server, GetParam().fault)) << places_.missing;
        WriteBytes(places_.home / kHeldFile, MixedBytes(kHeldFileSize));
        const char *certificates = std::getenv("VOK_TEST_CERTIFICATES");
        caFile_ = certificates != nullptr ? std::string(certificates) + "/ca.pem" : "";
    }

    std::string Repeated() const
    {
        const std::string text = GetParam().repeated;
        return text == "Host: " ? text + places_.proxy : text;
    }

    // The case's operation, the heartbeat probe as its callback: its result,
    // an open's as 0 for a session (closed again) and -1 for null.
    int Run() const
    {
        const char *proxy = places_.proxy.c_str();
        const Step step = GetParam().step;
        if (step == Step::kOpen || step == Step::kSecureOpen) {
            FtpSession *opened =
                step == Step::kOpen
                    ? SAPIFtpOpenSession(proxy, "vok", "wavu4n", heartbeat_probe::Listen)
                    : SAPIFtpOpenSecureSession(proxy, "vok", "wavu4n", caFile_.c_str(),
                                               heartbeat_probe::Listen);
            Session session(opened);
            return session == nullptr ? ftp::kStopped : 0;
        }
        Session session(SAPIFtpOpenSession(proxy, "vok", "wavu4n", nullptr));
        EXPECT_NE(session, nullptr);
        if (session == nullptr)
            return 0;
        heartbeat_probe::Expect(Repeated(), kStopAtRepeat);
        if (step == Step::kChangeDirectory)
            return SAPIFtpSetCurrentDirectory(session.get(), "incoming", heartbeat_probe::Listen);
        if (step == Step::kDownload)
            return SAPIFtpFileDownload(session.get(), kHeldFile, places_.Local(kHeldFile).c_str(),
                                       1, heartbeat_probe::Listen);
        FtpListEntry *table = nullptr;
        const int listed = SAPIFtpListing(session.get(), &table, heartbeat_probe::Listen);
        EXPECT_EQ(table, nullptr);
        return listed;
    }

    static const std::size_t kStopAtRepeat = 4;
    FaultPlaces places_;
    std::string caFile_;
};

TEST_P(WaitHeartbeatTest, RepeatsTheLastReportAndStopsThere)
{
    const int descriptorsBefore = OpenDescriptorCount();
    heartbeat_probe::Expect(Repeated(), kStopAtRepeat);
    const int result = Run();
    const Clock::time_point returned = Clock::now();

    EXPECT_EQ(result, ftp::kStopped);
    heartbeat_probe::ExpectSteadyRepeats();
    ASSERT_FALSE(heartbeat_probe::Times().empty());
    EXPECT_LT(returned - heartbeat_probe::Times().back(), heartbeat_probe::kMostApart);
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore) << "descriptors left open";
}

// A host whose listener takes no more connections (its one place in the
// queue is taken) lets the connect itself wait, with no server in the way.
TEST(ConnectHeartbeat, AnOpenWhoseConnectHangsRepeatsItsHostAndStops)
{
    net::Socket listener = net::CreateTcpSocket();
    uint32_t address = 0;
    uint16_t port = 0;
    ASSERT_TRUE(net::BindAnyPort(listener) && net::Listen(listener, 0) &&
                net::LocalEnd(listener, &address, &port));
    uint32_t loopback = 0;
    net::Socket queued = net::CreateTcpSocket();
    ASSERT_TRUE(net::ResolveHost("127.0.0.1", &loopback) && net::Connect(queued, loopback, port));
    const int descriptorsBefore = OpenDescriptorCount();

    const std::string host = "127.0.0.1:" + std::to_string(port);
    heartbeat_probe::Expect("Host: " + host, 4);
    EXPECT_EQ(SAPIFtpOpenSession(host.c_str(), "vok", "wavu4n", heartbeat_probe::Listen), nullptr);
    const Clock::time_point returned = Clock::now();
    heartbeat_probe::ExpectSteadyRepeats();
    ASSERT_FALSE(heartbeat_probe::Times().empty());
    EXPECT_LT(returned - heartbeat_probe::Times().back(), heartbeat_probe::kMostApart);
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore) << "descriptors left open";
    net::Close(queued);
    net::Close(listener);
}

INSTANTIATE_TEST_SUITE_P(Stalls, WaitHeartbeatTest, ::testing::ValuesIn(kStalls),
                         [](const ::testing::TestParamInfo<Stall> &info) {
                             std::string name = info.param.fault;
                             for (char &c : name)
                                 c = c == '-' ? '_' : c;
                             return name;
                         });

} // namespace

// The FTP client against pyftpdlib and proftpd behind a proxy that holds a
// RETR's data connection for 5 s (fault-proxy.py --fault data-stall): the
// callback goes on being called through the stall with the total it last
// saw, and can stop the transfer there.
#include "ftp/status.h"
#include "tests/ftp/faults/fault_places.h"
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/heartbeat_probe.h"
#include "tests/ftp/real/open_descriptors.h"
#include "tests/ftp/real/real_server.h"

#include <string>

namespace {

using heartbeat_probe::Clock;

// Larger than the buffers between server and client can hold, so that the
// server is still sending when the stall begins.
const std::size_t kFileSize = 2 * 1024 * 1024 + 77;
// Where the proxy holds the data, as CMakeLists.txt starts it.
const std::size_t kStallAfter = 100000;
const std::string kStalledText = "stalled.bin: " + std::to_string(kStallAfter) + " bytes retrieved";

class DataStallTest : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(places_.Find(GetParam(), "data-stall")) << places_.missing;
        WriteBytes(places_.home / "stalled.bin", bytes_);
    }

    int Download(FtpSession *session) const
    {
        return SAPIFtpFileDownload(session, "stalled.bin", Local().c_str(), 1,
                                   heartbeat_probe::Listen);
    }

    std::string Local() const { return places_.Local("stalled.bin"); }

    FaultPlaces places_;
    const std::string bytes_ = MixedBytes(kFileSize);
};

TEST_P(DataStallTest, ReportsGoOnThroughTheStall)
{
    Session session(SAPIFtpOpenSession(places_.proxy.c_str(), "vok", "wavu4n", nullptr));
    ASSERT_NE(session, nullptr);
    heartbeat_probe::Expect(kStalledText, 0);
    EXPECT_EQ(Download(session.get()), static_cast<int>(kFileSize));
    EXPECT_TRUE(SameBytes(ReadBytes(Local()), bytes_));

    EXPECT_GE(heartbeat_probe::Times().size(), 1u + 15u);
    heartbeat_probe::ExpectSteadyRepeats();
}

TEST_P(DataStallTest, StopInTheStallEndsTheTransferAtOnce)
{
    const int descriptorsBefore = OpenDescriptorCount();
    {
        Session session(SAPIFtpOpenSession(places_.proxy.c_str(), "vok", "wavu4n", nullptr));
        ASSERT_NE(session, nullptr);
        const int descriptorsOpen = OpenDescriptorCount();
        heartbeat_probe::Expect(kStalledText, 3);
        EXPECT_EQ(Download(session.get()), ftp::kStopped);
        EXPECT_LT(Clock::now() - heartbeat_probe::Times().back(), heartbeat_probe::kMostApart);
        EXPECT_EQ(heartbeat_probe::Times().size(), 1u + 3u);
        EXPECT_EQ(OpenDescriptorCount(), descriptorsOpen) << "the transfer left one open";
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore) << "descriptors left open";

    const std::string partial = ReadBytes(Local());
    EXPECT_EQ(partial.size(), kStallAfter);
    EXPECT_TRUE(SameBytes(partial, bytes_.substr(0, partial.size())));
}

INSTANTIATE_TEST_SUITE_P(Stalls, DataStallTest, ::testing::ValuesIn(kPassiveServers), ServerName);

} // namespace

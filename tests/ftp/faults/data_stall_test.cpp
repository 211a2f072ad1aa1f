// The FTP client against pyftpdlib and proftpd behind a proxy that holds a
// RETR's data connection for 5 s (fault-proxy.py --fault data-stall): the
// callback goes on being called through the stall with the total it last
// saw, and can stop the transfer there.
#include "ftp/status.h"
#include "tests/ftp/faults/fault_places.h"
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/open_descriptors.h"
#include "tests/ftp/real/real_server.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Larger than the buffers between server and client can hold, so that the
// server is still sending when the stall begins.
const std::size_t kFileSize = 2 * 1024 * 1024 + 77;
// Where the proxy holds the data, as CMakeLists.txt starts it.
const std::size_t kStallAfter = 100000;
const std::string kStalledText = "stalled.bin: " + std::to_string(kStallAfter) + " bytes retrieved";
// A report every quarter second while waiting, with room for a busy machine.
const auto kMostApart = std::chrono::milliseconds(250 + 200);

// When the callback saw the stalled total, for one test at a time (it is a
// bare function); the total reported once per block, then once per wait.
std::vector<Clock::time_point> stalledReports;
// The callback answers "stop" at this repeat of the stalled total; 0 never.
std::size_t stopAtRepeat = 0;

int Record(const char *text)
{
    if (text == kStalledText)
        stalledReports.push_back(Clock::now());
    return stopAtRepeat > 0 && stalledReports.size() > stopAtRepeat;
}

class DataStallTest : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(places_.Find(GetParam(), "data-stall")) << places_.missing;
        WriteBytes(places_.home / "stalled.bin", bytes_);
        stalledReports.clear();
        stopAtRepeat = 0;
    }

    int Download(FtpSession *session) const
    {
        return SAPIFtpFileDownload(session, "stalled.bin", Local().c_str(), 1, Record);
    }

    std::string Local() const { return places_.Local("stalled.bin"); }

    FaultPlaces places_;
    const std::string bytes_ = MixedBytes(kFileSize);
};

TEST_P(DataStallTest, ReportsGoOnThroughTheStall)
{
    Session session(SAPIFtpOpenSession(places_.proxy.c_str(), "vok", "wavu4n", nullptr));
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(Download(session.get()), static_cast<int>(kFileSize));
    EXPECT_TRUE(SameBytes(ReadBytes(Local()), bytes_));

    EXPECT_GE(stalledReports.size(), 1u + 15u);
    for (std::size_t i = 1; i < stalledReports.size(); ++i)
        EXPECT_LE(stalledReports[i] - stalledReports[i - 1], kMostApart) << "before repeat " << i;
}

TEST_P(DataStallTest, StopInTheStallEndsTheTransferAtOnce)
{
    const int descriptorsBefore = OpenDescriptorCount();
    {
        Session session(SAPIFtpOpenSession(places_.proxy.c_str(), "vok", "wavu4n", nullptr));
        ASSERT_NE(session, nullptr);
        const int descriptorsOpen = OpenDescriptorCount();
        stopAtRepeat = 3;
        EXPECT_EQ(Download(session.get()), ftp::kStopped);
        EXPECT_LT(Clock::now() - stalledReports.back(), kMostApart);
        EXPECT_EQ(stalledReports.size(), 1u + 3u);
        EXPECT_EQ(OpenDescriptorCount(), descriptorsOpen) << "the transfer left one open";
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore) << "descriptors left open";

    const std::string partial = ReadBytes(Local());
    EXPECT_EQ(partial.size(), kStallAfter);
    EXPECT_TRUE(SameBytes(partial, bytes_.substr(0, partial.size())));
}

INSTANTIATE_TEST_SUITE_P(Stalls, DataStallTest, ::testing::ValuesIn(kPassiveServers), ServerName);

} // namespace

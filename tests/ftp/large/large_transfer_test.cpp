// Downloads and resumed downloads of a file past 4 GiB against pyftpdlib and
// proftpd: identical files, the exact counts from the 64-bit calls, INT_MAX
// from the 32-bit ones where the count does not fit, and REST with the
// partial file's whole size.
#include "tests/ftp/large/large_files.h"
#include "tests/ftp/real/command_log.h"
#include "tests/ftp/real/real_server.h"
#include "tests/ftp/real/status_probe.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <string>

namespace {

const char kRemoteName[] = "large.bin";

// Servers of their own (this folder's CMakeLists.txt), so that these long
// cases run beside the other server tests.
const char *const kLargeServers[] = {"large_pyftpdlib", "large_proftpd"};

// 4.5 GiB, with 16-byte markers at its start and end and across 2 GiB (and
// with it the lower resume point), 4 GiB and the higher resume point.
const long long kResumedHigh = 4617089843; // 4.3 GiB: a REST cut to 32 bits is 322122547
const long long kResumedLow = (1LL << 31) + 1; // past INT_MAX: a signed 32-bit REST is negative
const long long kSize = 4 * kGiB + kGiB / 2;
const MarkedFile kLargeFile = {
    kSize, {0, (1LL << 31) - 8, (1LL << 32) - 8, kResumedHigh - 8, kSize - 16}};

// The local copy is real; the server's file and a partial file are sparse.
const long long kSpaceNeeded = kSize + kGiB;

class LargeTransferTest : public RealServerTest {
protected:
    void SetUp() override
    {
        RealServerTest::SetUp();
        ASSERT_TRUE(HasFreeSpace(scratch_, kSpaceNeeded));
        WritePrefix(OnServer(kRemoteName), kLargeFile, kSize);
    }

    void TearDown() override
    {
        std::filesystem::remove(OnServer(kRemoteName));
        std::filesystem::remove_all(scratch_);
        RealServerTest::TearDown();
    }

    std::string Copy() const { return Local(kRemoteName); }
};

// One way to fetch the file into localPath, its result widened.
struct Call {
    const char *name;
    long long (*run)(FtpSession *, const char *remoteName, const char *localPath);
};

long long Download64(FtpSession *session, const char *remoteName, const char *localPath)
{
    return SAPIFtpFileDownload64(session, remoteName, localPath, 1, status_probe::Record);
}

long long Download32(FtpSession *session, const char *remoteName, const char *localPath)
{
    return SAPIFtpFileDownload(session, remoteName, localPath, 1, status_probe::Record);
}

long long Append64(FtpSession *session, const char *remoteName, const char *localPath)
{
    return SAPIFtpFileAppend64(session, remoteName, localPath, 1, status_probe::Record);
}

long long Append32(FtpSession *session, const char *remoteName, const char *localPath)
{
    return SAPIFtpFileAppend(session, remoteName, localPath, 1, status_probe::Record);
}

TEST_P(LargeTransferTest, DownloadPast4GiBIsIdenticalWithItsCount)
{
    struct Case {
        Call call;
        long long expected;
    };
    const Case cases[] = {
        {{"SAPIFtpFileDownload64", Download64}, kSize},
        {{"SAPIFtpFileDownload", Download32}, INT_MAX},
    };
    Session session = Open();
    ASSERT_NE(session, nullptr);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.call.name);
        status_probe::Reset();

        EXPECT_EQ(c.call.run(session.get(), kRemoteName, Copy().c_str()), c.expected);

        EXPECT_TRUE(SameFiles(Copy(), OnServer(kRemoteName)));
        ASSERT_FALSE(status_probe::Texts().empty());
        EXPECT_EQ(status_probe::Texts().back(),
                  std::string(kRemoteName) + ": " + std::to_string(kSize) + " bytes retrieved");
        std::filesystem::remove(Copy());
    }
}

TEST_P(LargeTransferTest, ResumeFromPast2And4GiBIsIdenticalWithTheAppendedCount)
{
    // The count is what was appended: it fits an int from 4.3 GiB on, so
    // the 32-bit call gives it exactly, and not from just past 2 GiB.
    struct Case {
        Call call;
        long long partialSize;
        long long expected;
    };
    const Case cases[] = {
        {{"SAPIFtpFileAppend64", Append64}, kResumedHigh, kSize - kResumedHigh},
        {{"SAPIFtpFileAppend", Append32}, kResumedHigh, kSize - kResumedHigh},
        {{"SAPIFtpFileAppend", Append32}, kResumedLow, INT_MAX},
    };
    Session session = Open();
    ASSERT_NE(session, nullptr);
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.call.name) + " from " + std::to_string(c.partialSize));
        WritePrefix(Copy(), kLargeFile, c.partialSize);
        const CommandLog log(home_);
        status_probe::Reset();

        EXPECT_EQ(c.call.run(session.get(), kRemoteName, Copy().c_str()), c.expected);

        EXPECT_TRUE(SameFiles(Copy(), OnServer(kRemoteName)));
        const std::vector<std::string> commands = log.Since();
        EXPECT_NE(std::find(commands.begin(), commands.end(),
                            "REST " + std::to_string(c.partialSize)),
                  commands.end());
        ASSERT_FALSE(status_probe::Texts().empty());
        EXPECT_EQ(status_probe::Texts().back(), std::string(kRemoteName) + ": " +
                                                    std::to_string(kSize - c.partialSize) +
                                                    " bytes retrieved");
        std::filesystem::remove(Copy());
    }
}

INSTANTIATE_TEST_SUITE_P(LargeFiles, LargeTransferTest, ::testing::ValuesIn(kLargeServers),
                         ServerName);

} // namespace

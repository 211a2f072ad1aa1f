// Downloads over TLS whose data connection the server cuts after a fixed
// number of bytes (the fault proxy cannot reach into an encrypted session):
// each cut fails with its own result and leaves a true prefix of the file,
// and new sessions' appends complete it byte for byte.
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/real_server.h"

#include <string>

namespace {

// The servers cut every RETR after this many bytes of the transfer.
const std::size_t kCutAfter = 100000;
// Two and a half cuts long: a download and two appends at the least.
const std::size_t kFileSize = 2 * kCutAfter + kCutAfter / 2 + 77;

struct Cut {
    const char *server;
    // A reset without close_notify is a receive error: the stream may be
    // cut short. An orderly TLS end looks like the end of the file, and only
    // the final reply (426, not 226) tells.
    int result;
};

const Cut kCuts[] = {
    {"tls_cut_reset", -703},
    {"tls_cut_close", -2},
};

class SecureCutTest : public RealServerTest {
protected:
    const Cut &Case() const
    {
        for (const Cut &cut : kCuts) {
            if (std::string(cut.server) == GetParam())
                return cut;
        }
        return kCuts[0];
    }

    // One transfer in a session of its own, as the wizard retries: a cut
    // transfer leaves its final reply unread.
    int Transfer(bool append, const std::string &local) const
    {
        Session session = Open();
        if (session == nullptr)
            return 0;
        return append ? SAPIFtpFileAppend(session.get(), "cut.bin", local.c_str(), 1, nullptr)
                      : SAPIFtpFileDownload(session.get(), "cut.bin", local.c_str(), 1, nullptr);
    }
};

TEST_P(SecureCutTest, CutLeavesAPrefixThatAppendsComplete)
{
    const std::string bytes = MixedBytes(kFileSize);
    WriteBytes(OnServer("cut.bin"), bytes);
    const std::string local = Local("cut.bin");

    EXPECT_EQ(Transfer(false, local), Case().result);
    std::string partial = ReadBytes(local);
    ASSERT_LE(partial.size(), kCutAfter);
    ASSERT_TRUE(SameBytes(partial, bytes.substr(0, partial.size())));

    // Each append meets the next cut until less than a cut's worth is left;
    // a reset may lose what was on its way, so a few more tries are allowed.
    for (int attempt = 0; attempt < 8 && partial.size() < bytes.size(); ++attempt) {
        SCOPED_TRACE("append " + std::to_string(attempt));
        const std::size_t before = partial.size();
        const int result = Transfer(true, local);
        partial = ReadBytes(local);
        ASSERT_TRUE(SameBytes(partial, bytes.substr(0, partial.size())));
        if (partial.size() == bytes.size())
            EXPECT_EQ(result, static_cast<int>(bytes.size() - before));
        else
            EXPECT_EQ(result, Case().result);
    }
    EXPECT_TRUE(SameBytes(partial, bytes));
}

INSTANTIATE_TEST_SUITE_P(SecureServers, SecureCutTest,
                         ::testing::Values(kCuts[0].server, kCuts[1].server), ServerName);

} // namespace

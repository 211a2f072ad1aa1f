// The FTP client against pyftpdlib and proftpd behind a proxy that breaks one
// connection at one point (tests/servers/fault-proxy.py). For every cut: the
// exact result, no socket or file left open, the local file still a prefix
// of the server's, and a new session's append completing it byte for byte.
#include "ftp/session.h"
#include "tests/ftp/faults/fault_places.h"
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/open_descriptors.h"
#include "tests/ftp/real/real_server.h"
#include "tests/ftp/real/status_probe.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>

namespace {

enum class Operation { kDownload, kAppend };

// Larger than a server's send buffer can grow, so that the server is still
// sending when the proxy cuts after the first 100000 bytes, and notices.
const std::size_t kFileSize = 8 * 1024 * 1024 + 77;
// What an earlier, interrupted run left of the file.
const std::size_t kEarlierPart = 1000;
const std::size_t kCutAfter = 100000;
const std::size_t kRestOfFile = kFileSize;

// A reset data connection is a receive error. Wine 8 reports the reset as an
// orderly end instead (recv gives 0), and then the final reply (426) decides.
#ifdef _WIN32
const int kResetResult = -2;
#else
const int kResetResult = -703;
#endif

struct Cut {
    const char *fault; // as fault-proxy.py names it
    Operation operation;
    // The last status text of an open that the cut makes fail; null when the
    // login gets through and the transfer meets the cut.
    const char *openFailsAfter;
    int result; // of the transfer
    // How many bytes the failed transfer adds to the local file, at least
    // and at most.
    std::size_t leastAdded;
    std::size_t mostAdded;
};

// Failure messages name a case by its fault.
void PrintTo(const Cut &cut, std::ostream *out)
{
    *out << cut.fault;
}

const Cut kCuts[] = {
    // The greeting arrived, so USER goes out and finds the connection gone.
    {"greeting", Operation::kAppend, "Username: vok", 0, 0, 0},
    {"user", Operation::kAppend, "Password:", 0, 0, 0},
    // Logged in: the reply to the next command (TYPE after PASS, REST after
    // the 227) is read on a closed connection.
    {"pass", Operation::kAppend, nullptr, -101, 0, 0},
    {"pasv", Operation::kAppend, nullptr, -101, 0, 0},
    // A reset may throw away what had arrived but was not read yet ...
    {"data-reset", Operation::kDownload, nullptr, kResetResult, 0, kCutAfter},
    {"data-reset", Operation::kAppend, nullptr, kResetResult, 0, kCutAfter},
    // ... an orderly end looks like the end of the file, and only the final
    // reply (426, not 226) tells that the file is not whole.
    {"data-close", Operation::kDownload, nullptr, -2, kCutAfter, kCutAfter},
    {"data-close", Operation::kAppend, nullptr, -2, kCutAfter, kCutAfter},
    // All the data is there, but the final reply never comes: a wait that
    // ends empty counts as a final reply other than 226.
    {"hold-final", Operation::kDownload, nullptr, -2, kRestOfFile, kRestOfFile},
    {"hold-final", Operation::kAppend, nullptr, -2, kRestOfFile, kRestOfFile},
};

class FaultMatrixTest : public ::testing::TestWithParam<std::tuple<const char *, Cut>> {
protected:
    void SetUp() override
    {
        const char *server = std::get<0>(GetParam());
        ASSERT_TRUE(places_.Find(server, std::get<1>(GetParam()).fault)) << places_.missing;
    }

    static int Transfer(Operation operation, FtpSession *session, const std::string &local)
    {
        return operation == Operation::kAppend
                   ? SAPIFtpFileAppend(session, "product.bin", local.c_str(), 1, nullptr)
                   : SAPIFtpFileDownload(session, "product.bin", local.c_str(), 1, nullptr);
    }

    FaultPlaces places_;
};

TEST_P(FaultMatrixTest, CutLeavesAPrefixThatANewSessionCompletes)
{
    const Cut &cut = std::get<1>(GetParam());
    const std::string bytes = MixedBytes(kFileSize);
    WriteBytes(places_.home / "product.bin", bytes);
    const std::string local = places_.Local("product.part");
    const std::size_t before = cut.operation == Operation::kAppend ? kEarlierPart : 0;
    if (before > 0)
        WriteBytes(local, bytes.substr(0, before));
    const int descriptorsBefore = OpenDescriptorCount();

    status_probe::Reset();
    FtpSession *session = SAPIFtpOpenSession(places_.proxy.c_str(), "vok", "wavu4n",
                                             status_probe::Record);
    if (cut.openFailsAfter != nullptr) {
        EXPECT_EQ(session, nullptr);
        ASSERT_FALSE(status_probe::Texts().empty());
        EXPECT_EQ(status_probe::Texts().back(), cut.openFailsAfter);
    } else {
        ASSERT_NE(session, nullptr);
        // A held-back reply is given up after seconds, not the open's minute.
        ftp::ftpWaitSeconds = 2;
        const int descriptorsOpen = OpenDescriptorCount();
        EXPECT_EQ(Transfer(cut.operation, session, local), cut.result);
        EXPECT_EQ(OpenDescriptorCount(), descriptorsOpen) << "the transfer left one open";
        SAPIFtpCloseSession(session, nullptr);
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore) << "descriptors left open";

    const std::string partial = ReadBytes(local);
    EXPECT_TRUE(SameBytes(partial, bytes.substr(0, partial.size())));
    EXPECT_GE(partial.size(), before + std::min(cut.leastAdded, bytes.size() - before));
    EXPECT_LE(partial.size(), before + std::min(cut.mostAdded, bytes.size() - before));

    Session resumed(SAPIFtpOpenSession(places_.server.c_str(), "vok", "wavu4n", nullptr));
    ASSERT_NE(resumed, nullptr);
    EXPECT_EQ(Transfer(Operation::kAppend, resumed.get(), local),
              static_cast<int>(bytes.size() - partial.size()));
    EXPECT_TRUE(SameBytes(ReadBytes(local), bytes));
}

std::string CaseName(const ::testing::TestParamInfo<FaultMatrixTest::ParamType> &info)
{
    const Cut &cut = std::get<1>(info.param);
    std::string name = std::string(std::get<0>(info.param)) + "_" + cut.fault +
                       (cut.operation == Operation::kAppend ? "_append" : "_download");
    for (char &c : name) {
        if (c == '-')
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cuts, FaultMatrixTest,
                         ::testing::Combine(::testing::ValuesIn(kPassiveServers),
                                            ::testing::ValuesIn(kCuts)),
                         CaseName);

} // namespace

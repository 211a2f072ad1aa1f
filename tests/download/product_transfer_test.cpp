// One product from the server into the downloads folder, over real sessions:
// fresh, resumed, already whole, refused restart, empty, stopped and resumed;
// and with the catalogue's SHA-256: checked, refetched, refused, stopped; each
// failure with the reason that the page reports.
#include "download/ftp_source.h"
#include "download/product_transfer.h"
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/real_server.h"
#include "wizard/wizard_state.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::size_t kInstallerSize = 5 * 16384 + 1234;

// Stop once bytes arrive: the session opens with the same callback.
int StopInTheTransfer(const char *text)
{
    return std::strstr(text, "bytes retrieved") != nullptr ? 1 : 0;
}

class ProductTransferTest : public RealServerTest {
protected:
    void SetUp() override
    {
        RealServerTest::SetUp();
        fs::create_directories(scratch_ / "components");
        fs::create_directories(scratch_ / "downloads");
        std::strcpy(wizardState.installRoot, scratch_.string().c_str());
        std::strcpy(files_.finalName, "setup.exe");
        std::strcpy(files_.tempName, "setup.part");
        files_.statedSize = static_cast<long long>(kInstallerSize);
        installer_ = MixedBytes(kInstallerSize);
        WriteBytes(OnServer("setup.exe"), installer_);
    }

    fs::path Partial() const { return scratch_ / "components" / "setup.part"; }
    fs::path Installer() const { return scratch_ / "downloads" / "setup.exe"; }

    // Transfers and finishes the product as the engine does.
    bool Fetch(FtpStatusCallback callback = nullptr, HashProgress hashProgress = nullptr)
    {
        return Transfer(callback, hashProgress) && FinishProduct(files_);
    }

    TransferResult Transfer(FtpStatusCallback callback = nullptr, HashProgress hashProgress = nullptr)
    {
        // The wizard's own session, on the test's server.
        std::strcpy(wizardState.ftpHost, address_.c_str());
        std::strcpy(wizardState.ftpUser, "vok");
        std::strcpy(wizardState.ftpPassword, "wavu4n");
        wizardState.ftpSecure = false;
        FtpSource source(callback);
        return TransferProduct(source, files_, hashProgress, progress_);
    }

    void ExpectFailure(TransferOutcome outcome, int replyCode, const TransferResult &result)
    {
        EXPECT_EQ(outcome, result.outcome);
        EXPECT_EQ(replyCode, result.replyCode);
    }

    InstallerState Downloaded()
    {
        return CheckDownloadedInstaller(files_, nullptr, progress_);
    }

    void ExpectInstallerComplete()
    {
        EXPECT_TRUE(SameBytes(ReadBytes(Installer()), installer_));
        EXPECT_FALSE(fs::exists(Partial())) << "the partial file is left behind";
        EXPECT_EQ(InstallerState::kInPlace, Downloaded());
    }

    // The catalogue gives the SHA-256 of content.
    void Expect(const std::string &content)
    {
        Sha256 hash;
        files_.verified = hash.Update(content.data(), content.size()) && hash.Finish(files_.sha256);
        ASSERT_TRUE(files_.verified);
    }

    ProductFiles files_ = {};
    std::string installer_;
    DownloadProgress progress_ = {0, 1, 0, 0, 77, 77, 0, 0};
};

TEST_P(ProductTransferTest, FreshDownloadEndsInTheDownloadsFolder)
{
    EXPECT_EQ(InstallerState::kMissing, Downloaded());
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
    EXPECT_EQ(0, progress_.resumeOffset);
    EXPECT_EQ(files_.statedSize, progress_.fileSize);
}

TEST_P(ProductTransferTest, PartialFileIsResumedFromItsSize)
{
    WriteBytes(Partial(), installer_.substr(0, 1000));
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
    EXPECT_EQ(1000, progress_.resumeOffset);
}

TEST_P(ProductTransferTest, PartialFileHoldingTheWholeProductIsFinished)
{
    WriteBytes(Partial(), installer_);
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
}

TEST_P(ProductTransferTest, RefusedRestartGetsOneFreshDownload)
{
    // Longer than the file on the server: no server restarts past the end.
    WriteBytes(Partial(), installer_ + "left over from an older version");
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
}

TEST_P(ProductTransferTest, EmptyRemoteFileFailsTheProduct)
{
    WriteBytes(OnServer("setup.exe"), "");
    ExpectFailure(TransferOutcome::kFailed, 0, Transfer());
    EXPECT_FALSE(fs::exists(Installer()));
}

TEST_P(ProductTransferTest, FileShortOfItsStatedSizeIsResumedOnceMore)
{
    files_.statedSize += 1000;
    ExpectFailure(TransferOutcome::kConnectionLost, 0, Transfer());
    EXPECT_EQ(ReadBytes(Partial()), installer_);
    // The server has no more: the file is as whole as it gets.
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
}

TEST_P(ProductTransferTest, MissingRemoteFileFailsTheProduct)
{
    fs::remove(OnServer("setup.exe"));
    WriteBytes(Partial(), installer_.substr(0, 1000));
    ExpectFailure(TransferOutcome::kRefused, 550, Transfer());
    EXPECT_FALSE(fs::exists(Installer()));
}

TEST_P(ProductTransferTest, StoppedTransferLeavesAPartialFileThatTheNextRunCompletes)
{
    ExpectFailure(TransferOutcome::kStopped, 0, Transfer(StopInTheTransfer));
    ASSERT_TRUE(fs::exists(Partial()));
    const std::string partial = ReadBytes(Partial());
    EXPECT_GT(partial.size(), 0u);
    EXPECT_LT(partial.size(), installer_.size());
    EXPECT_EQ(partial, installer_.substr(0, partial.size()));
    EXPECT_FALSE(fs::exists(Installer()));

    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
    EXPECT_EQ(static_cast<long long>(partial.size()), progress_.resumeOffset);
}

TEST_P(ProductTransferTest, CheckedInstallerIsFinished)
{
    Expect(installer_);
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
}

TEST_P(ProductTransferTest, ShortFileThatTheServerCallsCompleteLeavesNothing)
{
    Expect(installer_);
    WriteBytes(OnServer("setup.exe"), installer_.substr(0, 70000));
    ExpectFailure(TransferOutcome::kChecksumMismatch, 0, Transfer());
    EXPECT_FALSE(fs::exists(Installer()));
    EXPECT_FALSE(fs::exists(Partial())) << "a damaged file would be resumed next time";
}

TEST_P(ProductTransferTest, DamagedPartialFileGetsOneFreshDownload)
{
    Expect(installer_);
    WriteBytes(Partial(), std::string(1000, '?'));
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
}

TEST_P(ProductTransferTest, DamagedInstallerIsReplacedOnlyByACheckedOne)
{
    Expect(installer_);
    WriteBytes(Installer(), "MZ damaged");
    EXPECT_EQ(InstallerState::kMissing, Downloaded());
    WriteBytes(OnServer("setup.exe"), installer_.substr(1));
    EXPECT_FALSE(Fetch());
    EXPECT_EQ(ReadBytes(Installer()), "MZ damaged");
    WriteBytes(OnServer("setup.exe"), installer_);
    ASSERT_TRUE(Fetch());
    ExpectInstallerComplete();
}

int StopHashing(void *, long long)
{
    return 1;
}

TEST_P(ProductTransferTest, StopWhileCheckingKeepsTheTemporaryFile)
{
    Expect(installer_);
    ExpectFailure(TransferOutcome::kStopped, 0, Transfer(nullptr, StopHashing));
    EXPECT_EQ(ReadBytes(Partial()), installer_);
    EXPECT_FALSE(fs::exists(Installer()));
}

// Whether the progress said that a check was under way, at each report of it.
std::vector<int> checkingSeen;
int RecordChecking(void *progress, long long bytesHashed)
{
    checkingSeen.push_back(static_cast<const DownloadProgress *>(progress)->checking);
    return RecordHashProgress(*static_cast<DownloadProgress *>(progress), bytesHashed);
}

TEST_P(ProductTransferTest, CheckShowsTheBytesRead)
{
    const std::string large = MixedBytes(3 * kHashBlockSize + 5);
    WriteBytes(OnServer("setup.exe"), large);
    Expect(large);
    checkingSeen.clear();
    ASSERT_TRUE(Transfer(nullptr, RecordChecking));
    EXPECT_EQ(std::vector<int>(4, 1), checkingSeen);
    EXPECT_EQ(static_cast<long long>(large.size()), progress_.bytesChecked);
    EXPECT_EQ(0, progress_.checking);
}

TEST_P(ProductTransferTest, TooLittleRoomForTheRestFailsBeforeTheTransfer)
{
    WriteBytes(Partial(), installer_.substr(0, 1000));
    files_.statedSize = 1LL << 62;
    ExpectFailure(TransferOutcome::kNoSpace, 0, Transfer());
    EXPECT_EQ(ReadBytes(Partial()), installer_.substr(0, 1000));
    // Room for the rest is all it takes: a partial file as large as stated
    // leaves none to find.
    files_.statedSize = 1000;
    EXPECT_TRUE(Fetch());
}

INSTANTIATE_TEST_SUITE_P(Servers, ProductTransferTest, ::testing::ValuesIn(kPassiveServers), ServerName);

} // namespace

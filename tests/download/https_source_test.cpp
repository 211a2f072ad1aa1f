// Installers from an https:// address through the engine's source, against
// nginx and the scripted server: whole in ranges, resumed, the validator
// kept and checked, a changed file fetched afresh, and each failure as the
// engine tells it apart.
#include "download/https_source.h"
#include "download/product_transfer.h"
#include "tests/ftp/real/disk_files.h"
#include "tests/https/https_places.h"
#include "wizard/wizard_state.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::size_t kInstallerSize = 3500;
// Four ranges for the installer, the last one short.
const long long kTestRange = 1000;

std::string lastReport;

int KeepReport(const char *text)
{
    lastReport = text;
    return 0;
}

class HttpsSourceTest : public HttpsTest {
protected:
    void SetUp() override
    {
        HttpsTest::SetUp();
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        name_ = test + ".exe";
        scratch_ = fs::temp_directory_path() / ("vok-https-source-" + test);
        fs::remove_all(scratch_);
        fs::create_directories(scratch_ / "components");
        fs::create_directories(scratch_ / "downloads");
        std::strcpy(wizardState.installRoot, scratch_.string().c_str());
        installer_ = MixedBytes(kInstallerSize);
        WriteBytes(nginxRoot_ / name_, installer_);
        WriteBytes(scriptedRoot_ / name_, installer_);
        files_ = {};
        std::strcpy(files_.finalName, name_.c_str());
        std::strcpy(files_.tempName, (test + ".part").c_str());
        files_.statedSize = static_cast<long long>(kInstallerSize);
        From("NGINX", name_);
    }

    void TearDown() override
    {
        fs::remove_all(scratch_);
        HttpsTest::TearDown();
    }

    void From(const char *server, const std::string &path)
    {
        std::strcpy(files_.source, Url(server, path).c_str());
    }

    fs::path Partial() const { return scratch_ / "components" / files_.tempName; }
    fs::path Validator() const { return Partial().string() + ".validator"; }

    SourceTransfer Fetch(long long partialSize, const char *ca = nullptr)
    {
        HttpsSource source(KeepReport, ca != nullptr ? ca : caFile_.c_str(), kTestRange);
        return source.Fetch(files_, Partial().string().c_str(), partialSize);
    }

    // A partial file of the first bytes, as an earlier run left it.
    void LeavePartial(std::size_t size)
    {
        ASSERT_TRUE(Fetch(0).result);
        fs::resize_file(Partial(), size);
    }

    std::string name_;
    fs::path scratch_;
    std::string installer_;
    ProductFiles files_;
};

TEST_F(HttpsSourceTest, WholeInRangesThenResumedWithTheKeptValidator)
{
    SourceTransfer fetched = Fetch(0);
    ASSERT_TRUE(fetched.result);
    EXPECT_EQ(static_cast<long long>(kInstallerSize), fetched.received);
    EXPECT_TRUE(SameBytes(ReadBytes(Partial()), installer_));
    EXPECT_EQ(name_ + ": 3500 bytes retrieved", lastReport) << "one count over the ranges";
    const std::string validator = ReadBytes(Validator());
    EXPECT_FALSE(validator.empty());

    fs::resize_file(Partial(), 1700);
    fetched = Fetch(1700);
    ASSERT_TRUE(fetched.result);
    EXPECT_FALSE(fetched.resumeRefused);
    EXPECT_EQ(1800, fetched.received);
    EXPECT_EQ(name_ + ": 1800 bytes retrieved", lastReport);
    EXPECT_TRUE(SameBytes(ReadBytes(Partial()), installer_));
    EXPECT_EQ(validator, ReadBytes(Validator()));

    // Whole already: the server's 416 brings nothing and is no failure.
    fetched = Fetch(static_cast<long long>(kInstallerSize));
    EXPECT_TRUE(fetched.result);
    EXPECT_EQ(0, fetched.received);
}

TEST_F(HttpsSourceTest, AChangedFileIsFetchedAfreshNotContinued)
{
    LeavePartial(1700);
    const std::string newBuild = MixedBytes(kInstallerSize + 100).substr(100);
    WriteBytes(nginxRoot_ / name_, newBuild);
    // nginx's ETag is made of the time and the size, which did not change.
    fs::last_write_time(nginxRoot_ / name_, fs::last_write_time(nginxRoot_ / name_) + std::chrono::hours(1));
    EXPECT_TRUE(Fetch(1700).resumeRefused);

    fs::resize_file(Partial(), 1700);
    DownloadProgress progress = {};
    ASSERT_TRUE(TransferProduct(*std::make_unique<HttpsSource>(KeepReport, caFile_.c_str(), kTestRange),
                                files_, nullptr, progress));
    EXPECT_TRUE(SameBytes(ReadBytes(Partial()), newBuild));
    ASSERT_TRUE(FinishProduct(files_));
    EXPECT_FALSE(fs::exists(Validator())) << "the validator stays behind";
}

TEST_F(HttpsSourceTest, AnAnswerThatDoesNotContinueThePartialFileStartsItOver)
{
    // The scripted server answers every range with the whole file.
    LeavePartial(1700);
    From("SCRIPTED", "whole/" + name_);
    EXPECT_TRUE(Fetch(1700).resumeRefused);
    // A 416 to a partial file longer than the server's.
    From("NGINX", name_);
    fs::resize_file(nginxRoot_ / name_, 1000);
    EXPECT_TRUE(Fetch(1700).resumeRefused);
}

TEST_F(HttpsSourceTest, ACutKeepsWhatArrivedAndItsValidatorForTheNextTry)
{
    From("SCRIPTED", "cut-once/1200/" + name_);
    SourceTransfer fetched = Fetch(0);
    EXPECT_EQ(TransferOutcome::kConnectionLost, fetched.result.outcome);
    // Under Wine the piece that WinHTTP was filling is lost with the cut.
    const long long kept = static_cast<long long>(fs::file_size(Partial()));
    EXPECT_EQ(kept, fetched.received);
    EXPECT_LE(kept, 1200);
    EXPECT_EQ("\"scripted\"", ReadBytes(Validator()));

    fetched = Fetch(kept);
    ASSERT_TRUE(fetched.result);
    EXPECT_FALSE(fetched.resumeRefused);
    EXPECT_TRUE(SameBytes(ReadBytes(Partial()), installer_));
}

TEST_F(HttpsSourceTest, FailuresAsTheEngineTellsThemApart)
{
    const struct {
        const char *server;
        std::string path;
        TransferOutcome outcome;
        int replyCode;
        int retryAfter;
    } cases[] = {
        {"NGINX", "busy", TransferOutcome::kServerBusy, 503, 7},
        {"NGINX", "missing.exe", TransferOutcome::kRefused, 404, -1},
        {"NGINX", "insecure/" + name_, TransferOutcome::kNotSecure, 0, -1},
        {"NGINX_UNTRUSTED", name_, TransferOutcome::kUntrusted, 0, -1},
        {"NGINX_OTHER_NAME", name_, TransferOutcome::kUntrusted, 0, -1},
        {"UNREACHABLE", name_, TransferOutcome::kConnectionLost, 0, -1},
    };
    for (const auto &c : cases) {
        From(c.server, c.path);
        const SourceTransfer fetched = Fetch(0);
        EXPECT_EQ(c.outcome, fetched.result.outcome) << c.server << " " << c.path;
        EXPECT_EQ(c.replyCode, fetched.result.replyCode) << c.path;
        EXPECT_EQ(c.retryAfter, fetched.result.retryAfterSeconds) << c.path;
        EXPECT_FALSE(fetched.resumeRefused);
    }
    std::strcpy(files_.source, ("http" + Url("NGINX", name_).substr(5)).c_str());
    EXPECT_EQ(TransferOutcome::kNotSecure, Fetch(0).result.outcome);
    From("NGINX", name_);
    fs::remove_all(scratch_ / "components");
    EXPECT_EQ(TransferOutcome::kLocalFailure, Fetch(0).result.outcome);
}

} // namespace

// The wizard's requests to a web server, against nginx on loopback
// (tests/servers/start-nginx): a file fetched whole or not at all, and the
// record stored with the account.
#include "tests/ftp/real/open_descriptors.h"
#include "wizard/server_session.h"
#include "wizard/web_server.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Environment(const char *variable)
{
    const char *value = std::getenv(variable);
    return value != nullptr ? value : "";
}

void Copy(char *field, const std::string &text)
{
    ASSERT_LT(text.size(), kWizardTextSize);
    text.copy(field, text.size());
    field[text.size()] = '\0';
}

std::string Content(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Write(const fs::path &path, const std::string &content)
{
    std::ofstream(path, std::ios::binary) << content;
}

class WebServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home_ = Environment("VOK_HTTPS_WEB_HOME");
        ASSERT_FALSE(home_.empty()) << "VOK_HTTPS_WEB_HOME must be set (CTest starts nginx)";
        Copy(wizardState.ftpTrustedCa, Environment("VOK_TEST_CERTIFICATES") + "/ca.pem");
        Copy(wizardState.ftpUser, "vok");
        Copy(wizardState.ftpPassword, "wavu4n");
        UseBase("WEB", "");
        work_ = fs::temp_directory_path() /
                (std::string("vok-web-server-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(work_);
        Copy(wizardState.installRoot, work_.string());
        descriptorsBefore_ = OpenDescriptorCount();
    }

    void TearDown() override
    {
        EXPECT_EQ(descriptorsBefore_, OpenDescriptorCount()) << "descriptors left open";
        fs::remove_all(work_);
    }

    // The base address https://<the address in VOK_HTTPS_<server>>/<folder>.
    static void UseBase(const char *server, const std::string &folder)
    {
        const std::string variable = std::string("VOK_HTTPS_") + server;
        Copy(wizardState.serverUrl, "https://" + Environment(variable.c_str()) + "/" + folder);
    }

    // A path of the working folder, as the wizard passes its paths.
    std::string Local(const std::string &name) const { return (work_ / name).string(); }

    fs::path home_;
    fs::path work_;
    int descriptorsBefore_ = -1;
};

TEST_F(WebServerTest, AFileArrivesWhole)
{
    const std::string catalogue = "PRODUCT0ID: \"Sample Terminal 4.2\"\r\nBITMAP0: panel 1.bmp\n";
    Write(home_ / "files.vok", catalogue);
    const WebReply reply = FetchServerFile("files.vok", Local("files.vok").c_str(), nullptr);
    EXPECT_TRUE(reply.done);
    EXPECT_EQ(https::Failure::kNone, reply.failure);
    EXPECT_EQ(200, reply.status);
    EXPECT_EQ(static_cast<long long>(catalogue.size()), reply.bytes);
    EXPECT_EQ(catalogue, Content(Local("files.vok")));

    // The name is encoded on its way.
    Write(home_ / "panel 1.bmp", "BM");
    EXPECT_TRUE(FetchServerFile("panel 1.bmp", Local("panel.bmp").c_str(), nullptr).done);
    EXPECT_EQ("BM", Content(Local("panel.bmp")));
}

struct FailedFetch {
    const char *what;
    const char *server; // VOK_HTTPS_<server>
    https::Failure failure;
    int status;
    SessionFailure told;
};

TEST_F(WebServerTest, AFileThatDoesNotArriveLeavesNoFile)
{
    Write(home_ / "files.vok", "BITMAP0: a.bmp\n");
    const FailedFetch cases[] = {
        {"a file the server lacks", "WEB", https::Failure::kNone, 404, SessionFailure::kUnreachable},
        {"a certificate of another CA", "WEB_UNTRUSTED", https::Failure::kUntrusted, 0,
         SessionFailure::kUntrusted},
        {"no server", "WEB_UNREACHABLE", https::Failure::kUnreachable, 0, SessionFailure::kUnreachable},
    };
    for (const FailedFetch &c : cases) {
        SCOPED_TRACE(c.what);
        UseBase(c.server, "");
        // What an earlier run left there is not taken for the answer.
        Write(Local("files.vok"), "stale");
        const char *name = c.status == 404 ? "gone.vok" : "files.vok";
        const WebReply reply = FetchServerFile(name, Local("files.vok").c_str(), nullptr);
        EXPECT_FALSE(reply.done);
        EXPECT_EQ(c.failure, reply.failure);
        EXPECT_EQ(c.status, reply.status);
        EXPECT_EQ(c.told, FailureOfReply(reply));
        EXPECT_FALSE(fs::exists(Local("files.vok")));
    }

    UseBase("WEB", "");
    EXPECT_EQ(https::Failure::kSinkRefused,
              FetchServerFile("files.vok", Local("no-folder/files.vok").c_str(), nullptr).failure);
}

TEST_F(WebServerTest, TheRecordIsStoredWithTheAccountAlone)
{
    const char *record = "vok-88-030704-090503.txt";
    const std::string content = "name: \"Bob Jones\"\r\nemail: \"bob@example.net\"\r\n";
    char localPath[kWizardTextSize];
    WorkingFilePath(record, localPath);
    Write(localPath, content);
    UseBase("WEB", "upload/");

    WebReply reply = UploadRecord(record, nullptr);
    EXPECT_TRUE(reply.done);
    EXPECT_EQ(201, reply.status);
    EXPECT_EQ(content, Content(home_ / "upload" / record));

    Copy(wizardState.ftpPassword, "wrong");
    reply = UploadRecord(record, nullptr);
    EXPECT_FALSE(reply.done);
    EXPECT_EQ(https::Failure::kNone, reply.failure);
    EXPECT_EQ(401, reply.status);

    reply = UploadRecord("vok-never-written.txt", nullptr);
    EXPECT_FALSE(reply.done);
    EXPECT_EQ(https::Failure::kSinkRefused, reply.failure);
}

} // namespace

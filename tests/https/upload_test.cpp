// https::Put against nginx's /upload/, which takes a PUT from the test
// account alone, and against the scripted server, which never answers one.
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/heartbeat_probe.h"
#include "tests/https/https_places.h"

#include <filesystem>
#include <string>

namespace {

using https::Failure;

struct UploadCase {
    const char *name;     // also the stored file's, upload/<name>.txt
    const char *variable; // the server's address, VOK_HTTPS_<variable>
    const char *prefix;   // before upload/ in the address
    const char *password;
    bool fileExists;
    Failure failure;
    int status;
};

const UploadCase kUploadCases[] = {
    {"Stored", "NGINX", "", "wavu4n", true, Failure::kNone, 201},
    {"WrongPassword", "NGINX", "", "wrong", true, Failure::kNone, 401},
    {"RedirectNotFollowed", "NGINX", "moved/", "wavu4n", true, Failure::kNone, 302},
    {"NoLocalFile", "NGINX", "", "wavu4n", false, Failure::kSinkRefused, 0},
    {"UntrustedServer", "NGINX_UNTRUSTED", "", "wavu4n", true, Failure::kUntrusted, 0},
};

class UploadTest : public HttpsTest, public ::testing::WithParamInterface<UploadCase> {};

TEST_P(UploadTest, EndsWithItsFailureAndStatus)
{
    const UploadCase &test = GetParam();
    const std::filesystem::path local = nginxRoot_ / (std::string(test.name) + ".local");
    const std::string bytes = MixedBytes(200003);
    if (test.fileExists)
        WriteBytes(local, bytes);
    const std::string remote = std::string("upload/") + test.name + ".txt";
    https::PutRequest request;
    request.url = Url(test.variable, test.prefix + remote);
    request.localPath = local.string();
    request.user = "vok";
    request.password = test.password;
    request.trustedCaFile = caFile_.c_str();

    int status = -1;
    EXPECT_EQ(https::Put(request, status), test.failure);
    EXPECT_EQ(status, test.status);
    const std::filesystem::path stored = nginxRoot_ / remote;
    if (test.status == 201)
        EXPECT_TRUE(SameBytes(ReadBytes(stored), bytes));
    else
        EXPECT_FALSE(std::filesystem::exists(stored));
}

INSTANTIATE_TEST_SUITE_P(Nginx, UploadTest, ::testing::ValuesIn(kUploadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(HttpsTest, UnansweredUploadKeepsTheHeartbeatAndStopsWithinASecond)
{
    // A process's first request starts WinHTTP (some 400 ms under Wine), which
    // is no part of the wait measured here; any answer will do.
    Get(NginxGet("warm-up"));
    const std::filesystem::path local = scriptedRoot_ / "stalled.txt";
    WriteBytes(local, MixedBytes(1000));
    https::PutRequest request;
    request.url = Url("SCRIPTED", "stall/0/stalled.txt");
    request.localPath = local.string();
    request.trustedCaFile = caFile_.c_str();
    request.callback = heartbeat_probe::Listen;
    heartbeat_probe::Expect("stalled.txt: 1000 bytes stored", 10);
    int status = -1;
    EXPECT_EQ(https::Put(request, status), Failure::kStopped);
    ExpectStoppedWithinASecond(std::chrono::steady_clock::now());
    EXPECT_EQ(status, 0);
}

TEST(UploadAddress, PlainHttpIsRefused)
{
    https::PutRequest request;
    request.url = "http://127.0.0.1:1/upload/record.txt";
    request.localPath = "unused";
    int status = -1;
    EXPECT_EQ(https::Put(request, status), Failure::kNotHttps);
    EXPECT_EQ(status, 0);
}

} // namespace

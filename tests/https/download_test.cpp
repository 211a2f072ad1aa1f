// https::Get against nginx (ranges, If-Range, redirects, certificates,
// answers without a body) and the scripted server (cuts, a 200 to a range,
// a stall).
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/heartbeat_probe.h"
#include "tests/https/https_places.h"

#include <filesystem>
#include <string>

namespace {

using https::Failure;
using heartbeat_probe::Clock;

const std::size_t kFileSize = 300000;

class DownloadTest : public HttpsTest {
protected:
    void SetUp() override
    {
        HttpsTest::SetUp();
        WriteBytes(nginxRoot_ / "file.bin", bytes_);
        WriteBytes(scriptedRoot_ / "file.bin", bytes_);
    }

    https::GetRequest ScriptedGet(const std::string &path) const
    {
        https::GetRequest request = NginxGet("");
        request.url = Url("SCRIPTED", path);
        return request;
    }

    // The validator nginx gives file.bin now.
    std::string CurrentValidator()
    {
        MemorySink sink;
        https::Answer answer;
        EXPECT_EQ(https::Get(NginxGet("file.bin"), sink, answer), Failure::kNone);
        return answer.validator;
    }

    const std::string bytes_ = MixedBytes(kFileSize);
};

enum class Validator { kNone, kCurrent, kStale };

struct RangeCase {
    const char *name;
    long long offset;
    long long length;
    Validator ifRange;
    int status;
    long long bodyStart;
};

const RangeCase kRangeCases[] = {
    {"Whole", 0, -1, Validator::kNone, 200, 0},
    {"ResumeToTheEnd", 123457, -1, Validator::kNone, 206, 123457},
    {"ResumeWithTheSameValidator", 123457, -1, Validator::kCurrent, 206, 123457},
    {"SpanFromTheStart", 0, 1000, Validator::kNone, 206, 0},
    {"SpanInside", 5000, 65537, Validator::kNone, 206, 5000},
    {"ChangedValidatorComesWhole", 123457, -1, Validator::kStale, 200, 0},
};

class RangeTest : public DownloadTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeTest, BodyIsTheAskedSliceOfTheFile)
{
    const RangeCase &test = GetParam();
    https::GetRequest request = NginxGet("file.bin");
    request.offset = test.offset;
    request.length = test.length;
    if (test.ifRange == Validator::kCurrent)
        request.ifRange = CurrentValidator();
    else if (test.ifRange == Validator::kStale)
        request.ifRange = "\"0-0\"";
    ASSERT_EQ(Get(request), Failure::kNone);

    const std::string expected =
        test.status == 200 ? bytes_ : bytes_.substr(test.offset, test.length < 0 ? std::string::npos
                                                                                   : test.length);
    EXPECT_EQ(sink_.begun, 1);
    EXPECT_EQ(answer_.status, test.status);
    EXPECT_EQ(answer_.bodyStart, test.bodyStart);
    EXPECT_EQ(answer_.bodyLength, static_cast<long long>(expected.size()));
    EXPECT_EQ(answer_.totalSize, static_cast<long long>(kFileSize));
    EXPECT_EQ(answer_.validator, CurrentValidator());
    EXPECT_EQ(sink_.answer.status, test.status);
    EXPECT_TRUE(SameBytes(sink_.body, expected));
}

INSTANTIATE_TEST_SUITE_P(Nginx, RangeTest, ::testing::ValuesIn(kRangeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(DownloadTest, RangePastFourGiBKeepsItsSixtyFourBitCounts)
{
    const long long size = 5LL << 30;
    WriteBytes(nginxRoot_ / "sparse.bin", "");
    std::filesystem::resize_file(nginxRoot_ / "sparse.bin", size);
    https::GetRequest request = NginxGet("sparse.bin");
    request.offset = size - 100;
    ASSERT_EQ(Get(request), Failure::kNone);
    EXPECT_EQ(answer_.status, 206);
    EXPECT_EQ(answer_.bodyStart, size - 100);
    EXPECT_EQ(answer_.bodyLength, 100);
    EXPECT_EQ(answer_.totalSize, size);
    EXPECT_EQ(sink_.body, std::string(100, '\0'));
}

// Requests that end without a body for the sink.
struct RefusalCase {
    const char *name;
    const char *variable; // the server's address, VOK_HTTPS_<variable>
    const char *url;      // the path, or a whole address when it has a scheme
    Failure failure;
};

const RefusalCase kRefusalCases[] = {
    {"PlainHttp", "NGINX", "http://127.0.0.1:1/file.bin", Failure::kNotHttps},
    {"OtherScheme", "NGINX", "ftp://127.0.0.1:1/file.bin", Failure::kNotHttps},
    {"RedirectToHttp", "NGINX", "insecure/file.bin", Failure::kInsecureRedirect},
    {"SecondRedirectToHttp", "NGINX", "moved/insecure/file.bin", Failure::kInsecureRedirect},
    {"SixRedirects", "NGINX", "moved/moved/moved/moved/moved/moved/file.bin",
     Failure::kTooManyRedirects},
    {"UntrustedRoot", "NGINX_UNTRUSTED", "file.bin", Failure::kUntrusted},
    {"SelfSigned", "NGINX_SELF_SIGNED", "file.bin", Failure::kUntrusted},
    {"OtherName", "NGINX_OTHER_NAME", "file.bin", Failure::kUntrusted},
    {"Expired", "NGINX_EXPIRED", "file.bin", Failure::kUntrusted},
    {"NoServer", "UNREACHABLE", "file.bin", Failure::kUnreachable},
};

class RefusalTest : public DownloadTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, EndsWithItsFailureAndNothingInTheSink)
{
    const RefusalCase &test = GetParam();
    https::GetRequest request = NginxGet("");
    const std::string url = test.url;
    request.url = url.find("://") == std::string::npos ? Url(test.variable, url) : url;
    EXPECT_EQ(Get(request), test.failure);
    EXPECT_EQ(sink_.begun, 0);
    EXPECT_TRUE(sink_.body.empty());
}

INSTANTIATE_TEST_SUITE_P(Nginx, RefusalTest, ::testing::ValuesIn(kRefusalCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(DownloadTest, SystemRootsLeaveTheTestCaOut)
{
    https::GetRequest request = NginxGet("file.bin");
    request.trustedCaFile = nullptr;
    EXPECT_EQ(Get(request), Failure::kUntrusted);
}

TEST_F(DownloadTest, FiveRedirectsAreFollowed)
{
    ASSERT_EQ(Get(NginxGet("moved/moved/moved/moved/moved/file.bin")), Failure::kNone);
    EXPECT_EQ(answer_.status, 200);
    EXPECT_EQ(sink_.begun, 1);
    EXPECT_TRUE(SameBytes(sink_.body, bytes_));
}

struct StatusCase {
    const char *path;
    long long offset;
    int status;
    int retryAfterSeconds;
    long long totalSize; // a refusal's page is not the resource
};

TEST_F(DownloadTest, StatusesWithoutBodyAreAnswers)
{
    const StatusCase cases[] = {
        {"busy", 0, 503, 7, -1},
        {"missing.bin", 0, 404, -1, -1},
        {"file.bin", kFileSize, 416, -1, kFileSize},
    };
    for (const StatusCase &test : cases) {
        https::GetRequest request = NginxGet(test.path);
        request.offset = test.offset;
        MemorySink sink;
        https::Answer answer;
        EXPECT_EQ(https::Get(request, sink, answer), Failure::kNone) << test.path;
        EXPECT_EQ(answer.status, test.status) << test.path;
        EXPECT_EQ(answer.retryAfterSeconds, test.retryAfterSeconds) << test.path;
        EXPECT_EQ(answer.totalSize, test.totalSize) << test.path;
        EXPECT_EQ(sink.begun, 0) << test.path;
    }
}

TEST_F(DownloadTest, SinkThatSaysNoEndsTheRequest)
{
    sink_.refuseBegin = true;
    EXPECT_EQ(Get(NginxGet("file.bin")), Failure::kSinkRefused);
    EXPECT_TRUE(sink_.body.empty());

    MemorySink writeRefused;
    writeRefused.refuseWrite = true;
    EXPECT_EQ(https::Get(NginxGet("file.bin"), writeRefused, answer_), Failure::kSinkRefused);
    EXPECT_LT(writeRefused.body.size(), kFileSize);
}

TEST_F(DownloadTest, EmptyBodyIsBegunToo)
{
    WriteBytes(nginxRoot_ / "empty.bin", "");
    ASSERT_EQ(Get(NginxGet("empty.bin")), Failure::kNone);
    EXPECT_EQ(sink_.begun, 1);
    EXPECT_EQ(sink_.answer.bodyLength, 0);
}

TEST_F(DownloadTest, RangeAnsweredWithTheWholeFileStartsAtZero)
{
    https::GetRequest request = ScriptedGet("whole/file.bin");
    request.offset = 5000;
    ASSERT_EQ(Get(request), Failure::kNone);
    EXPECT_EQ(answer_.status, 200);
    EXPECT_EQ(answer_.bodyStart, 0);
    EXPECT_EQ(answer_.totalSize, static_cast<long long>(kFileSize));
    EXPECT_TRUE(SameBytes(sink_.body, bytes_));
}

// What came before the cut reaches the sink, but for the piece that WinHTTP
// was filling when the body streamed.
TEST_F(DownloadTest, CutBodyIsCutWithTheBytesSoFar)
{
    for (const char *path : {"cut/40000/file.bin", "reset/40000/file.bin"}) {
        MemorySink sink;
        EXPECT_EQ(https::Get(ScriptedGet(path), sink, answer_), Failure::kCut) << path;
        EXPECT_EQ(sink.begun, 1) << path;
        EXPECT_LE(sink.body.size(), 40000u) << path;
        EXPECT_TRUE(SameBytes(sink.body, bytes_.substr(0, sink.body.size()))) << path;
    }
}

TEST_F(DownloadTest, SilenceOfWaitSecondsIsCut)
{
    https::GetRequest request = ScriptedGet("stall/1000/file.bin");
    request.waitSeconds = 1;
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(Get(request), Failure::kCut);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(2000));
    EXPECT_TRUE(SameBytes(sink_.body, bytes_.substr(0, 1000)));
}

TEST_F(DownloadTest, StallKeepsTheHeartbeatAndStopsWithinASecond)
{
    https::GetRequest request = ScriptedGet("stall/1000/file.bin");
    request.callback = heartbeat_probe::Listen;
    request.reportName = "file.bin";
    heartbeat_probe::Expect("file.bin: 1000 bytes retrieved", 10);
    EXPECT_EQ(Get(request), Failure::kStopped);
    ExpectStoppedWithinASecond(Clock::now());
}

} // namespace

#include "tests/https/https_places.h"

#include "tests/ftp/real/heartbeat_probe.h"
#include "tests/ftp/real/open_descriptors.h"

#include <cstdlib>

namespace {

std::string Environment(const std::string &variable)
{
    const char *value = std::getenv(variable.c_str());
    return value ? value : "";
}

} // namespace

void https::PrintTo(Failure failure, std::ostream *out)
{
    static const char *const names[] = {
        "kNone", "kStopped", "kNotHttps", "kInsecureRedirect", "kTooManyRedirects",
        "kUnreachable", "kUntrusted", "kCut", "kSinkRefused",
    };
    *out << names[static_cast<int>(failure)];
}

bool MemorySink::Begin(const https::Answer &given)
{
    ++begun;
    answer = given;
    return !refuseBegin;
}

bool MemorySink::Write(const char *data, size_t length)
{
    body.append(data, length);
    return !refuseWrite;
}

void ExpectStoppedWithinASecond(std::chrono::steady_clock::time_point returned)
{
    heartbeat_probe::ExpectSteadyRepeats();
    ASSERT_FALSE(heartbeat_probe::Times().empty());
    EXPECT_LT(returned - heartbeat_probe::Times().back(), std::chrono::seconds(1));
}

void HttpsTest::SetUp()
{
    nginxRoot_ = Environment("VOK_HTTPS_NGINX_HOME");
    scriptedRoot_ = Environment("VOK_HTTPS_SCRIPTED_HOME");
    const std::string certificates = Environment("VOK_TEST_CERTIFICATES");
    ASSERT_FALSE(nginxRoot_.empty() || scriptedRoot_.empty() || certificates.empty())
        << "VOK_HTTPS_NGINX_HOME, VOK_HTTPS_SCRIPTED_HOME and VOK_TEST_CERTIFICATES must be set"
        << " (CTest sets them and starts the servers)";
    caFile_ = certificates + "/ca.pem";
    descriptorsBefore_ = OpenDescriptorCount();
}

void HttpsTest::TearDown()
{
    if (descriptorsBefore_ >= 0) {
        EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore_) << "descriptors left open";
    }
}

std::string HttpsTest::Url(const char *variable, const std::string &path)
{
    const std::string name = std::string("VOK_HTTPS_") + variable;
    const std::string address = Environment(name);
    EXPECT_FALSE(address.empty()) << name << " must be set";
    return "https://" + address + "/" + path;
}

https::GetRequest HttpsTest::NginxGet(const std::string &path) const
{
    https::GetRequest request;
    request.url = Url("NGINX", path);
    request.trustedCaFile = caFile_.c_str();
    request.waitSeconds = 5;
    return request;
}

https::Failure HttpsTest::Get(const https::GetRequest &request)
{
    return https::Get(request, sink_, answer_);
}

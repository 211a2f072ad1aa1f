// What the HTTPS client's tests share: the servers that CTest starts for them
// (tests/servers/HttpsServers.cmake), a sink that keeps what it is given,
// and the check that a test leaves no file or socket open.
#ifndef TESTS_HTTPS_HTTPS_PLACES_H
#define TESTS_HTTPS_HTTPS_PLACES_H

#include "https/https_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

namespace https {
// Failures by name in the tests' messages.
void PrintTo(Failure failure, std::ostream *out);
} // namespace https

// Keeps the answers and body it is given; can turn either down.
class MemorySink : public https::Sink {
public:
    bool Begin(const https::Answer &answer) override;
    bool Write(const char *data, size_t length) override;

    int begun = 0;
    https::Answer answer;
    std::string body;
    bool refuseBegin = false;
    bool refuseWrite = false;
};

// Checks that heartbeat_probe heard its text steadily and that the request,
// which the probe stopped, returned within a second of that at returned.
void ExpectStoppedWithinASecond(std::chrono::steady_clock::time_point returned);

class HttpsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // "https://<address>/<path>" for an address that CTest handed over in
    // VOK_HTTPS_<variable>.
    static std::string Url(const char *variable, const std::string &path);
    // A GET of nginx's path that trusts the test CA.
    https::GetRequest NginxGet(const std::string &path) const;
    // The request's answer, with its body in sink_.
    https::Failure Get(const https::GetRequest &request);

    std::filesystem::path nginxRoot_;
    std::filesystem::path scriptedRoot_;
    std::string caFile_;
    MemorySink sink_;
    https::Answer answer_;
    int descriptorsBefore_ = -1;
};

#endif

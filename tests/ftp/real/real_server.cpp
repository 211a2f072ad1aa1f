#include "tests/ftp/real/real_server.h"

#include "tests/ftp/real/open_descriptors.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

std::string Environment(const std::string &variable)
{
    const char *value = std::getenv(variable.c_str());
    return value ? value : "";
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

ServerPlace FindServer(const std::string &name)
{
    const std::string variable = "VOK_FTP_" + Upper(name);
    ServerPlace place{Environment(variable), Environment(variable + "_HOME"),
                      Environment(variable + "_CA")};
    EXPECT_FALSE(place.address.empty() || place.home.empty())
        << variable << " and " << variable << "_HOME must be set"
        << " (CTest sets them and starts the servers)";
    return place;
}

void RealServerTest::SetUp()
{
    const ServerPlace place = FindServer(GetParam());
    address_ = place.address;
    home_ = place.home;
    caFile_ = place.caFile;
    const std::string scratch = Environment("VOK_FTP_SCRATCH");
    ASSERT_FALSE(address_.empty() || home_.empty() || scratch.empty())
        << "VOK_FTP_SCRATCH must be set too";
    ASSERT_TRUE(std::filesystem::is_directory(home_)) << home_;

    scratch_ = std::filesystem::path(scratch) / GetParam();
    std::filesystem::remove_all(scratch_);
    std::filesystem::create_directories(scratch_);
    descriptorsBefore_ = OpenDescriptorCount();
}

void RealServerTest::TearDown()
{
    if (descriptorsBefore_ >= 0) {
        EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore_) << "descriptors left open";
    }
}

FtpSession *RealServerTest::OpenWith(const char *password) const
{
    return caFile_.empty() ? SAPIFtpOpenSession(address_.c_str(), "vok", password, nullptr)
                           : SAPIFtpOpenSecureSession(address_.c_str(), "vok", password,
                                                      caFile_.c_str(), nullptr);
}

Session RealServerTest::Open() const
{
    Session session(OpenWith("wavu4n"));
    EXPECT_NE(session, nullptr) << "login at " << address_ << " failed";
    return session;
}

std::string ServerName(const ::testing::TestParamInfo<const char *> &info)
{
    return info.param;
}

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

void RealServerTest::SetUp()
{
    const std::string variable = "VOK_FTP_" + Upper(GetParam());
    address_ = Environment(variable);
    home_ = Environment(variable + "_HOME");
    const std::string scratch = Environment("VOK_FTP_SCRATCH");
    ASSERT_FALSE(address_.empty() || home_.empty() || scratch.empty())
        << variable << ", " << variable << "_HOME and VOK_FTP_SCRATCH must be set"
        << " (CTest sets them and starts the servers)";
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

Session RealServerTest::Open() const
{
    Session session(SAPIFtpOpenSession(address_.c_str(), "vok", "wavu4n", nullptr));
    EXPECT_NE(session, nullptr) << "login at " << address_ << " failed";
    return session;
}

std::string ServerName(const ::testing::TestParamInfo<const char *> &info)
{
    return info.param;
}

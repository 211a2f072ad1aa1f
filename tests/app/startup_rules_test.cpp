#include "app/startup_rules.h"
#include "wizard/wizard_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ArgumentCase {
    std::vector<const char *> argv;
    const char *expected;
};

TEST(StartupRules, FirstArgumentThatIsNotASwitch)
{
    const ArgumentCase cases[] = {
        {{"vok.exe"}, ""},
        {{"vok.exe", "-a", "/b"}, ""},
        {{"vok.exe", "-a", "first", "second"}, "first"},
        {{"vok.exe", "/x", "campaign-7", "-y"}, "campaign-7"},
    };
    for (const ArgumentCase &c : cases) {
        char out[kWizardTextSize] = "junk";
        FirstFileArgument(static_cast<int>(c.argv.size()), c.argv.data(), out);
        EXPECT_STREQ(c.expected, out);
    }
}

TEST(StartupRules, LongArgumentIsCutTo255Characters)
{
    const std::string longArgument(400, 'a');
    const char *argv[] = {"vok.exe", longArgument.c_str()};
    char out[kWizardTextSize + 1];
    out[kWizardTextSize] = '#';
    FirstFileArgument(2, argv, out);
    EXPECT_EQ(std::string(255, 'a'), out);
    EXPECT_EQ('#', out[kWizardTextSize]);
}

TEST(StartupRules, WorkingFolderIsOnTheWindowsDrive)
{
    const struct {
        const char *windows;
        const char *vendor;
        const char *root;
    } cases[] = {
        {"C:\\WINDOWS", "C:\\Program Files\\Orvane", "C:\\Program Files\\Orvane\\vok"},
        {"D:\\WINNT", "D:\\Program Files\\Orvane", "D:\\Program Files\\Orvane\\vok"},
        {"E:", "E:\\Program Files\\Orvane", "E:\\Program Files\\Orvane\\vok"},
    };
    for (const auto &c : cases) {
        char out[kWizardTextSize];
        VendorFolderFor(c.windows, out);
        EXPECT_STREQ(c.vendor, out);
        InstallRootFor(c.windows, out);
        EXPECT_STREQ(c.root, out);
    }
}

TEST(StartupRules, OsCodeByPlatformAndVersion)
{
    const struct {
        unsigned platform, major, minor;
        int code;
    } cases[] = {
        {0, 3, 11, 0},  // Win32s
        {1, 4, 0, 1},   // Windows 95
        {1, 4, 10, 2},  // Windows 98
        {1, 4, 90, 3},  // Windows Me
        {1, 4, 50, 8},
        {2, 3, 51, 4},  // NT 3.51
        {2, 4, 0, 5},   // NT 4
        {2, 5, 0, 6},   // 2000
        {2, 5, 1, 6},   // XP
        {2, 5, 2, 6},   // Server 2003
        {2, 6, 1, 7},   // Windows 7
        {2, 6, 2, 8},   // Windows 8
        {2, 10, 0, 8},
        {3, 10, 0, 8},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.code, OsCodeFor(c.platform, c.major, c.minor))
            << c.platform << " " << c.major << "." << c.minor;
}

TEST(StartupRules, RegisteredOwnerKeyByOsCode)
{
    const char *const nineX = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    const char *const nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const char *const expected[] = {nullptr, nullptr, nineX, nineX, nt, nt, nt, nt, nullptr};
    for (int code = 0; code <= 8; ++code) {
        if (expected[code] == nullptr)
            EXPECT_EQ(nullptr, RegisteredOwnerKey(code)) << code;
        else
            EXPECT_STREQ(expected[code], RegisteredOwnerKey(code)) << code;
    }
}

} // namespace

#include "pages/browser_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BrowserCommand, ProgramPathFromHandlerCommand)
{
    const struct {
        const char *handler;
        const char *program;
    } cases[] = {
        {"\"C:\\Program Files\\Web\\browser.exe\" -nohome \"%1\"", "C:\\Program Files\\Web\\browser.exe"},
        {"C:\\WINDOWS\\BROWSE.EXE %1", "C:\\WINDOWS\\BROWSE.EXE"},
        {"C:\\Web\\Browser.Exe", "C:\\Web\\Browser.Exe"},
        // The path starts after the last quote before ".exe".
        {"cmd \"a\" \"C:\\x y\\b.exe\"", "C:\\x y\\b.exe"},
        {"\"C:\\one.exe\\two.exe\" x", "C:\\one.exe"},
    };
    for (const auto &c : cases) {
        char program[256] = "junk";
        EXPECT_TRUE(BrowserProgramPath(c.handler, program)) << c.handler;
        EXPECT_STREQ(c.program, program);
    }
}

TEST(BrowserCommand, NoExeNoProgram)
{
    char program[256];
    for (const char *handler : {"", "rundll32 url.dll,FileProtocolHandler %1", "C:\\web\\browser.ex"})
        EXPECT_FALSE(BrowserProgramPath(handler, program)) << handler;
}

TEST(BrowserCommand, CommandLineQuotesThePathAndKeepsBothPartsWhole)
{
    char out[kBrowserCommandSize];
    BrowserCommandLine("C:\\Program Files\\Web\\browser.exe", "http://example.com/a b", out);
    EXPECT_STREQ("\"C:\\Program Files\\Web\\browser.exe\" http://example.com/a b", out);
    BrowserCommandLine("C:\\b.exe", "", out);
    EXPECT_STREQ("\"C:\\b.exe\" ", out);

    const std::string path = "C:\\" + std::string(248, 'p') + ".exe";
    const std::string address = "http://" + std::string(248, 'a');
    ASSERT_EQ(255u, path.size());
    ASSERT_EQ(255u, address.size());
    BrowserCommandLine(path.c_str(), address.c_str(), out);
    EXPECT_EQ("\"" + path + "\" " + address, out);
}

} // namespace

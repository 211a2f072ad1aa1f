#include "tests/ftp/scripted/scripted_ftp_test.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

StatusLog statusLog;

int RecordStatus(const char *text)
{
    statusLog.texts.push_back(text);
    return !statusLog.stopAt.empty() && statusLog.texts.back().rfind(statusLog.stopAt, 0) == 0;
}

void ScriptedFtpTest::SetUp()
{
    statusLog = StatusLog();
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    // Parameterised tests have slashes in their names.
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    const fs::path folder = fs::temp_directory_path() / "scripted-ftp" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    scratch_ = folder.string();
}

void ScriptedFtpTest::TearDown()
{
    fs::remove_all(scratch_);
    std::error_code notEmpty; // another test program may still be using it
    fs::remove(fs::path(scratch_).parent_path(), notEmpty);
}

FtpSession *ScriptedFtpTest::Open(const scripted::ScriptedFtpServer &server)
{
    return SAPIFtpOpenSession(server.HostText().c_str(), "vok", "secret", RecordStatus);
}

Lines ScriptedFtpTest::Session(const Lines &commands)
{
    Lines session{"USER vok", "PASS secret"};
    session.insert(session.end(), commands.begin(), commands.end());
    session.push_back("QUIT");
    return session;
}

std::string ScriptedFtpTest::CurrentDirectory(FtpSession *session)
{
    char directory[256] = "";
    const int result = SAPIFtpGetCurrentDirectory(session, directory, nullptr);
    return result == 0 ? directory : "PWD failed with " + std::to_string(result);
}

std::string ScriptedFtpTest::LocalPath(const std::string &name) const
{
    return (fs::path(scratch_) / name).string();
}

std::string ScriptedFtpTest::ReadFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void ScriptedFtpTest::WriteFile(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool ScriptedFtpTest::FileExists(const std::string &path)
{
    return fs::exists(path);
}

Lines WithPortsMasked(Lines commands)
{
    for (std::string &command : commands) {
        if (command.rfind("PORT ", 0) != 0)
            continue;
        size_t comma = 0;
        for (int i = 0; i < 4 && comma != std::string::npos; ++i)
            comma = command.find(',', comma + 1);
        if (comma != std::string::npos)
            command.replace(comma + 1, std::string::npos, "*");
    }
    return commands;
}

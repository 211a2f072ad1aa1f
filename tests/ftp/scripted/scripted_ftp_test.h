// What every scripted-server test of the FTP client shares: a recording
// status callback, a scratch folder for local files, and the login that
// opens each session.
#ifndef TESTS_FTP_SCRIPTED_SCRIPTED_FTP_TEST_H
#define TESTS_FTP_SCRIPTED_SCRIPTED_FTP_TEST_H

#include "sapi/sapi.h"
#include "tests/servers/scripted/handlers.h"
#include "tests/servers/scripted/scripted_ftp_server.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

typedef std::vector<std::string> Lines;

// A server that offers no passive mode: the client falls back to PORT.
inline scripted::Handler NoPassive()
{
    return scripted::Reply("502 Passive mode not available.\r\n");
}

// The status callback handed to the library: it records every text and asks
// to stop at each text that begins with the stop prefix.
struct StatusLog {
    Lines texts;
    std::string stopAt;
};
extern StatusLog statusLog;
int RecordStatus(const char *text);

class ScriptedFtpTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs in as "vok" with password "secret", reporting to RecordStatus.
    static FtpSession *Open(const scripted::ScriptedFtpServer &server);
    // The commands of a session that logs in, sends these and quits.
    static Lines Session(const Lines &commands);
    // The session's current directory, as PWD gives it; a reply that belongs
    // to an earlier command shows up here.
    static std::string CurrentDirectory(FtpSession *session);

    // A file in the test's own scratch folder.
    std::string LocalPath(const std::string &name) const;
    static std::string ReadFile(const std::string &path);
    static void WriteFile(const std::string &path, const std::string &bytes);
    static bool FileExists(const std::string &path);

private:
    std::string scratch_;
};

// The recorded commands with the port of every PORT command as "*": the
// client's listening port is the system's choice.
Lines WithPortsMasked(Lines commands);

#endif

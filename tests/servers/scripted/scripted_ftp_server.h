// An FTP server for tests that answers from a script. It runs on its own
// thread, listens on 127.0.0.1 at a port the system chooses, serves the
// client's control connections one after another and records every command
// line. Typical use:
//
//   scripted::ScriptedFtpServer server(scripted::Script()
//       .On("PASV", scripted::Reply("502 No passive mode.\r\n"))
//       .On("RETR", scripted::Retrieve({"first ", "second"})));
//   ... the client connects to server.HostText() ...
//   const scripted::Transcript &seen = server.Finish();
#ifndef TESTS_SERVERS_SCRIPTED_SCRIPTED_FTP_SERVER_H
#define TESTS_SERVERS_SCRIPTED_SCRIPTED_FTP_SERVER_H

#include "tests/servers/scripted/handlers.h"
#include "tests/servers/scripted/script.h"
#include "tests/servers/scripted/socket.h"
#include "tests/servers/scripted/transcript.h"

#include <atomic>
#include <map>
#include <string>
#include <thread>

namespace scripted {

class ScriptedFtpServer {
public:
    explicit ScriptedFtpServer(Script script = Script());
    ScriptedFtpServer(const ScriptedFtpServer &) = delete;
    ScriptedFtpServer &operator=(const ScriptedFtpServer &) = delete;
    ~ScriptedFtpServer() { Finish(); }

    // "127.0.0.1:<port>", the host text that the client opens.
    std::string HostText() const;

    // Gives the client kClientCloseMilliseconds to close what it still holds,
    // stops the server and returns what it saw. Call it when the client is
    // done; the transcript stays valid as long as the server.
    const Transcript &Finish();

private:
    void Run();
    void Serve(Socket control);

    const Script script_;
    Socket listener_;
    uint16_t port_;
    std::atomic<bool> finishing_{false};
    Transcript transcript_;
    // Seen so far per verb, for the script's occurrence rules.
    std::map<std::string, int> occurrences_;
    std::thread thread_;
};

} // namespace scripted

#endif

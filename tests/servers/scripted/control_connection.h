// One client's control connection as the handlers see it: the command lines
// that arrive, the replies that go out, and the data channel beside it.
#ifndef TESTS_SERVERS_SCRIPTED_CONTROL_CONNECTION_H
#define TESTS_SERVERS_SCRIPTED_CONTROL_CONNECTION_H

#include "tests/servers/scripted/data_channel.h"
#include "tests/servers/scripted/pieces.h"
#include "tests/servers/scripted/socket.h"
#include "tests/servers/scripted/transcript.h"

#include <atomic>
#include <string>

namespace scripted {

class ControlConnection {
public:
    // finishing turns true when the test is done; from then on the client
    // gets kClientCloseMilliseconds to close the connection.
    ControlConnection(Socket socket, Transcript &transcript, const std::atomic<bool> &finishing);

    // Waits for the next command line and records it; false once the
    // connection has ended (and then a cut-off line is recorded as it came).
    bool NextCommand(std::string *line);

    void Send(const Pieces &pieces) { SendInPieces(socket_, pieces); }
    // The server vanishes: the client's further lines are never read.
    void HangUp() { socket_.Close(); }

    DataChannel &Data() { return data_; }
    Transcript &Record() { return transcript_; }

private:
    bool WaitForClient();

    Socket socket_;
    std::string unread_;
    Transcript &transcript_;
    const std::atomic<bool> &finishing_;
    DataChannel data_;
};

} // namespace scripted

#endif

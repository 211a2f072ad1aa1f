// What the scripted server saw of its client, for the test's assertions.
#ifndef TESTS_SERVERS_SCRIPTED_TRANSCRIPT_H
#define TESTS_SERVERS_SCRIPTED_TRANSCRIPT_H

#include <string>
#include <vector>

namespace scripted {

// How long the client gets to close a socket once it is done with it.
const int kClientCloseMilliseconds = 2000;

struct Transcript {
    // Every command line in the order sent, without its CR LF; a line cut off
    // by the client's close is kept as it came.
    std::vector<std::string> commands;
    // Control connections accepted.
    int connections = 0;
    // The client's sockets that outlived their use: a control connection not
    // closed when the test finished, a passive data connection made and never
    // closed, a listener announced by PORT that still accepts.
    int socketsLeftOpen = 0;
    // Every byte that arrived over STOR data connections.
    std::string stored;
};

} // namespace scripted

#endif

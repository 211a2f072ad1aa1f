// Test programs that touch sockets start Winsock 1.1 before main, as the
// wizard does at start-up; elsewhere there is nothing to do.
#ifdef _WIN32
#include <winsock2.h>

namespace {

struct SocketStartup {
    SocketStartup()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(1, 1), &data);
    }
    ~SocketStartup() { WSACleanup(); }
};

const SocketStartup startup;

} // namespace
#endif

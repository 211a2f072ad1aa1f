// Loopback TCP sockets for the scripted FTP server: the one file pair that
// knows Winsock from BSD sockets. Addresses and ports are in host byte order.
#ifndef TESTS_SERVERS_SCRIPTED_SOCKET_H
#define TESTS_SERVERS_SCRIPTED_SOCKET_H

#include <stdint.h>

#include <string>

namespace scripted {

const uint32_t kLoopbackAddress = 0x7F000001; // 127.0.0.1

// An owned socket handle, closed when the object goes; empty when closed.
class Socket {
public:
    Socket() = default;
    Socket(Socket &&other) noexcept;
    Socket &operator=(Socket &&other) noexcept;
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    ~Socket() { Close(); }

    // Listening on 127.0.0.1 at a port that the system chooses.
    static Socket ListenOnLoopback();
    // Connected to the address and port; empty when the connection failed.
    static Socket ConnectTo(uint32_t address, uint16_t port);

    bool IsOpen() const { return handle_ != kNone; }
    void Close();

    uint16_t LocalPort() const;
    // The connection waiting on this listener; empty when none came in time.
    Socket AcceptWithin(int milliseconds) const;
    bool WaitReadable(int milliseconds) const;
    // False when the peer went away before everything was handed over.
    bool SendAll(const std::string &bytes) const;
    // Bytes received, 0 when the peer closed, -1 on an error.
    int Receive(char *buffer, int size) const;

private:
    static constexpr intptr_t kNone = -1;
    explicit Socket(intptr_t handle);

    intptr_t handle_ = kNone;
};

// A loopback port where nobody listens, so that connecting to it is refused.
uint16_t ClosedLoopbackPort();

} // namespace scripted

#endif

#include "tests/servers/scripted/socket.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace scripted {

namespace {

#ifdef _WIN32
typedef SOCKET NativeSocket;
typedef int SocketLength;
const int kNoSignal = 0;
void CloseNative(NativeSocket socket) { closesocket(socket); }
#else
typedef int NativeSocket;
typedef socklen_t SocketLength;
// A client that hung up must fail the send, not kill the test program.
const int kNoSignal = MSG_NOSIGNAL;
void CloseNative(NativeSocket socket) { close(socket); }
#endif

NativeSocket Native(intptr_t handle) { return static_cast<NativeSocket>(handle); }

sockaddr_in IPv4(uint32_t address, uint16_t port)
{
    sockaddr_in end = {};
    end.sin_family = AF_INET;
    end.sin_addr.s_addr = htonl(address);
    end.sin_port = htons(port);
    return end;
}

// Replies in pieces must leave one by one, not wait to be merged.
void SendAtOnce(NativeSocket socket)
{
    const int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char *>(&on), sizeof on);
}

bool WaitReadableNative(NativeSocket socket, int milliseconds)
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    timeval limit = {milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(static_cast<int>(socket) + 1, &readable, nullptr, nullptr, &limit) == 1;
}

} // namespace

Socket::Socket(intptr_t handle) : handle_(handle) {}

Socket::Socket(Socket &&other) noexcept : handle_(other.handle_)
{
    other.handle_ = kNone;
}

Socket &Socket::operator=(Socket &&other) noexcept
{
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kNone;
    }
    return *this;
}

void Socket::Close()
{
    if (IsOpen())
        CloseNative(Native(handle_));
    handle_ = kNone;
}

Socket Socket::ListenOnLoopback()
{
    Socket listener(static_cast<intptr_t>(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
    const sockaddr_in end = IPv4(kLoopbackAddress, 0);
    if (!listener.IsOpen()
        || bind(Native(listener.handle_), reinterpret_cast<const sockaddr *>(&end), sizeof end) != 0
        || listen(Native(listener.handle_), 5) != 0)
        listener.Close();
    return listener;
}

Socket Socket::ConnectTo(uint32_t address, uint16_t port)
{
    Socket connection(static_cast<intptr_t>(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
    const sockaddr_in end = IPv4(address, port);
    if (!connection.IsOpen()
        || connect(Native(connection.handle_), reinterpret_cast<const sockaddr *>(&end), sizeof end) != 0)
        connection.Close();
    else
        SendAtOnce(Native(connection.handle_));
    return connection;
}

uint16_t Socket::LocalPort() const
{
    sockaddr_in end = {};
    SocketLength length = sizeof end;
    if (getsockname(Native(handle_), reinterpret_cast<sockaddr *>(&end), &length) != 0)
        return 0;
    return ntohs(end.sin_port);
}

Socket Socket::AcceptWithin(int milliseconds) const
{
    if (!WaitReadable(milliseconds))
        return Socket();
    Socket connection(static_cast<intptr_t>(accept(Native(handle_), nullptr, nullptr)));
    if (connection.IsOpen())
        SendAtOnce(Native(connection.handle_));
    return connection;
}

bool Socket::WaitReadable(int milliseconds) const
{
    return IsOpen() && WaitReadableNative(Native(handle_), milliseconds);
}

bool Socket::SendAll(const std::string &bytes) const
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int count = send(Native(handle_), bytes.data() + sent,
                               static_cast<int>(bytes.size() - sent), kNoSignal);
        if (count <= 0)
            return false;
        sent += static_cast<size_t>(count);
    }
    return true;
}

int Socket::Receive(char *buffer, int size) const
{
    const int count = recv(Native(handle_), buffer, size, 0);
    return count < 0 ? -1 : count;
}

uint16_t ClosedLoopbackPort()
{
    // A listener closed at once: the port is free, and nothing else in the
    // test asks for one before the client has been refused there.
    return Socket::ListenOnLoopback().LocalPort();
}

} // namespace scripted

#include "ftp/net.h"

#ifdef _WIN32
#include <winsock2.h>
typedef int AddressLength;
#else
#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>
typedef socklen_t AddressLength;
#endif

#include <string.h>

namespace net {

namespace {

#ifdef _WIN32
typedef SOCKET NativeSocket;
const NativeSocket kNoNativeSocket = INVALID_SOCKET;

void CloseNative(NativeSocket socket)
{
    closesocket(socket);
}
#else
typedef int NativeSocket;
const NativeSocket kNoNativeSocket = -1;

void CloseNative(NativeSocket socket)
{
    close(socket);
}
#endif

NativeSocket ToNative(Socket socket)
{
    return static_cast<NativeSocket>(socket);
}

sockaddr_in MakeAddress(uint32_t address, uint16_t port)
{
    sockaddr_in end;
    memset(&end, 0, sizeof end);
    end.sin_family = AF_INET;
    end.sin_addr.s_addr = address;
    end.sin_port = htons(port);
    return end;
}

// What a failed send or receive returns: kWouldBlock when a socket that does
// not block had nothing to give or no room, else -1.
int LastFailure()
{
#ifdef _WIN32
    return WSAGetLastError() == WSAEWOULDBLOCK ? kWouldBlock : -1;
#else
    return errno == EAGAIN || errno == EWOULDBLOCK ? kWouldBlock : -1;
#endif
}

} // namespace

bool ResolveHost(const char *name, uint32_t *address)
{
    const unsigned long dotted = inet_addr(name);
    if (dotted != INADDR_NONE) {
        *address = static_cast<uint32_t>(dotted);
        return true;
    }
    const hostent *host = gethostbyname(name);
    if (host == NULL || host->h_addrtype != AF_INET || host->h_addr_list[0] == NULL)
        return false;
    memcpy(address, host->h_addr_list[0], sizeof *address);
    return true;
}

uint16_t ServicePort(const char *service, uint16_t fallback)
{
    const servent *entry = getservbyname(service, NULL);
    return entry != NULL ? ntohs(static_cast<uint16_t>(entry->s_port)) : fallback;
}

Socket CreateTcpSocket()
{
    const NativeSocket native = socket(AF_INET, SOCK_STREAM, 0);
    return native == kNoNativeSocket ? kNoSocket : static_cast<Socket>(native);
}

bool Connect(Socket socket, uint32_t address, uint16_t port)
{
    const sockaddr_in end = MakeAddress(address, port);
    return connect(ToNative(socket), reinterpret_cast<const sockaddr *>(&end), sizeof end) == 0;
}

ConnectStart StartConnect(Socket socket, uint32_t address, uint16_t port)
{
    if (!SetNonBlocking(socket))
        return ConnectStart::kFailed;
    const sockaddr_in end = MakeAddress(address, port);
    if (connect(ToNative(socket), reinterpret_cast<const sockaddr *>(&end), sizeof end) == 0)
        return ConnectStart::kConnected;
#ifdef _WIN32
    const bool underWay = WSAGetLastError() == WSAEWOULDBLOCK;
#else
    const bool underWay = errno == EINPROGRESS;
#endif
    return underWay ? ConnectStart::kConnecting : ConnectStart::kFailed;
}

bool FinishConnect(Socket socket)
{
    int error = 0;
    AddressLength length = sizeof error;
    const bool made = getsockopt(ToNative(socket), SOL_SOCKET, SO_ERROR,
                                 reinterpret_cast<char *>(&error), &length) == 0 &&
                      error == 0;
#ifdef _WIN32
    u_long nonBlocking = 0;
    const bool blocking = ioctlsocket(ToNative(socket), FIONBIO, &nonBlocking) == 0;
#else
    const int flags = fcntl(ToNative(socket), F_GETFL);
    const bool blocking = flags >= 0 && fcntl(ToNative(socket), F_SETFL, flags & ~O_NONBLOCK) == 0;
#endif
    return made && blocking;
}

bool BindAnyPort(Socket socket)
{
    const sockaddr_in end = MakeAddress(htonl(INADDR_ANY), 0);
    return bind(ToNative(socket), reinterpret_cast<const sockaddr *>(&end), sizeof end) == 0;
}

bool Listen(Socket socket, int backlog)
{
    return listen(ToNative(socket), backlog) == 0;
}

Socket Accept(Socket listening)
{
    const NativeSocket native = accept(ToNative(listening), NULL, NULL);
    return native == kNoNativeSocket ? kNoSocket : static_cast<Socket>(native);
}

void Close(Socket &socket)
{
    if (socket == kNoSocket)
        return;
    CloseNative(ToNative(socket));
    socket = kNoSocket;
}

int Send(Socket socket, const char *data, int length)
{
#ifdef MSG_NOSIGNAL
    const int flags = MSG_NOSIGNAL; // a vanished peer is an error result, not a signal
#else
    const int flags = 0;
#endif
    const int sent = static_cast<int>(send(ToNative(socket), data, length, flags));
    return sent >= 0 ? sent : LastFailure();
}

int Receive(Socket socket, char *buffer, int length)
{
    const int received = static_cast<int>(recv(ToNative(socket), buffer, length, 0));
    return received >= 0 ? received : LastFailure();
}

bool SetNonBlocking(Socket socket)
{
#ifdef _WIN32
    u_long nonBlocking = 1;
    return ioctlsocket(ToNative(socket), FIONBIO, &nonBlocking) == 0;
#else
    const int flags = fcntl(ToNative(socket), F_GETFL);
    return flags >= 0 && fcntl(ToNative(socket), F_SETFL, flags | O_NONBLOCK) == 0;
#endif
}

void SetReceiveBuffer(Socket socket, int bytes)
{
    setsockopt(ToNative(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char *>(&bytes),
               sizeof bytes);
}

// select() on the one socket; the first argument is ignored by Winsock.
Readiness WaitReady(Socket socket, bool forWriting, int milliseconds)
{
    if (socket == kNoSocket)
        return Readiness::kFailed;
    const NativeSocket native = ToNative(socket);
#ifndef _WIN32
    if (native >= FD_SETSIZE)
        return Readiness::kFailed; // beyond what an fd_set can hold
#endif
    fd_set set;
    FD_ZERO(&set);
    FD_SET(native, &set);
    // Winsock tells of a failed connection attempt among the exceptions;
    // elsewhere the socket becomes writable.
    fd_set exceptions;
    FD_ZERO(&exceptions);
#ifdef _WIN32
    if (forWriting)
        FD_SET(native, &exceptions);
#endif
    timeval limit;
    limit.tv_sec = milliseconds / 1000;
    limit.tv_usec = milliseconds % 1000 * 1000;
    const int ready = forWriting ? select(static_cast<int>(native) + 1, NULL, &set, &exceptions, &limit)
                                 : select(static_cast<int>(native) + 1, &set, NULL, NULL, &limit);
    return ready > 0 ? Readiness::kReady : ready == 0 ? Readiness::kTimedOut : Readiness::kFailed;
}

long long MonotonicMilliseconds()
{
#ifdef _WIN32
    return static_cast<long long>(GetTickCount64());
#else
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
#endif
}

bool LocalEnd(Socket socket, uint32_t *address, uint16_t *port)
{
    sockaddr_in end;
    AddressLength length = sizeof end;
    if (getsockname(ToNative(socket), reinterpret_cast<sockaddr *>(&end), &length) != 0)
        return false;
    *address = end.sin_addr.s_addr;
    *port = ntohs(end.sin_port);
    return true;
}

bool PeerAddress(Socket socket, uint32_t *address)
{
    sockaddr_in end;
    AddressLength length = sizeof end;
    if (getpeername(ToNative(socket), reinterpret_cast<sockaddr *>(&end), &length) != 0)
        return false;
    *address = end.sin_addr.s_addr;
    return true;
}

} // namespace net

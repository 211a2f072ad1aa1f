// The one place that knows Winsock from BSD sockets (and the system's clock).
// Every call is a thin, blocking IPv4 TCP operation; addresses are in network
// byte order.
#ifndef FTP_NET_H
#define FTP_NET_H

#include <stdint.h>

namespace net {

typedef intptr_t Socket;
const Socket kNoSocket = -1;

// A dotted IPv4 address is taken as it is; anything else is looked up as a
// host name and its first address used.
bool ResolveHost(const char *name, uint32_t *address);
// The port of a named service from the services database, or fallback.
uint16_t ServicePort(const char *service, uint16_t fallback);

Socket CreateTcpSocket();
bool Connect(Socket socket, uint32_t address, uint16_t port);
// A connection made without blocking: StartConnect leaves the socket not
// blocking and gives kConnecting while the attempt goes on; once WaitReady
// for writing says ready, FinishConnect tells whether it was made and lets
// the socket block again.
enum class ConnectStart { kConnected, kConnecting, kFailed };
ConnectStart StartConnect(Socket socket, uint32_t address, uint16_t port);
bool FinishConnect(Socket socket);
bool BindAnyPort(Socket socket);
bool Listen(Socket socket, int backlog);
// kNoSocket when the accept fails.
Socket Accept(Socket listening);
// Closes a socket that is open and sets it to kNoSocket.
void Close(Socket &socket);

// Sends and receives return at once, kWouldBlock when nothing has arrived
// yet or there is no room to send.
bool SetNonBlocking(Socket socket);
// Asks for a receive buffer of the given size (the system may give less).
void SetReceiveBuffer(Socket socket, int bytes);

// Bytes moved, 0 when the peer closed (Receive only), or -1 on an error.
const int kWouldBlock = -2;
int Send(Socket socket, const char *data, int length);
int Receive(Socket socket, char *buffer, int length);

// Waits at most the given milliseconds for the socket to have something to
// receive (or, forWriting, room to send, or the end of a connection attempt,
// made or failed).
enum class Readiness { kReady, kTimedOut, kFailed };
Readiness WaitReady(Socket socket, bool forWriting, int milliseconds);

// A clock for the limits of waits: milliseconds since some fixed moment,
// never going back.
long long MonotonicMilliseconds();

bool LocalEnd(Socket socket, uint32_t *address, uint16_t *port);
bool PeerAddress(Socket socket, uint32_t *address);

} // namespace net

#endif

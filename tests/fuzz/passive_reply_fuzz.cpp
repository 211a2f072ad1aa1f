// The 227 reply through FtpOpenPassive, the narrowest entry that parses it:
// the input is the server's answer to PASV on a loopback control connection,
// closed behind it. The process runs in a network of its own, so the data
// connection to the port that a reply names can only reach this target's own
// listener. A passive connection is made (227) only to that listener, and a
// failed attempt leaves no data socket behind.
#include "ftp/control.h"
#include "ftp/data_connection.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_session.h"
#include "tests/fuzz/private_network.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The control connection's server end listens here; "(127,0,0,1,8,73)" names it.
const uint16_t kListenerPort = 2121;

net::Socket listener = net::kNoSocket;

uint16_t PeerPort(net::Socket socket)
{
    sockaddr_in peer;
    socklen_t length = sizeof peer;
    if (getpeername(static_cast<int>(socket), reinterpret_cast<sockaddr *>(&peer), &length) != 0)
        return 0;
    return ntohs(peer.sin_port);
}

bool ListenOnLoopback()
{
    sockaddr_in end;
    memset(&end, 0, sizeof end);
    end.sin_family = AF_INET;
    end.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    end.sin_port = htons(kListenerPort);
    listener = net::CreateTcpSocket();
    return listener != net::kNoSocket &&
           bind(static_cast<int>(listener), reinterpret_cast<sockaddr *>(&end), sizeof end) == 0 &&
           net::Listen(listener, 8);
}

// Takes in and closes what else connected to the listener: the data
// connection that a reply made.
void DrainListener()
{
    while (net::WaitReady(listener, false, 0) == net::Readiness::kReady)
        close(accept(static_cast<int>(listener), NULL, NULL));
}

bool IsPassiveResult(int result)
{
    return result == 227 || result == ftp::kPassiveNotSent || result == ftp::kPassiveRefused ||
           result == ftp::kPassiveNoSocket || result == ftp::kPassiveNotConnected;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (!EnterPrivateNetwork()) {
        fprintf(stderr, "no network namespace of its own: the target would reach other programs\n");
        exit(1);
    }
    if (!ListenOnLoopback()) {
        fprintf(stderr, "cannot listen on 127.0.0.1:%u\n", kListenerPort);
        exit(1);
    }
    // Every byte is sent before the client reads; a wait is never a real stall.
    ftp::ftpWaitSeconds = 1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    net::Socket client = net::CreateTcpSocket();
    if (!net::Connect(client, htonl(INADDR_LOOPBACK), kListenerPort)) {
        net::Close(client);
        return 0;
    }
    const int server = accept(static_cast<int>(listener), NULL, NULL);
    send(server, data, size, MSG_NOSIGNAL);
    shutdown(server, SHUT_WR);

    FtpSession *session = NewSessionOn(client);
    const int result = ftp::FtpOpenPassive(session);
    FUZZ_CHECK(IsPassiveResult(result));
    if (result == 227)
        FUZZ_CHECK(PeerPort(session->dataSocket) == kListenerPort);
    else
        FUZZ_CHECK(session->dataSocket == net::kNoSocket);

    FreeSession(session);
    close(server);
    DrainListener();
    CheckNothingLeftOpen();
    return 0;
}

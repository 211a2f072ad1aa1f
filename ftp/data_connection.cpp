#include "ftp/data_connection.h"

#include "ftp/control.h"
#include "ftp/wait.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace ftp {

namespace {

// Reads "h1,h2,h3,h4,p1,p2" from a 227 reply: from the digits in front of
// the first comma on, each number up to its first non-digit. Only the port
// is kept; false when the reply holds no such address.
bool ParsePassivePort(const char *reply, uint16_t *port)
{
    char text[kTextSize];
    snprintf(text, sizeof text, "%s", reply);
    const char *comma = strchr(text, ',');
    if (comma == NULL)
        return false;
    const char *cursor = comma;
    while (cursor > text && isdigit(static_cast<unsigned char>(cursor[-1])))
        --cursor;

    unsigned long numbers[6];
    for (int index = 0; index < 6; ++index) {
        while (*cursor == ' ')
            ++cursor;
        if (!isdigit(static_cast<unsigned char>(*cursor)))
            return false;
        char *end = NULL;
        numbers[index] = strtoul(cursor, &end, 10);
        if (numbers[index] > 255 || (index < 5 && *end != ','))
            return false;
        cursor = end + 1;
    }
    *port = static_cast<uint16_t>(numbers[4] * 256 + numbers[5]);
    return true;
}

} // namespace

int FtpOpenPassive(FtpSession *session)
{
    const int reply = FtpSendCommand(session, "PASV\r\n");
    if (reply == kCommandNotSent)
        return kPassiveNotSent;
    uint16_t port = 0;
    if (reply != 227 || !ParsePassivePort(session->reply, &port))
        return kPassiveRefused;

    // The data connection goes to the host we are talking to, whatever
    // address the reply names: a server must not send us to a third host.
    uint32_t address = 0;
    if (!net::PeerAddress(session->controlSocket, &address))
        return kPassiveNotConnected;
    session->dataSocket = net::CreateTcpSocket();
    if (session->dataSocket == net::kNoSocket)
        return kPassiveNoSocket;
    if (!FtpConnectSocket(session, session->dataSocket, address, port)) {
        net::Close(session->dataSocket);
        return kPassiveNotConnected;
    }
    return 227;
}

int FtpOpenActive(FtpSession *session)
{
    session->listenSocket = net::CreateTcpSocket();
    if (session->listenSocket == net::kNoSocket)
        return kActiveNoSocket;

    int failure = 0;
    uint16_t port = 0;
    uint32_t address = 0;
    uint16_t controlPort = 0;
    if (!net::BindAnyPort(session->listenSocket))
        failure = kActiveNotBound;
    else if (!net::Listen(session->listenSocket, 5))
        failure = kActiveNotListening;
    else if (!net::LocalEnd(session->listenSocket, &address, &port))
        failure = kActiveNoPort;
    else if (!net::LocalEnd(session->controlSocket, &address, &controlPort))
        failure = kActiveNoControlAddress;
    if (failure != 0) {
        net::Close(session->listenSocket);
        return failure;
    }

    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(&address);
    char line[kTextSize];
    snprintf(line, sizeof line, "PORT %d,%d,%d,%d,%d,%d\r\n", bytes[0], bytes[1], bytes[2],
             bytes[3], port >> 8, port & 0xFF);
    const int result = FtpSendCommand(session, line);
    if (result < 0)
        net::Close(session->listenSocket);
    return result;
}

int FtpOpenDataConnection(FtpSession *session)
{
    session->activeMode = 0;
    if (FtpOpenPassive(session) == 227)
        return 0;
    session->activeMode = 1;
    const int result = FtpOpenActive(session);
    if (result == 200)
        return 0;
    net::Close(session->listenSocket);
    return result;
}

bool FtpAcceptDataConnection(FtpSession *session)
{
    if (session->activeMode) {
        if (FtpSessionWait(session, session->listenSocket, false) == WaitEnd::kReady)
            session->dataSocket = net::Accept(session->listenSocket);
        net::Close(session->listenSocket);
        if (session->dataSocket == net::kNoSocket)
            return false;
    }
    if (session->controlTls == NULL)
        return true;
    // A socket that does not block lets a stalled handshake time out.
    if (!net::SetNonBlocking(session->dataSocket))
        return false;
    tls::Failure failure = tls::Failure::kNone;
    session->dataTls = tls::Open(session->dataSocket, session->hostName, session->trustedCaFile,
                                 session->controlTls, ftpWaitSeconds, FtpChannelWaiter(session),
                                 &failure);
    return session->dataTls != NULL;
}

WaitEnd FtpEndSentData(FtpSession *session)
{
    if (session->dataTls == NULL)
        return WaitEnd::kReady;
    tls::Close(session->dataTls);
    session->dataTls = NULL;
    char scrap[512];
    for (;;) {
        const int received = net::Receive(session->dataSocket, scrap, sizeof scrap);
        // An end, orderly or not: the server has read what it wanted.
        if (received == 0 || received == -1)
            return WaitEnd::kReady;
        if (received != net::kWouldBlock)
            continue;
        const WaitEnd end = FtpSessionWait(session, session->dataSocket, false);
        if (end != WaitEnd::kReady)
            return end;
    }
}

void FtpCloseDataConnection(FtpSession *session)
{
    tls::Close(session->dataTls);
    session->dataTls = NULL;
    net::Close(session->dataSocket);
    net::Close(session->listenSocket);
}

} // namespace ftp

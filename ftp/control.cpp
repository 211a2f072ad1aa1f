#include "ftp/control.h"

#include "ftp/wait.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

char localAddress[256];

namespace ftp {

int ftpWaitSeconds = 60;

namespace {

// The receive stages of one reply piece: what a time-out and what a closed
// connection are reported as.
struct ReceiveStage {
    int timedOut;
    int closed;
};

// Receives more of the reply behind the text already in the block. The last
// byte of the block stays free for the NUL, so a reply that outgrows the
// block ends as a closed connection.
int ReceiveMore(FtpSession *session, int *length, ReceiveStage stage)
{
    const int room = kBlockSize - 1 - *length;
    int received = 0;
    do {
        // Decrypted bytes already taken off the socket are not waited for.
        const bool pending = session->controlTls != NULL && tls::HasPending(session->controlTls);
        if (!pending && FtpSessionWait(session, session->controlSocket, false) != WaitEnd::kReady)
            return stage.timedOut;
        if (room <= 0)
            received = 0;
        else if (session->controlTls == NULL)
            received = net::Receive(session->controlSocket, session->reply + *length, room);
        else
            received = tls::Receive(session->controlTls, session->reply + *length, room);
        // Only a secure session's socket does not block: part of a record came.
    } while (received == net::kWouldBlock);
    if (received <= 0)
        return stage.closed;
    *length += received;
    session->reply[*length] = '\0';
    return 0;
}

// Receives until text holds needle, searching from start onwards.
int ReceiveUntil(FtpSession *session, int *length, const char *needle, int start,
                 ReceiveStage stage)
{
    while (strstr(session->reply + start, needle) == NULL) {
        const int failure = ReceiveMore(session, length, stage);
        if (failure != 0)
            return failure;
    }
    return 0;
}

// Preliminary replies after which the client reads a final one: a greeting
// that asks to wait (120), and a transfer starting (125, 150). Whatever
// follows any other reply in the same receive is dropped, so that a stray
// line cannot put every later command one reply behind.
bool PromisesFinalReply(int code)
{
    return code == 120 || code == 125 || code == 150;
}

// A final reply that came in the same receive as its preliminary one is kept
// for the next read instead of being lost behind the first.
void KeepFinalReply(FtpSession *session, int code, int replyEnd, int length)
{
    session->pendingLength = 0;
    if (!PromisesFinalReply(code) || replyEnd >= length)
        return;
    session->pendingLength = length - replyEnd;
    memcpy(session->pendingReply, session->reply + replyEnd, session->pendingLength);
}

// The first piece of a reply: what was kept from the last receive, or what
// arrives now.
int ReceiveFirstPiece(FtpSession *session, int *length)
{
    if (session->pendingLength == 0)
        return ReceiveMore(session, length, {kReplyNothingArrived, kReplyStartClosed});
    memcpy(session->reply, session->pendingReply, session->pendingLength);
    *length = session->pendingLength;
    session->reply[*length] = '\0';
    session->pendingLength = 0;
    return 0;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The reply's code, or 0 when its first three characters are not a code
// from 100 to 599.
int ReplyCode(const char *text)
{
    if (text[0] < '1' || text[0] > '5' || !IsDigit(text[1]) || !IsDigit(text[2]))
        return 0;
    return (text[0] - '0') * 100 + (text[1] - '0') * 10 + (text[2] - '0');
}

// Splits "name:port" into the host name and the port; without a port the
// services database decides, else 21.
bool SplitHost(const char *host, char *name, uint16_t *port)
{
    strcpy(name, host);
    char *colon = strchr(name, ':');
    if (colon == NULL) {
        *port = net::ServicePort("ftp", 21);
        return true;
    }
    *colon = '\0';
    char *end = NULL;
    const long number = strtol(colon + 1, &end, 10);
    if (end == colon + 1 || *end != '\0' || number < 1 || number > 65535)
        return false;
    *port = static_cast<uint16_t>(number);
    return true;
}

void RecordLocalAddress(net::Socket socket)
{
    uint32_t address = 0;
    uint16_t port = 0;
    if (!net::LocalEnd(socket, &address, &port))
        return;
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(&address);
    snprintf(localAddress, sizeof localAddress, "%d.%d.%d.%d", bytes[0], bytes[1], bytes[2],
             bytes[3]);
}

} // namespace

int FtpSendAll(FtpSession *session, net::Socket socket, const char *data, int length)
{
    while (length > 0) {
        if (FtpSessionWait(session, socket, true) != WaitEnd::kReady)
            return kSendTimedOut;
        const int sent = net::Send(socket, data, length);
        if (sent <= 0)
            return kSendFailed;
        data += sent;
        length -= sent;
    }
    return 0;
}

int FtpResolveHost(const char *name, uint32_t *address)
{
    return net::ResolveHost(name, address) ? 0 : -1;
}

int FtpConnectControl(FtpSession *session)
{
    char name[kTextSize];
    uint16_t port = 0;
    uint32_t address = 0;
    if (!SplitHost(session->host, name, &port) || FtpResolveHost(name, &address) != 0)
        return kHostNotResolved;
    strcpy(session->hostName, name);

    session->controlSocket = net::CreateTcpSocket();
    if (session->controlSocket == net::kNoSocket)
        return kSocketNotCreated;
    if (!FtpConnectSocket(session, session->controlSocket, address, port)) {
        net::Close(session->controlSocket);
        return kConnectFailed;
    }
    session->pendingLength = 0;
    RecordLocalAddress(session->controlSocket);
    return 0;
}

int FtpReadReply(FtpSession *session)
{
    char *text = session->reply;
    memset(text, 0, 16);
    int length = 0;
    int failure = ReceiveFirstPiece(session, &length);
    // The code and the mark behind it decide the shape of the reply; a first
    // piece too short to show them waits for the rest of them.
    while (failure == 0 && length < 4)
        failure = ReceiveMore(session, &length,
                              {kReplyFinalLineNotReached, kReplyFinalLineNotReachedClosed});
    if (failure != 0)
        return failure;

    // A broken reply is taken to end with its first line.
    const int code = ReplyCode(text);
    int finalLine = 0;
    if (text[3] == ' ' || code == 0) {
        failure = ReceiveUntil(session, &length, "\r\n", 0, {kReplyLineTimedOut, kReplyLineClosed});
    } else {
        // Only "CR LF code space" ends a multi-line reply; inner lines of any
        // other shape do not, and the first line cannot.
        char endMark[8];
        snprintf(endMark, sizeof endMark, "\r\n%c%c%c ", text[0], text[1], text[2]);
        failure = ReceiveUntil(session, &length, endMark, 0,
                               {kReplyFinalLineNotReached, kReplyFinalLineNotReachedClosed});
        if (failure == 0) {
            finalLine = static_cast<int>(strstr(text, endMark) - text) + 2;
            failure = ReceiveUntil(session, &length, "\r\n", finalLine,
                                   {kReplyFinalLineTimedOut, kReplyFinalLineClosed});
        }
    }
    if (failure != 0)
        return failure;
    const int replyEnd = static_cast<int>(strstr(text + finalLine, "\r\n") - text) + 2;
    KeepFinalReply(session, code, replyEnd, length);
    if (code == 0)
        return kReplyMalformed;
    return code < 400 ? code : -code;
}

int FtpSendCommand(FtpSession *session, const char *line)
{
    // After a stop nothing more goes out: the caller is on its way back.
    if (session->stopped)
        return kCommandNotSent;
    const int length = static_cast<int>(strlen(line));
    const bool sent = session->controlTls == NULL
                          ? FtpSendAll(session, session->controlSocket, line, length) == 0
                          : tls::Send(session->controlTls, line, length) == length;
    if (!sent)
        return kCommandNotSent;
    return FtpReadReply(session);
}

void FtpCloseControl(FtpSession *session)
{
    tls::Close(session->controlTls);
    session->controlTls = NULL;
    net::Close(session->controlSocket);
}

int FtpSendCommandWith(FtpSession *session, const char *pattern, const char *argument)
{
    char line[kTextSize];
    const int length = snprintf(line, sizeof line, pattern, argument);
    if (length < 0 || length >= static_cast<int>(sizeof line))
        return kCommandNotSent;
    return FtpSendCommand(session, line);
}

} // namespace ftp

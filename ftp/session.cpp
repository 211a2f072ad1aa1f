// Opening, closing and keeping alive a logged-in session.
#include "ftp/control.h"
#include "ftp/data_connection.h"
#include "ftp/secure_control.h"
#include "ftp/status.h"
#include "sapi/bounded_copy.h"

#include <stdlib.h>
#include <string.h>

using namespace ftp;

namespace {

// False for a text too long to keep whole.
bool CopyWholeText(char *dest, const char *text)
{
    return CopyBoundedText(dest, kTextSize, text) == strlen(text);
}

void FreeSession(FtpSession *session)
{
    free(session->trustedCaFile);
    free(session->reply);
    free(session);
}

// A copy of the CA file's path, which may be longer than a text; false when
// memory runs out.
bool CopyCaFile(FtpSession *session, const char *trustedCaFile)
{
    if (trustedCaFile == NULL)
        return true;
    const size_t size = strlen(trustedCaFile) + 1;
    session->trustedCaFile = static_cast<char *>(malloc(size));
    if (session->trustedCaFile == NULL)
        return false;
    memcpy(session->trustedCaFile, trustedCaFile, size);
    return true;
}

// A record that holds its own copies of the account; null when memory runs
// out or a text does not fit (a cut password or host would be another one).
FtpSession *NewSession(const char *host, const char *user, const char *password, bool secure,
                       const char *trustedCaFile)
{
    FtpSession *session = static_cast<FtpSession *>(calloc(1, sizeof(FtpSession)));
    if (session == NULL)
        return NULL;
    session->activeMode = 0;
    session->controlSocket = net::kNoSocket;
    session->dataSocket = net::kNoSocket;
    session->listenSocket = net::kNoSocket;
    session->pendingLength = 0;
    session->secure = secure ? 1 : 0;
    session->reply = static_cast<char *>(malloc(kBlockSize));
    if (session->reply == NULL || !CopyWholeText(session->host, host) ||
        !CopyWholeText(session->user, user) || !CopyWholeText(session->password, password) ||
        !CopyCaFile(session, trustedCaFile)) {
        FreeSession(session);
        return NULL;
    }
    return session;
}

bool Accepted(int result)
{
    return result >= 0 && result < 400;
}

// Connects, reads the greeting, secures a secure session's connection and
// logs in, with the running operation's callback; whether it may stop the
// login is the operation's (a keep-alive reports without asking).
// 0, or -1 connection, greeting or TLS failed, -2 USER or -3 PASS refused,
// -4 stopped.
const int kLoginConnectFailed = -1;
const int kLoginUserRefused = -2;
const int kLoginPasswordRefused = -3;
const int kLoginStopped = -4;

int LogIn(FtpSession *session)
{
    if (FtpReportStatus(session, "Host: %s", session->host) != 0)
        return kLoginStopped;
    if (FtpConnectControl(session) != 0)
        return kLoginConnectFailed;
    // "120 Ready in a while" comes before the greeting that lets a client in.
    int greeting = FtpReadReply(session);
    while (greeting == 120)
        greeting = FtpReadReply(session);
    if (greeting < 0)
        return kLoginConnectFailed;
    // The account goes out only over a connection whose certificate passed.
    if (session->secure) {
        if (FtpSecureControl(session) != 0)
            return kLoginConnectFailed;
        const char *negotiated = tls::Description(session->controlTls);
        if (FtpReportStatus(session, "Secure connection: %s", negotiated) != 0)
            return kLoginStopped;
    }
    if (FtpReportStatus(session, "Username: %s", session->user) != 0)
        return kLoginStopped;
    if (!Accepted(FtpSendCommandWith(session, "USER %s\r\n", session->user)))
        return kLoginUserRefused;
    // The password itself never reaches the callback.
    if (FtpReportStatus(session, "Password:") != 0)
        return kLoginStopped;
    // PASS goes even after a 230 to USER.
    if (!Accepted(FtpSendCommandWith(session, "PASS %s\r\n", session->password)))
        return kLoginPasswordRefused;
    return 0;
}

// The open that both kinds of session share: null, with everything closed
// and freed, unless the account is logged in.
FtpSession *OpenSession(const char *host, const char *user, const char *password, bool secure,
                        const char *trustedCaFile, FtpStatusCallback callback)
{
    ftpWaitSeconds = 60;
    FtpSession *session = NewSession(host, user, password, secure, trustedCaFile);
    if (session == NULL)
        return NULL;
    FtpBeginOperation(session, callback, true);
    if (FtpEndOperation(session, LogIn(session)) != 0) {
        FtpCloseControl(session);
        FreeSession(session);
        return NULL;
    }
    return session;
}

// NOOP, and when it finds the connection dead, a new connection and login:
// 0 alive, 1 logged in again, or the login's failure.
int KeepAlive(FtpSession *session)
{
    if (FtpSendCommand(session, "NOOP\r\n") == 200)
        return 0;

    // The connection counts as dead: remake it and log in again.
    FtpSendCommand(session, "QUIT\r\n");
    FtpCloseControl(session);
    FtpCloseDataConnection(session);
    const int login = LogIn(session);
    if (login == 0)
        return 1;
    if (login == kLoginConnectFailed)
        FtpCloseControl(session);
    return login;
}

} // namespace

FtpSession *SAPIFtpOpenSession(const char *host, const char *user, const char *password,
                               FtpStatusCallback callback)
{
    return OpenSession(host, user, password, false, NULL, callback);
}

FtpSession *SAPIFtpOpenSecureSession(const char *host, const char *user, const char *password,
                                     const char *trustedCaFile, FtpStatusCallback callback)
{
    return OpenSession(host, user, password, true, trustedCaFile, callback);
}

// The answer to "Quit" is not asked for, but a stop ends the wait for
// QUIT's reply (-1); the session is freed either way.
int SAPIFtpCloseSession(FtpSession *session, FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, true);
    FtpReportStatus(session, "Quit");
    const long long result = FtpEndOperation(session, FtpSendCommand(session, "QUIT\r\n"));
    FtpCloseDataConnection(session);
    FtpCloseControl(session);
    FreeSession(session);
    return result < 0 ? static_cast<int>(result) : 0;
}

// The callback gets the heartbeat, but no answer of it ends a keep-alive.
int SAPIFtpKeepAlive(FtpSession *session, FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, false);
    return KeepAlive(session);
}


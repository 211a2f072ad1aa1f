#include "ftp/secure_control.h"

#include "ftp/control.h"
#include "ftp/status.h"
#include "ftp/wait.h"

#include <string.h>

namespace ftp {

namespace {

// True when result is a code the server sent, so that its text is in the
// session's block; the library's own stages are not.
bool IsServerReply(int result)
{
    return result >= 100 || result <= -400;
}

// Sends command; true when its answer is the expected code. Otherwise the
// refusal is reported with the reply's first line (without its line end), or
// with what stood in the way of reading one.
bool Expect(FtpSession *session, const char *command, int expected)
{
    const int result = FtpSendCommand(session, command);
    if (result == expected || session->stopped)
        return result == expected;
    if (IsServerReply(result)) {
        const int lineLength = static_cast<int>(strcspn(session->reply, "\r\n"));
        FtpReportStatus(session, "No secure connection: %.*s", lineLength, session->reply);
    } else {
        FtpReportStatus(session, "No secure connection: no reply to %.*s",
                        static_cast<int>(strcspn(command, "\r\n")), command);
    }
    return false;
}

// The handshake on the control socket, which stops blocking first, so that
// a peer that stalls in the middle of a record cannot hold a read forever.
bool ShakeHands(FtpSession *session)
{
    tls::Failure failure = tls::Failure::kHandshake;
    if (net::SetNonBlocking(session->controlSocket))
        session->controlTls =
            tls::Open(session->controlSocket, session->hostName, session->trustedCaFile, NULL,
                      ftpWaitSeconds, FtpChannelWaiter(session), &failure);
    if (session->controlTls != NULL || session->stopped)
        return session->controlTls != NULL;
    if (failure == tls::Failure::kUntrusted)
        FtpReportStatus(session, "Certificate not trusted: no valid certificate for %s",
                        session->hostName);
    else
        FtpReportStatus(session, "No secure connection: TLS handshake failed");
    return false;
}

} // namespace

int FtpSecureControl(FtpSession *session)
{
    // PBSZ 0 (no buffer for a stream) must come before PROT P (protect every
    // data connection); a server that refuses either leaves the data plain.
    const bool secure = Expect(session, "AUTH TLS\r\n", 234) && ShakeHands(session) &&
                        Expect(session, "PBSZ 0\r\n", 200) && Expect(session, "PROT P\r\n", 200);
    return secure ? 0 : kNotSecure;
}

} // namespace ftp

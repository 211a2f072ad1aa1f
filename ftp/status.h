// Status texts for the caller's callback, and the running operation that
// they belong to.
#ifndef FTP_STATUS_H
#define FTP_STATUS_H

#include "sapi/sapi.h"

namespace ftp {

// What an operation returns when the callback asked it to stop.
const int kStopped = -1;

// Formats a status text (cut to 255 characters) and hands it to the
// callback; its result, non-zero asking to stop, or 0 without a callback.
int FtpReport(FtpStatusCallback callback, const char *format, ...)
    __attribute__((format(printf, 2, 3)));

// The same for the session's running operation, remembering the text for
// its heartbeat. 0 in an operation that takes no stop.
int FtpReportStatus(FtpSession *session, const char *format, ...)
    __attribute__((format(printf, 2, 3)));

// Remembers a status text for the heartbeat without handing it to the
// callback: what an operation stands at before its first report.
void FtpNoteStatus(FtpSession *session, const char *format, ...)
    __attribute__((format(printf, 2, 3)));

// Gives the session's last report to the operation's callback again: its
// answer, or 0 as above.
int FtpReportAgain(FtpSession *session);

// Every operation on a session begins here, a callback of null included:
// callback becomes the running operation's; honoursStop false gives the
// heartbeat but lets no answer end a wait.
void FtpBeginOperation(FtpSession *session, FtpStatusCallback callback, bool honoursStop);
// The operation's result: kStopped when the callback ended one of its waits,
// whatever failure that wait left behind, else result.
long long FtpEndOperation(const FtpSession *session, long long result);

} // namespace ftp

#endif

// The control connection: connecting, sending commands and reading replies.
// Results follow the library's convention: a reply code below 400 as it is,
// 400 and above negated, and a negative stage code for the library's own
// failures.
#ifndef FTP_CONTROL_H
#define FTP_CONTROL_H

#include "ftp/session.h"

namespace ftp {

// Reply-reading stages.
const int kReplyNothingArrived = -100;
const int kReplyStartClosed = -101;
const int kReplyLineTimedOut = -102;
const int kReplyLineClosed = -103;
const int kReplyFinalLineNotReached = -104;
const int kReplyFinalLineNotReachedClosed = -105;
const int kReplyFinalLineTimedOut = -106;
const int kReplyFinalLineClosed = -107;
// A reply that does not start with a three-digit code.
const int kReplyMalformed = -108;
const int kCommandNotSent = -200;
const int kHostNotResolved = -300;
const int kSocketNotCreated = -301;
const int kConnectFailed = -302;

// Sends all of data on a socket of the session, however the system splits
// it: 0, or kSendTimedOut when the socket does not become writable in time
// (or the operation was stopped), kSendFailed on an error.
const int kSendTimedOut = -1;
const int kSendFailed = -2;
int FtpSendAll(FtpSession *session, net::Socket socket, const char *data, int length);

// 0 with the IPv4 address of a host name or dotted address; -1 otherwise.
int FtpResolveHost(const char *name, uint32_t *address);

// Connects controlSocket to the session's host ("name" or "name:port") and
// records the local end in localAddress. 0, or -300, -301, -302.
int FtpConnectControl(FtpSession *session);

// Ends the control connection: its TLS channel first, then the socket.
void FtpCloseControl(FtpSession *session);

// Reads one reply into the session's block.
int FtpReadReply(FtpSession *session);

// Sends one command line (ending in CR LF) and reads its reply; both go
// through the control channel's TLS when the session has it. A stopped
// operation sends nothing (-200).
int FtpSendCommand(FtpSession *session, const char *line);

// Formats "VERB %s\r\n"-style patterns with one text argument. A line that
// would not fit the 255-character command buffer is not sent (-200): a cut
// name could name another file.
int FtpSendCommandWith(FtpSession *session, const char *pattern, const char *argument);

} // namespace ftp

#endif

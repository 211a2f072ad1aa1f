// Waits on the sockets of a session, each bounded by ftpWaitSeconds, with
// the running operation's heartbeat.
#ifndef FTP_WAIT_H
#define FTP_WAIT_H

#include "ftp/session.h"

namespace ftp {

// How often a wait with a callback calls it.
const int kWaitSliceMilliseconds = 250;

enum class WaitEnd { kReady, kTimedOut, kStopped };

// Waits up to ftpWaitSeconds for a socket of the session to have something
// to receive (or, forWriting, room to send). Without the operation's
// callback the wait is one piece; with it, slices of kWaitSliceMilliseconds
// with the session's last report given to the callback again between each
// two, so that a caller can keep its window alive and stop a stalled
// operation. A stop marks the operation stopped, and a stopped operation
// waits no more. A wait that fails ends as timed out.
WaitEnd FtpSessionWait(FtpSession *session, net::Socket socket, bool forWriting);

// Connects socket to address and port. With the operation's callback the
// attempt does not block but is waited for as FtpSessionWait waits, so that
// a host that never answers cannot freeze the caller's window; without one
// the system's own connect time limit holds. True when connected, the
// socket blocking again.
bool FtpConnectSocket(FtpSession *session, net::Socket socket, uint32_t address, uint16_t port);

// The wait a session's TLS channels go through: as FtpSessionWait, up to
// the milliseconds the channel has left; a stop reads as a failure.
tls::Waiter FtpChannelWaiter(FtpSession *session);

} // namespace ftp

#endif

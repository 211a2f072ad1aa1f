// Waits on a socket, each bounded by ftpWaitSeconds.
#ifndef FTP_WAIT_H
#define FTP_WAIT_H

#include "ftp/session.h"

namespace ftp {

// How often a wait that keeps its caller informed calls back.
const int kWaitSliceMilliseconds = 250;

enum class WaitEnd { kReady, kTimedOut, kStopped };

// Called between the slices of a wait; a non-zero result ends it.
typedef int (*StillWaiting)(void *context);

// Waits up to ftpWaitSeconds for the socket to have something to receive
// (or, forWriting, room to send). Without stillWaiting the wait is one piece;
// with it, slices of kWaitSliceMilliseconds with a call between each two, so
// that a caller can keep its window alive and stop a stalled transfer. A wait
// that fails ends as timed out.
WaitEnd FtpWait(net::Socket socket, bool forWriting, StillWaiting stillWaiting, void *context);

// FtpWait in one piece: true when the socket became ready.
bool FtpWaitReadable(net::Socket socket);
bool FtpWaitWritable(net::Socket socket);

} // namespace ftp

#endif

// The session record behind the opaque FtpSession handle, and the limits
// that every FTP operation shares.
#ifndef FTP_SESSION_H
#define FTP_SESSION_H

#include "ftp/net.h"
#include "ftp/tls.h"
#include "sapi/sapi.h"

#include <stddef.h>

namespace ftp {

// The one block per session: the latest reply's text, and every data block.
const int kBlockSize = 16384;
// Names, command lines and status texts: 255 characters and a NUL.
const size_t kTextSize = 256;

// The limit, in whole seconds, of every wait on a socket; set by each open.
extern int ftpWaitSeconds;

} // namespace ftp

struct FtpSession {
    char host[ftp::kTextSize];
    // The name or address part of host, which the certificate must match.
    char hostName[ftp::kTextSize];
    char user[ftp::kTextSize];
    char password[ftp::kTextSize];
    char *reply;
    net::Socket controlSocket;
    net::Socket dataSocket;
    net::Socket listenSocket;
    // A secure session runs both connections over TLS; a plain one has null
    // channels, so that its I/O stays one branch away from the socket calls.
    int secure;
    char *trustedCaFile; // owned copy; null for the system's roots
    tls::Channel *controlTls;
    tls::Channel *dataTls;
    int activeMode; // 0 passive (PASV), 1 active (PORT)
    // A final reply that arrived in the same receive as the preliminary
    // reply before it, kept whole for the next reply read.
    char pendingReply[ftp::kBlockSize];
    int pendingLength;
    // The running operation's callback, told the text of the session's last
    // report again while any socket of the session is waited on (the
    // heartbeat). Once it asks to stop there, stopped is set and every later
    // wait and command of the operation ends at once; a keep-alive, which
    // takes no stop, gives the heartbeat without heeding it.
    FtpStatusCallback callback;
    int honoursStop;
    int stopped;
    char lastReport[ftp::kTextSize];
};

#endif

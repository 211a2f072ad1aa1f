// TLS on a connected socket, client side, from the platform's provider:
// Schannel on Windows (tls_schannel.cpp), OpenSSL elsewhere (tls_openssl.cpp).
// The server's certificate is always checked by the code here, never left to
// the provider's defaults: the chain must lead to the trusted root, the
// certificate must be within its dates, and its names must match the host.
#ifndef FTP_TLS_H
#define FTP_TLS_H

#include "ftp/net.h"

#include <stddef.h>

namespace tls {

// One TLS connection over a socket that the caller owns and closes.
struct Channel;

// How a channel waits for its socket, as net::WaitReady does, up to the
// milliseconds its time limit leaves; its owner may end a wait early, which
// reads as kFailed. Without wait, net::WaitReady itself.
struct Waiter {
    net::Readiness (*wait)(void *context, net::Socket socket, bool forWriting, int milliseconds);
    void *context;
};

inline net::Readiness WaitFor(const Waiter &waiter, net::Socket socket, bool forWriting,
                              int milliseconds)
{
    return waiter.wait != NULL ? waiter.wait(waiter.context, socket, forWriting, milliseconds)
                                  : net::WaitReady(socket, forWriting, milliseconds);
}

enum class Failure {
    kNone,
    kHandshake, // no TLS connection could be made (the peer speaks none, or broke off)
    kUntrusted, // a connection was made, but the certificate did not pass the check
};

// Shakes hands on socket, which may block or not, within waitSeconds in
// all, then checks the certificate against host: a host name (DNS names with
// the one-label wildcard rule) or a dotted IPv4 address (the certificate's
// IP-address entries, byte for byte). trustedCaFile names a PEM file whose
// certificate is the one trusted root, or is null for the system's roots.
// resumeFrom, when not null, is a channel to the same server whose session
// the new one resumes where the provider can (a data connection resumes the
// control connection's). Every wait of the channel, the handshake's and
// later ones, goes through waiter. Null on failure, with *failure saying why.
Channel *Open(net::Socket socket, const char *host, const char *trustedCaFile,
              const Channel *resumeFrom, int waitSeconds, Waiter waiter, Failure *failure);

// All of length, encrypted, or -1 on an error; on a socket that does not
// block it waits for room inside, up to the waitSeconds given to Open.
int Send(Channel *channel, const char *data, int length);
// As net::Receive: bytes, 0 when the peer ended the connection, -1 on an
// error, or net::kWouldBlock on a socket that does not block when no whole
// record has arrived yet (wait for the socket, then call again).
int Receive(Channel *channel, char *buffer, int length);

// True when decrypted bytes are waiting: a reader must not wait on the
// socket before it has taken them.
bool HasPending(const Channel *channel);

// What was negotiated, for status texts: "TLSv1.3 TLS_AES_256_GCM_SHA384".
// Points into the channel; valid until Close.
const char *Description(const Channel *channel);

// Tells the peer that the connection ends (best effort, without waiting for
// its answer) and frees the channel; the socket stays open. Null is allowed.
void Close(Channel *channel);

} // namespace tls

#endif

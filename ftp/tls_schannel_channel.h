// What the files of the Schannel backend share: the channel's state and the
// steps that both the handshake and the records take.
#ifndef FTP_TLS_SCHANNEL_CHANNEL_H
#define FTP_TLS_SCHANNEL_CHANNEL_H

#define SECURITY_WIN32
#include "ftp/tls.h"

#include <windows.h>
#include <schannel.h>
#include <security.h>

namespace tls {

namespace schannel {

// Room for the largest record (2^14 bytes and its expansion) twice over, so
// that a record never waits for one that came before it.
const int kIncomingSize = 2 * (5 + 16384 + 2048);
// The content types of TLS records (RFC 5246), read from the clear header.
const char kChangeCipherSpecRecord = 20;
const char kAlertRecord = 21;
const char kApplicationDataRecord = 23;

// One credentials handle for a control connection and the data connections
// that resume its session: Schannel resumes only under the same handle.
struct Credentials {
    CredHandle handle;
    int users;
};

} // namespace schannel

struct Channel {
    net::Socket socket;
    schannel::Credentials *credentials;
    CtxtHandle context;
    bool hasContext;
    char *host;
    int waitMilliseconds;
    Waiter waiter;
    SecPkgContext_StreamSizes sizes;
    // What came from the socket: [0, consumed) the records already decrypted,
    // with plainLength bytes at plain still to be taken; [consumed, received)
    // bytes not yet decrypted.
    char *incoming;
    int received;
    int consumed;
    char *plain;
    int plainLength;
    bool ended;         // the peer's close_notify arrived
    bool seenWouldBlock; // the socket does not block
    char *outgoing;
    char description[80];
};

namespace schannel {

// All of data on the socket, which may block or not, before the deadline.
bool SendAll(Channel *channel, const char *data, int length, long long deadline);

// Keeps only the last extra bytes of incoming (what the provider has not
// used yet), at its start.
void KeepExtra(Channel *channel, int extra);

// The length of the SECBUFFER_EXTRA among buffers, or 0.
int ExtraBytes(const SecBuffer *buffers, int count);

// Runs the handshake (or, with the context made, a later one the server
// asks for) with the bytes in incoming and those that follow, until the
// context is complete. What arrives behind it stays in incoming.
bool Handshake(Channel *channel, long long deadline);

} // namespace schannel

} // namespace tls

#endif

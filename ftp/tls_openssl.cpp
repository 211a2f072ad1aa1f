// The OpenSSL side of tls.h, for every system but Windows. OpenSSL reaches
// the socket through a small BIO over net::Send and net::Receive, so that a
// vanished peer is an error result rather than a signal, and "would block"
// means what it means to the rest of the client.
#include "ftp/tls.h"

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <stdio.h>
#include <stdlib.h>

namespace tls {

struct Channel {
    net::Socket socket;
    int waitSeconds;
    Waiter waiter;
    // Shared (counted) with the data channels that resume this one's session.
    SSL_CTX *context;
    SSL *ssl;
    // After a fatal error OpenSSL must not be asked for a close_notify.
    bool broken;
    // While shaking hands: when the wait ends, on a socket that blocks too.
    long long handshakeDeadline;
    char description[96];
};

namespace {

// Waits for the channel's socket until the deadline: false when the time is
// up first.
bool ReadyBy(const Channel *channel, bool forWriting, long long deadline)
{
    const long long left = deadline - net::MonotonicMilliseconds();
    return left > 0 && WaitFor(channel->waiter, channel->socket, forWriting,
                               static_cast<int>(left)) == net::Readiness::kReady;
}

// False when a handshake's time is up before the socket is ready: a socket
// that blocks would otherwise wait for a silent peer forever.
bool ReadyInTime(const Channel *channel, bool forWriting)
{
    return channel->handshakeDeadline == 0 ||
           ReadyBy(channel, forWriting, channel->handshakeDeadline);
}

int SocketWrite(BIO *bio, const char *data, int length)
{
    const Channel *channel = static_cast<const Channel *>(BIO_get_data(bio));
    BIO_clear_retry_flags(bio);
    if (!ReadyInTime(channel, true))
        return -1;
    const int sent = net::Send(channel->socket, data, length);
    if (sent != net::kWouldBlock)
        return sent;
    BIO_set_retry_write(bio);
    return -1;
}

int SocketRead(BIO *bio, char *buffer, int length)
{
    const Channel *channel = static_cast<const Channel *>(BIO_get_data(bio));
    BIO_clear_retry_flags(bio);
    if (!ReadyInTime(channel, false))
        return -1;
    const int received = net::Receive(channel->socket, buffer, length);
    if (received != net::kWouldBlock)
        return received;
    BIO_set_retry_read(bio);
    return -1;
}

long SocketControl(BIO *, int command, long, void *)
{
    // Nothing is buffered here, so a flush is done at once; nothing else applies.
    return command == BIO_CTRL_FLUSH ? 1 : 0;
}

// One way to the socket for every channel, made on first use.
CRYPTO_ONCE socketMethodOnce = CRYPTO_ONCE_STATIC_INIT;
BIO_METHOD *socketMethod = NULL;

void MakeSocketMethod()
{
    BIO_METHOD *method = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "net socket");
    if (method == NULL || BIO_meth_set_write(method, SocketWrite) != 1 ||
        BIO_meth_set_read(method, SocketRead) != 1 ||
        BIO_meth_set_ctrl(method, SocketControl) != 1) {
        BIO_meth_free(method);
        return;
    }
    socketMethod = method;
}

// The channel's BIO, handed to its SSL; false when memory runs out.
bool AttachSocket(Channel *channel)
{
    if (CRYPTO_THREAD_run_once(&socketMethodOnce, MakeSocketMethod) != 1 || socketMethod == NULL)
        return false;
    BIO *bio = BIO_new(socketMethod);
    if (bio == NULL)
        return false;
    BIO_set_data(bio, channel);
    BIO_set_init(bio, 1);
    SSL_set_bio(channel->ssl, bio, bio);
    return true;
}

// A context that trusts the one root in trustedCaFile, or the system's
// roots; null when they cannot be loaded.
SSL_CTX *NewContext(const char *trustedCaFile)
{
    SSL_CTX *context = SSL_CTX_new(TLS_client_method());
    if (context == NULL)
        return NULL;
    const int loaded = trustedCaFile != NULL
                           ? SSL_CTX_load_verify_locations(context, trustedCaFile, NULL)
                           : SSL_CTX_set_default_verify_paths(context);
    if (loaded != 1 || SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION) != 1) {
        SSL_CTX_free(context);
        return NULL;
    }
    return context;
}

// The peer's certificate must lead to a trusted root and name host: the
// address entries for a dotted address, else the DNS names, a wildcard
// standing for one whole label only. Names also go out as SNI.
bool CheckPeerAs(SSL *ssl, const char *host)
{
    SSL_set_verify(ssl, SSL_VERIFY_PEER, NULL);
    if (X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host) == 1)
        return true;
    SSL_set_hostflags(ssl, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    return SSL_set1_host(ssl, host) == 1 && SSL_set_tlsext_host_name(ssl, host) == 1;
}

// Offers the session of the channel resumed from, when it has one that can
// be resumed (under TLS 1.3 it arrives in a ticket after the handshake, and
// the control channel has read it with the replies since).
void OfferSession(SSL *ssl, const Channel *resumeFrom)
{
    if (resumeFrom == NULL)
        return;
    SSL_SESSION *session = SSL_get1_session(resumeFrom->ssl);
    if (session == NULL)
        return;
    if (SSL_SESSION_is_resumable(session))
        SSL_set_session(ssl, session);
    SSL_SESSION_free(session);
}

// Everything but the handshake; false when memory runs out or the trust
// cannot be set up.
bool Prepare(Channel *channel, const char *host, const char *trustedCaFile,
             const Channel *resumeFrom)
{
    if (resumeFrom != NULL && SSL_CTX_up_ref(resumeFrom->context) == 1)
        channel->context = resumeFrom->context;
    else if (resumeFrom == NULL)
        channel->context = NewContext(trustedCaFile);
    if (channel->context == NULL || (channel->ssl = SSL_new(channel->context)) == NULL)
        return false;
    if (!AttachSocket(channel) || !CheckPeerAs(channel->ssl, host))
        return false;
    OfferSession(channel->ssl, resumeFrom);
    return true;
}

// Waits for what OpenSSL asked for, up to deadline: false when it asked for
// nothing that waiting gives, or the time is up.
bool AwaitWanted(const Channel *channel, int error, long long deadline)
{
    return (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) &&
           ReadyBy(channel, error == SSL_ERROR_WANT_WRITE, deadline);
}

long long DeadlineFor(const Channel *channel)
{
    return net::MonotonicMilliseconds() + channel->waitSeconds * 1000LL;
}

bool ShakeHands(Channel *channel)
{
    channel->handshakeDeadline = DeadlineFor(channel);
    for (;;) {
        ERR_clear_error();
        const int result = SSL_connect(channel->ssl);
        if (result == 1 ||
            !AwaitWanted(channel, SSL_get_error(channel->ssl, result), channel->handshakeDeadline)) {
            channel->handshakeDeadline = 0;
            return result == 1;
        }
    }
}

} // namespace

Channel *Open(net::Socket socket, const char *host, const char *trustedCaFile,
              const Channel *resumeFrom, int waitSeconds, Waiter waiter, Failure *failure)
{
    *failure = Failure::kHandshake;
    Channel *channel = static_cast<Channel *>(calloc(1, sizeof(Channel)));
    if (channel == NULL)
        return NULL;
    channel->socket = socket;
    channel->waitSeconds = waitSeconds;
    channel->waiter = waiter;
    channel->broken = true; // until the handshake is done
    if (!Prepare(channel, host, trustedCaFile, resumeFrom)) {
        // Without its roots no certificate can pass.
        if (channel->context == NULL && resumeFrom == NULL)
            *failure = Failure::kUntrusted;
        Close(channel);
        return NULL;
    }
    if (!ShakeHands(channel)) {
        if (SSL_get_verify_result(channel->ssl) != X509_V_OK)
            *failure = Failure::kUntrusted;
        Close(channel);
        return NULL;
    }
    channel->broken = false;
    snprintf(channel->description, sizeof channel->description, "%s %s",
             SSL_get_version(channel->ssl), SSL_get_cipher_name(channel->ssl));
    *failure = Failure::kNone;
    return channel;
}

int Send(Channel *channel, const char *data, int length)
{
    if (length <= 0)
        return length == 0 ? 0 : -1;
    // Partial writes are off: a write that succeeds has taken all of it.
    const long long deadline = DeadlineFor(channel);
    for (;;) {
        ERR_clear_error();
        const int sent = SSL_write(channel->ssl, data, length);
        if (sent > 0)
            return sent;
        if (!AwaitWanted(channel, SSL_get_error(channel->ssl, sent), deadline)) {
            channel->broken = true;
            return -1;
        }
    }
}

int Receive(Channel *channel, char *buffer, int length)
{
    ERR_clear_error();
    const int received = SSL_read(channel->ssl, buffer, length);
    if (received > 0)
        return received;
    switch (SSL_get_error(channel->ssl, received)) {
    case SSL_ERROR_WANT_READ:
    case SSL_ERROR_WANT_WRITE:
        return net::kWouldBlock;
    case SSL_ERROR_ZERO_RETURN:
        return 0;
    default:
        // Also an end without close_notify: the data may have been cut short.
        channel->broken = true;
        return -1;
    }
}

bool HasPending(const Channel *channel)
{
    return SSL_pending(channel->ssl) > 0;
}

const char *Description(const Channel *channel)
{
    return channel->description;
}

void Close(Channel *channel)
{
    if (channel == NULL)
        return;
    if (channel->ssl != NULL) {
        if (!channel->broken) {
            ERR_clear_error();
            SSL_shutdown(channel->ssl);
        }
        SSL_free(channel->ssl); // and its BIO
    }
    SSL_CTX_free(channel->context);
    ERR_clear_error();
    free(channel);
}

} // namespace tls

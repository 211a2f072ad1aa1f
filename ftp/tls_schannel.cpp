// ftp/tls.h on Schannel: credentials, the handshake, Description and
// the close. Records are in tls_schannel_records.cpp; the certificate is
// checked by tls_schannel_verify.cpp and _names.cpp, never by the provider.
#include "ftp/tls_schannel_channel.h"
#include "ftp/tls_schannel_verify.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace tls {

using namespace schannel;

namespace {

const DWORD kContextFlags = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT |
                            ISC_REQ_CONFIDENTIALITY | ISC_REQ_EXTENDED_ERROR |
                            ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM;

bool AcquireWith(DWORD protocols, CredHandle *handle)
{
    SCHANNEL_CRED cred;
    memset(&cred, 0, sizeof cred);
    cred.dwVersion = SCHANNEL_CRED_VERSION;
    cred.grbitEnabledProtocols = protocols;
    cred.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
    TimeStamp expiry;
    return AcquireCredentialsHandleA(NULL, const_cast<char *>(UNISP_NAME_A),
                                     SECPKG_CRED_OUTBOUND, NULL, &cred, NULL, NULL, handle,
                                     &expiry) == SEC_E_OK;
}

Credentials *AcquireCredentials()
{
    Credentials *credentials = static_cast<Credentials *>(calloc(1, sizeof *credentials));
    if (credentials == NULL)
        return NULL;
    // Systems whose Schannel knows no TLS 1.3 in this structure refuse the
    // bit; they get TLS 1.2 alone.
#ifdef SP_PROT_TLS1_3_CLIENT
    bool acquired = AcquireWith(SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_3_CLIENT,
                                &credentials->handle) ||
                    AcquireWith(SP_PROT_TLS1_2_CLIENT, &credentials->handle);
#else
    bool acquired = AcquireWith(SP_PROT_TLS1_2_CLIENT, &credentials->handle);
#endif
    if (!acquired) {
        free(credentials);
        return NULL;
    }
    credentials->users = 1;
    return credentials;
}

void ReleaseCredentials(Credentials *credentials)
{
    if (credentials == NULL || --credentials->users > 0)
        return;
    FreeCredentialsHandle(&credentials->handle);
    free(credentials);
}

int MillisecondsLeft(long long deadline)
{
    const long long left = deadline - net::MonotonicMilliseconds();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Sends a token that the provider allocated, and frees it.
bool SendToken(Channel *channel, SecBuffer *token, long long deadline)
{
    if (token->pvBuffer == NULL)
        return true;
    const bool sent = SendAll(channel, static_cast<const char *>(token->pvBuffer),
                              static_cast<int>(token->cbBuffer), deadline);
    FreeContextBuffer(token->pvBuffer);
    token->pvBuffer = NULL;
    return sent;
}

// More bytes from the socket into incoming, waiting for them until the
// deadline; false when none came.
bool ReceiveBefore(Channel *channel, long long deadline)
{
    if (channel->received == kIncomingSize)
        return false;
    for (;;) {
        if (WaitFor(channel->waiter, channel->socket, false, MillisecondsLeft(deadline)) !=
            net::Readiness::kReady)
            return false;
        const int got = net::Receive(channel->socket, channel->incoming + channel->received,
                                     kIncomingSize - channel->received);
        if (got > 0) {
            channel->received += got;
            return true;
        }
        if (got != net::kWouldBlock)
            return false;
        channel->seenWouldBlock = true;
    }
}

bool QuerySizes(Channel *channel)
{
    if (QueryContextAttributesA(&channel->context, SECPKG_ATTR_STREAM_SIZES, &channel->sizes) !=
            SEC_E_OK ||
        channel->sizes.cbMaximumMessage == 0 ||
        static_cast<int>(channel->sizes.cbHeader + channel->sizes.cbMaximumMessage +
                         channel->sizes.cbTrailer) > kIncomingSize / 2)
        return false;
    channel->outgoing = static_cast<char *>(
        malloc(channel->sizes.cbHeader + channel->sizes.cbMaximumMessage + channel->sizes.cbTrailer));
    return channel->outgoing != NULL;
}

bool CertificatePasses(Channel *channel, const char *trustedCaFile)
{
    PCCERT_CONTEXT certificate = NULL;
    if (QueryContextAttributesA(&channel->context, SECPKG_ATTR_REMOTE_CERT_CONTEXT,
                                &certificate) != SEC_E_OK ||
        certificate == NULL)
        return false;
    const bool passes = schannel::ChainTrusted(certificate, trustedCaFile) &&
                        schannel::NamesHost(certificate, channel->host);
    CertFreeCertificateContext(certificate);
    return passes;
}

const char *ProtocolName(DWORD protocol)
{
#ifdef SP_PROT_TLS1_3_CLIENT
    if (protocol & (SP_PROT_TLS1_3_CLIENT | SP_PROT_TLS1_3_SERVER))
        return "TLSv1.3";
#endif
    if (protocol & (SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_2_SERVER))
        return "TLSv1.2";
    return "TLS";
}

// "TLSv1.2 <suite>": the suite's name where the provider tells it (Wine's
// ends in "_<unknown>" for the hash of AEAD suites: cut off), else the bulk
// cipher's algorithm identifier and strength.
void Describe(Channel *channel)
{
    SecPkgContext_ConnectionInfo connection;
    memset(&connection, 0, sizeof connection);
    QueryContextAttributesA(&channel->context, SECPKG_ATTR_CONNECTION_INFO, &connection);
    char *text = channel->description;
    const int size = static_cast<int>(sizeof channel->description);
    int length = snprintf(text, size, "%s ", ProtocolName(connection.dwProtocol));
    const int protocolLength = length;
    SecPkgContext_CipherInfo cipher;
    memset(&cipher, 0, sizeof cipher);
    cipher.dwVersion = SECPKGCONTEXT_CIPHERINFO_V1;
    if (QueryContextAttributesA(&channel->context, SECPKG_ATTR_CIPHER_INFO, &cipher) == SEC_E_OK) {
        for (const WCHAR *c = cipher.szCipherSuite;
             *c > L' ' && *c < 0x7f && *c != L'<' && length < size - 1; ++c)
            text[length++] = static_cast<char>(*c);
        while (length > protocolLength && text[length - 1] == '_')
            --length;
        text[length] = '\0';
        if (length > protocolLength)
            return;
    }
    snprintf(text + length, size - length, "cipher 0x%lx/%lu",
             static_cast<unsigned long>(connection.aiCipher),
             static_cast<unsigned long>(connection.dwCipherStrength));
}

// The shutdown message to the peer, sent with the one try the socket takes
// at once or, blocking, as it comes.
void SendCloseNotify(Channel *channel)
{
    DWORD shutdown = SCHANNEL_SHUTDOWN;
    SecBuffer control = {sizeof shutdown, SECBUFFER_TOKEN, &shutdown};
    SecBufferDesc controlDesc = {SECBUFFER_VERSION, 1, &control};
    if (ApplyControlToken(&channel->context, &controlDesc) != SEC_E_OK)
        return;
    SecBuffer out = {0, SECBUFFER_TOKEN, NULL};
    SecBufferDesc outDesc = {SECBUFFER_VERSION, 1, &out};
    ULONG attributes = 0;
    InitializeSecurityContextA(&channel->credentials->handle, &channel->context, channel->host,
                               kContextFlags, 0, 0, NULL, 0, &channel->context, &outDesc,
                               &attributes, NULL);
    if (out.pvBuffer != NULL) {
        net::Send(channel->socket, static_cast<const char *>(out.pvBuffer),
                  static_cast<int>(out.cbBuffer));
        FreeContextBuffer(out.pvBuffer);
    }
}

void FreeChannel(Channel *channel)
{
    if (channel->hasContext)
        DeleteSecurityContext(&channel->context);
    ReleaseCredentials(channel->credentials);
    free(channel->host);
    free(channel->incoming);
    free(channel->outgoing);
    free(channel);
}

} // namespace

bool schannel::SendAll(Channel *channel, const char *data, int length, long long deadline)
{
    while (length > 0) {
        const int sent = net::Send(channel->socket, data, length);
        if (sent == net::kWouldBlock) {
            channel->seenWouldBlock = true;
            if (WaitFor(channel->waiter, channel->socket, true, MillisecondsLeft(deadline)) !=
                net::Readiness::kReady)
                return false;
            continue;
        }
        if (sent <= 0)
            return false;
        data += sent;
        length -= sent;
    }
    return true;
}

void schannel::KeepExtra(Channel *channel, int extra)
{
    memmove(channel->incoming, channel->incoming + channel->received - extra, extra);
    channel->received = extra;
    channel->consumed = 0;
}

int schannel::ExtraBytes(const SecBuffer *buffers, int count)
{
    for (int i = 0; i < count; ++i) {
        if (buffers[i].BufferType == SECBUFFER_EXTRA)
            return static_cast<int>(buffers[i].cbBuffer);
    }
    return 0;
}

bool schannel::Handshake(Channel *channel, long long deadline)
{
    for (;;) {
        if (channel->hasContext && channel->received == 0 && !ReceiveBefore(channel, deadline))
            return false;
        // A peer that speaks no TLS fails at once: Wine's provider would wait
        // for the rest of a "record" as long as its bytes say.
        if (channel->received >= 2 && (channel->incoming[0] < kChangeCipherSpecRecord ||
                                       channel->incoming[0] > kApplicationDataRecord ||
                                       channel->incoming[1] != 3))
            return false;
        SecBuffer in[2] = {{static_cast<ULONG>(channel->received), SECBUFFER_TOKEN,
                            channel->incoming},
                           {0, SECBUFFER_EMPTY, NULL}};
        SecBufferDesc inDesc = {SECBUFFER_VERSION, 2, in};
        SecBuffer out = {0, SECBUFFER_TOKEN, NULL};
        SecBufferDesc outDesc = {SECBUFFER_VERSION, 1, &out};
        ULONG attributes = 0;
        const SECURITY_STATUS status = InitializeSecurityContextA(
            &channel->credentials->handle, channel->hasContext ? &channel->context : NULL,
            channel->host, kContextFlags, 0, 0, channel->hasContext ? &inDesc : NULL, 0,
            &channel->context, &outDesc, &attributes, NULL);
        if (!channel->hasContext && status != SEC_I_CONTINUE_NEEDED && status != SEC_E_OK)
            return false; // no context was made
        channel->hasContext = true;
        if (status == SEC_E_INCOMPLETE_MESSAGE) {
            if (!ReceiveBefore(channel, deadline))
                return false;
            continue;
        }
        // An alert that explains a failure goes out too, as well as it can.
        if (!SendToken(channel, &out, deadline))
            return false;
        KeepExtra(channel, ExtraBytes(in, 2));
        if (status == SEC_E_OK)
            return true;
        if (status != SEC_I_CONTINUE_NEEDED)
            return false;
    }
}

Channel *Open(net::Socket socket, const char *host, const char *trustedCaFile,
              const Channel *resumeFrom, int waitSeconds, Waiter waiter, Failure *failure)
{
    *failure = Failure::kHandshake;
    Channel *channel = static_cast<Channel *>(calloc(1, sizeof *channel));
    if (channel == NULL)
        return NULL;
    channel->socket = socket;
    channel->waitMilliseconds = waitSeconds * 1000;
    channel->waiter = waiter;
    channel->host = _strdup(host);
    channel->incoming = static_cast<char *>(malloc(kIncomingSize));
    if (resumeFrom != NULL) {
        channel->credentials = resumeFrom->credentials;
        ++channel->credentials->users;
    } else {
        channel->credentials = AcquireCredentials();
    }
    const long long deadline = net::MonotonicMilliseconds() + channel->waitMilliseconds;
    if (channel->host == NULL || channel->incoming == NULL || channel->credentials == NULL ||
        !Handshake(channel, deadline) || !QuerySizes(channel)) {
        FreeChannel(channel);
        return NULL;
    }
    if (!CertificatePasses(channel, trustedCaFile)) {
        *failure = Failure::kUntrusted;
        Close(channel);
        return NULL;
    }
    Describe(channel);
    *failure = Failure::kNone;
    return channel;
}

const char *Description(const Channel *channel)
{
    return channel->description;
}

void Close(Channel *channel)
{
    if (channel == NULL)
        return;
    if (channel->hasContext)
        SendCloseNotify(channel);
    FreeChannel(channel);
}

} // namespace tls

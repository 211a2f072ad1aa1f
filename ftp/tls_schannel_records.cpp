// The records of the Schannel backend: EncryptMessage and DecryptMessage
// over the channel's buffers, on sockets that block or not.
#include "ftp/tls_schannel_channel.h"

#include <string.h>

namespace tls {

using namespace schannel;

namespace {

enum class Decrypted { kPlain, kIncomplete, kEnded, kFailed };

// Decrypts the next record in incoming, or handles a new handshake that the
// server started.
Decrypted DecryptNext(Channel *channel)
{
    char *start = channel->incoming + channel->consumed;
    const int available = channel->received - channel->consumed;
    SecBuffer buffers[4] = {{static_cast<ULONG>(available), SECBUFFER_DATA, start},
                            {0, SECBUFFER_EMPTY, NULL},
                            {0, SECBUFFER_EMPTY, NULL},
                            {0, SECBUFFER_EMPTY, NULL}};
    SecBufferDesc desc = {SECBUFFER_VERSION, 4, buffers};
    const bool alertRecord = available > 0 && start[0] == kAlertRecord;
    const SECURITY_STATUS status = DecryptMessage(&channel->context, &desc, 0, NULL);
    if (status == SEC_E_INCOMPLETE_MESSAGE)
        return Decrypted::kIncomplete;
    if (status == SEC_I_CONTEXT_EXPIRED)
        return Decrypted::kEnded;
    if (status != SEC_E_OK && status != SEC_I_RENEGOTIATE)
        return Decrypted::kFailed;
    const int extra = ExtraBytes(buffers, 4);
    if (status == SEC_I_RENEGOTIATE) {
        // The handshake messages are in the extra bytes (TLS 1.3 tickets and
        // key updates come this way); the provider takes them as a token.
        KeepExtra(channel, extra);
        return Handshake(channel, net::MonotonicMilliseconds() + channel->waitMilliseconds)
                   ? Decrypted::kPlain
                   : Decrypted::kFailed;
    }
    channel->consumed = channel->received - extra;
    for (int i = 0; i < 4; ++i) {
        if (buffers[i].BufferType == SECBUFFER_DATA) {
            channel->plain = static_cast<char *>(buffers[i].pvBuffer);
            channel->plainLength = static_cast<int>(buffers[i].cbBuffer);
        }
    }
    // Wine's provider answers the peer's close_notify with an empty success
    // rather than SEC_I_CONTEXT_EXPIRED: an alert that yields nothing ends.
    if (alertRecord && channel->plainLength == 0)
        return Decrypted::kEnded;
    return Decrypted::kPlain;
}

// Bytes from the socket for the next record. Only a call that nothing
// pending started receives at once (its caller has waited, or wants to know
// whether anything came); else it waits here on a socket that blocks, and
// leaves the wait to the caller on one that does not.
int ReceiveMore(Channel *channel, bool atOnce)
{
    if (channel->received == kIncomingSize)
        return -1;
    if (!atOnce && net::WaitReady(channel->socket, false, 0) != net::Readiness::kReady) {
        if (channel->seenWouldBlock)
            return net::kWouldBlock;
        if (WaitFor(channel->waiter, channel->socket, false, channel->waitMilliseconds) !=
            net::Readiness::kReady)
            return -1;
    }
    const int got = net::Receive(channel->socket, channel->incoming + channel->received,
                                 kIncomingSize - channel->received);
    if (got == net::kWouldBlock)
        channel->seenWouldBlock = true;
    // An end without close_notify may have cut the data short (a reset
    // that Wine has already reported elsewhere also reads as an end).
    if (got == 0)
        return -1;
    if (got > 0)
        channel->received += got;
    return got;
}

int TakePlain(Channel *channel, char *buffer, int length)
{
    const int taken = length < channel->plainLength ? length : channel->plainLength;
    memcpy(buffer, channel->plain, taken);
    channel->plain += taken;
    channel->plainLength -= taken;
    return taken;
}

} // namespace

int Send(Channel *channel, const char *data, int length)
{
    const long long deadline = net::MonotonicMilliseconds() + channel->waitMilliseconds;
    const SecPkgContext_StreamSizes &sizes = channel->sizes;
    for (int done = 0; done < length;) {
        const int piece = length - done < static_cast<int>(sizes.cbMaximumMessage)
                              ? length - done
                              : static_cast<int>(sizes.cbMaximumMessage);
        char *record = channel->outgoing;
        memcpy(record + sizes.cbHeader, data + done, piece);
        SecBuffer buffers[4] = {{sizes.cbHeader, SECBUFFER_STREAM_HEADER, record},
                                {static_cast<ULONG>(piece), SECBUFFER_DATA, record + sizes.cbHeader},
                                {sizes.cbTrailer, SECBUFFER_STREAM_TRAILER,
                                 record + sizes.cbHeader + piece},
                                {0, SECBUFFER_EMPTY, NULL}};
        SecBufferDesc desc = {SECBUFFER_VERSION, 4, buffers};
        if (EncryptMessage(&channel->context, 0, &desc, 0) != SEC_E_OK)
            return -1;
        const int total =
            static_cast<int>(buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer);
        if (!SendAll(channel, record, total, deadline))
            return -1;
        done += piece;
    }
    return length;
}

int Receive(Channel *channel, char *buffer, int length)
{
    for (bool atOnce = !HasPending(channel);;) {
        if (channel->plainLength > 0)
            return TakePlain(channel, buffer, length);
        if (channel->ended)
            return 0;
        if (channel->consumed > 0)
            KeepExtra(channel, channel->received - channel->consumed);
        const Decrypted decrypted =
            channel->received > 0 ? DecryptNext(channel) : Decrypted::kIncomplete;
        if (decrypted == Decrypted::kEnded)
            channel->ended = true;
        else if (decrypted == Decrypted::kFailed)
            return -1;
        else if (decrypted == Decrypted::kIncomplete) {
            const int got = ReceiveMore(channel, atOnce);
            if (got <= 0)
                return got;
            atOnce = false;
        }
    }
}

bool HasPending(const Channel *channel)
{
    if (channel->plainLength > 0)
        return true;
    // A whole record not yet decrypted: its bytes are off the socket, so a
    // wait there would not end. Only the record framing is read here.
    const unsigned char *record =
        reinterpret_cast<const unsigned char *>(channel->incoming + channel->consumed);
    const int available = channel->received - channel->consumed;
    return available >= 5 && 5 + (record[3] << 8 | record[4]) <= available;
}

} // namespace tls

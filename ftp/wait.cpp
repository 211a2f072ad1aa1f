#include "ftp/wait.h"

#include "ftp/status.h"

namespace ftp {

namespace {

WaitEnd WaitUpTo(FtpSession *session, net::Socket socket, bool forWriting, long long limit)
{
    if (session->stopped)
        return WaitEnd::kStopped;
    if (session->callback == NULL) {
        const int whole = limit > 0 ? static_cast<int>(limit) : 0;
        return net::WaitReady(socket, forWriting, whole) == net::Readiness::kReady
                   ? WaitEnd::kReady
                   : WaitEnd::kTimedOut;
    }
    // The limit holds for the whole wait, the time the calls take included.
    const long long deadline = net::MonotonicMilliseconds() + limit;
    for (;;) {
        const long long left = deadline - net::MonotonicMilliseconds();
        const long long slice = left < kWaitSliceMilliseconds ? left : kWaitSliceMilliseconds;
        const net::Readiness readiness =
            net::WaitReady(socket, forWriting, slice > 0 ? static_cast<int>(slice) : 0);
        if (readiness == net::Readiness::kReady)
            return WaitEnd::kReady;
        if (readiness == net::Readiness::kFailed || left <= kWaitSliceMilliseconds)
            return WaitEnd::kTimedOut;
        if (FtpReportAgain(session) != 0) {
            session->stopped = 1;
            return WaitEnd::kStopped;
        }
    }
}

net::Readiness ChannelWait(void *session, net::Socket socket, bool forWriting, int milliseconds)
{
    switch (WaitUpTo(static_cast<FtpSession *>(session), socket, forWriting, milliseconds)) {
    case WaitEnd::kReady:
        return net::Readiness::kReady;
    case WaitEnd::kTimedOut:
        return net::Readiness::kTimedOut;
    default:
        return net::Readiness::kFailed;
    }
}

} // namespace

WaitEnd FtpSessionWait(FtpSession *session, net::Socket socket, bool forWriting)
{
    return WaitUpTo(session, socket, forWriting, ftpWaitSeconds * 1000LL);
}

bool FtpConnectSocket(FtpSession *session, net::Socket socket, uint32_t address, uint16_t port)
{
    if (session->callback == NULL)
        return net::Connect(socket, address, port);
    switch (net::StartConnect(socket, address, port)) {
    case net::ConnectStart::kConnected:
        return net::FinishConnect(socket);
    case net::ConnectStart::kConnecting:
        return FtpSessionWait(session, socket, true) == WaitEnd::kReady &&
               net::FinishConnect(socket);
    default:
        return false;
    }
}

tls::Waiter FtpChannelWaiter(FtpSession *session)
{
    return {ChannelWait, session};
}

} // namespace ftp

#include "ftp/wait.h"

namespace ftp {

WaitEnd FtpWait(net::Socket socket, bool forWriting, StillWaiting stillWaiting, void *context)
{
    const long long limit = ftpWaitSeconds * 1000LL;
    if (stillWaiting == NULL) {
        return net::WaitReady(socket, forWriting, static_cast<int>(limit)) == net::Readiness::kReady
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
        if (stillWaiting(context) != 0)
            return WaitEnd::kStopped;
    }
}

bool FtpWaitReadable(net::Socket socket)
{
    return FtpWait(socket, false, NULL, NULL) == WaitEnd::kReady;
}

bool FtpWaitWritable(net::Socket socket)
{
    return FtpWait(socket, true, NULL, NULL) == WaitEnd::kReady;
}

} // namespace ftp

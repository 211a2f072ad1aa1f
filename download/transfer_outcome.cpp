#include "download/transfer_outcome.h"

namespace {

bool Within(long long code, long long highest, long long lowest)
{
    return code <= highest && code >= lowest;
}

} // namespace

TransferResult ResultOfFailure(long long code)
{
    if (code == -1)
        return {TransferOutcome::kStopped, 0};
    if (Within(code, -400, -499))
        return {TransferOutcome::kServerBusy, static_cast<int>(-code)};
    if (Within(code, -500, -599))
        return {TransferOutcome::kRefused, static_cast<int>(-code)};
    // -2: the final reply was not 226, as after a cut; -100 to -107: the
    // control connection closed or timed out; -200: a command not sent;
    // -600s, -700 and -1000s: no data connection; -702, -703: the data
    // connection timed out or broke.
    if (code == -2 || Within(code, -100, -107) || code == -200 || Within(code, -600, -699) ||
        code == -700 || code == -702 || code == -703 || Within(code, -1000, -1099))
        return {TransferOutcome::kConnectionLost, 0};
    // The local file would not open (-99 to append to, -701) or take the bytes (-704).
    if (code == -99 || code == -701 || code == -704)
        return {TransferOutcome::kLocalFailure, 0};
    return {TransferOutcome::kFailed, 0};
}

bool MayPass(TransferOutcome outcome)
{
    return outcome == TransferOutcome::kConnectionLost || outcome == TransferOutcome::kServerBusy;
}

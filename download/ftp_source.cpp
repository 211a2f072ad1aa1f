#include "download/ftp_source.h"

namespace {

const int kBinaryTransfer = 1;

// A reply of 500 and above to REST, or to the RETR after it (554): the
// server will not restart, though it may still send the whole file.
bool RestartRefused(long long result)
{
    return result <= -500 && result >= -599;
}

} // namespace

SessionFailure FtpSource::Connect()
{
    if (session != nullptr)
        return SessionFailure::kNone;
    SessionFailure failure;
    session = OpenServerSession(callback, &failure);
    return failure;
}

SourceTransfer FtpSource::Fetch(const ProductFiles &files, const char *tempPath, long long partialSize)
{
    // Stop while connecting ends the try too; the engine tells it by its flag.
    if (Connect() != SessionFailure::kNone)
        return {{TransferOutcome::kConnectionLost, 0}, 0, false};
    const long long received =
        partialSize > 0 ? SAPIFtpFileAppend64(session, files.finalName, tempPath, kBinaryTransfer, callback)
                        : SAPIFtpFileDownload64(session, files.finalName, tempPath, kBinaryTransfer, callback);
    if (partialSize > 0 && RestartRefused(received))
        return {ResultOfFailure(received), 0, true};
    if (received < 0)
        return {ResultOfFailure(received), 0, false};
    return {{TransferOutcome::kDone, 0}, received, false};
}

void FtpSource::Reset()
{
    if (session == nullptr)
        return;
    SAPIFtpCloseSession(session, callback);
    session = nullptr;
}

// Whole-file transfers over a data connection: download, resumed download
// (append) and upload.
#include "ftp/control.h"
#include "ftp/data_connection.h"
#include "ftp/status.h"
#include "ftp/wait.h"
#include "sapi/local_file_size.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

using namespace ftp;

namespace {

const int kFinalReplyNot226 = -2;
const int kNoLocalFileToAppend = -99;
const int kReceiveNotAccepted = -700;
const int kReceiveFileNotOpened = -701;
const int kReceiveTimedOut = -702;
const int kReceiveFailed = -703;
const int kReceiveWriteShort = -704;
const int kSendNotAccepted = -800;
const int kSendFileNotOpened = -801;
const int kSendBlockTimedOut = -802;
const int kSendBlockFailed = -803;

const char kRetrieved[] = "retrieved";
const char kStored[] = "stored";

// Uploads read the local file in blocks of this size; over TLS in blocks of
// a whole record, so that each block costs one record and one send.
const int kUploadBlockSize = 4096;
// Files are read and written through a buffer of this size, in large pieces
// (a stream's own buffer is a few KiB).
const int kStreamBufferSize = 64 * 1024;

// The file name and extension of a local path, for the status texts.
const char *FileTitle(const char *path)
{
    const char *title = path;
    for (const char *cursor = path; *cursor != '\0'; ++cursor) {
        if (*cursor == '\\' || *cursor == '/' || *cursor == ':')
            title = cursor + 1;
    }
    return title;
}

// What a transfer tells the session's callback after every block, and the
// session repeats while its data socket is waited on.
struct Progress {
    FtpSession *session;
    const char *title;
    const char *verb; // kRetrieved or kStored
    long long total;
};

const char kProgressFormat[] = "%s: %lld bytes %s";

int Report(const Progress &progress)
{
    return FtpReportStatus(progress.session, kProgressFormat, progress.title, progress.total,
                           progress.verb);
}

// Waits for the data socket: 0 once it is ready, kStopped when the callback
// asked to stop, or timedOut.
int AwaitDataSocket(FtpSession *session, bool forWriting, int timedOut)
{
    const WaitEnd end = FtpSessionWait(session, session->dataSocket, forWriting);
    return end == WaitEnd::kReady ? 0 : end == WaitEnd::kStopped ? kStopped : timedOut;
}

// The next block of the data connection, or a failure. A socket that does
// not block is waited on only when nothing has arrived yet, so that a steady
// stream costs one receive a block; never while TLS holds decrypted bytes.
int ReceiveBlock(FtpSession *session, bool nonBlocking)
{
    for (bool wait = !nonBlocking;; wait = true) {
        const int failure =
            wait && !FtpDataPending(session) ? AwaitDataSocket(session, false, kReceiveTimedOut) : 0;
        if (failure != 0)
            return failure;
        const int received = FtpReceiveData(session, session->reply, kBlockSize);
        if (received != net::kWouldBlock)
            return received < 0 ? kReceiveFailed : received;
    }
}

// Receives the data connection into the open file until the server closes
// it: the byte count, or a failure.
long long ReceiveInto(FtpSession *session, FILE *file, Progress &progress)
{
    const bool nonBlocking = net::SetNonBlocking(session->dataSocket);
    for (;;) {
        const int received = ReceiveBlock(session, nonBlocking);
        if (received < 0)
            return received;
        if (received == 0) {
            // The server closed the data connection: the whole file is here.
            if (fflush(file) != 0)
                return kReceiveWriteShort;
            Report(progress);
            return progress.total;
        }
        if (fwrite(session->reply, 1, received, file) != static_cast<size_t>(received))
            return kReceiveWriteShort;
        progress.total += received;
        if (Report(progress) != 0)
            return kStopped;
    }
}

// Gives the stream a buffer of kStreamBufferSize: the buffer to free after
// closing the stream, or null when the stream keeps its own.
char *UseLargeBuffer(FILE *file)
{
    char *buffer = static_cast<char *>(malloc(kStreamBufferSize));
    if (buffer != NULL)
        setvbuf(file, buffer, _IOFBF, kStreamBufferSize);
    return buffer;
}

long long FtpReceiveFile(FtpSession *session, const char *localPath, const char *mode)
{
    if (!FtpAcceptDataConnection(session))
        return kReceiveNotAccepted;
    FILE *file = fopen(localPath, mode);
    if (file == NULL)
        return kReceiveFileNotOpened;
    char *writeBuffer = UseLargeBuffer(file);
    Progress progress = {session, FileTitle(localPath), kRetrieved, 0};
    const long long result = ReceiveInto(session, file, progress);
    const bool closed = fclose(file) == 0;
    free(writeBuffer);
    return closed || result < 0 ? result : kReceiveWriteShort;
}

// Sends a whole block. A socket that does not block is waited on only when
// the system takes nothing more.
int SendBlock(FtpSession *session, const char *data, int length, bool nonBlocking)
{
    // TLS sends whole blocks, waiting for room inside, up to ftpWaitSeconds.
    if (session->dataTls != NULL)
        return tls::Send(session->dataTls, data, length) == length ? 0 : kSendBlockFailed;
    for (bool wait = !nonBlocking; length > 0;) {
        const int failure = wait ? AwaitDataSocket(session, true, kSendBlockTimedOut) : 0;
        if (failure != 0)
            return failure;
        const int sent = net::Send(session->dataSocket, data, length);
        wait = !nonBlocking || sent == net::kWouldBlock;
        if (sent == net::kWouldBlock)
            continue;
        if (sent <= 0)
            return kSendBlockFailed;
        data += sent;
        length -= sent;
    }
    return 0;
}

// Sends the open local file; the caller closes it.
long long FtpSendFile(FtpSession *session, FILE *file, const char *title)
{
    if (!FtpAcceptDataConnection(session))
        return kSendNotAccepted;
    const bool nonBlocking = net::SetNonBlocking(session->dataSocket);
    Progress progress = {session, title, kStored, 0};
    for (;;) {
        const size_t read =
            fread(session->reply, 1, session->dataTls != NULL ? kBlockSize : kUploadBlockSize, file);
        if (read == 0) {
            const WaitEnd end = FtpEndSentData(session);
            if (end != WaitEnd::kReady)
                return end == WaitEnd::kStopped ? kStopped : kSendBlockTimedOut;
            Report(progress);
            return progress.total;
        }
        int failure = SendBlock(session, session->reply, static_cast<int>(read), nonBlocking);
        if (failure == 0) {
            progress.total += static_cast<long long>(read);
            if (Report(progress) != 0)
                failure = kStopped;
        }
        if (failure != 0)
            return failure;
    }
}

enum class Transfer { kDownload, kAppend, kUpload };

// TYPE, the data connection, REST for an append, then RETR or STOR: 0 when
// the data can flow; a negative failure, or the positive answer to a PORT
// that was not accepted with 200.
int OpenTransfer(FtpSession *session, Transfer transfer, const char *remoteName,
                 const char *localPath, int binary)
{
    const int type = FtpSendCommand(session, binary ? "TYPE I\r\n" : "TYPE A N\r\n");
    if (type < 0)
        return type;
    const int connection = FtpOpenDataConnection(session);
    if (connection != 0)
        return connection;
    if (transfer == Transfer::kAppend) {
        // The restart offset is the partial file's whole size, past 4 GiB too.
        const long long size = LocalFileSize(localPath);
        if (size < 0)
            return kNoLocalFileToAppend;
        char line[kTextSize];
        snprintf(line, sizeof line, "REST %lld\r\n", size);
        const int rest = FtpSendCommand(session, line);
        if (rest < 0)
            return rest;
    }
    const int command = FtpSendCommandWith(
        session, transfer == Transfer::kUpload ? "STOR %s\r\n" : "RETR %s\r\n", remoteName);
    return command < 0 ? command : 0;
}

// A whole transfer; the data and listening sockets are closed whichever way
// it ends. An upload's local file is opened first: a wrong path must not
// create or empty the remote file.
long long TransferFile(FtpSession *session, Transfer transfer, const char *remoteName,
                       const char *localPath, int binary)
{
    FILE *upload = NULL;
    if (transfer == Transfer::kUpload && (upload = fopen(localPath, "rb")) == NULL)
        return kSendFileNotOpened;
    char *readBuffer = upload != NULL ? UseLargeBuffer(upload) : NULL;
    const int opened = OpenTransfer(session, transfer, remoteName, localPath, binary);
    long long result = opened;
    if (opened == 0 && upload != NULL)
        result = FtpSendFile(session, upload, FileTitle(localPath));
    else if (opened == 0)
        result = FtpReceiveFile(session, localPath, transfer == Transfer::kAppend ? "a+b" : "wb");
    if (upload != NULL)
        fclose(upload);
    free(readBuffer);
    FtpCloseDataConnection(session);
    if (opened != 0 || result < 0)
        return result;
    return FtpReadReply(session) == 226 ? result : kFinalReplyNot226;
}

// Every wait of the transfer, its commands' replies too, gives the heartbeat;
// until the first block it tells of none moved, not of an earlier operation.
long long RunTransfer(FtpSession *session, Transfer transfer, const char *remoteName,
                      const char *localPath, int binary, FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, true);
    FtpNoteStatus(session, kProgressFormat, FileTitle(localPath), 0LL,
                  transfer == Transfer::kUpload ? kStored : kRetrieved);
    return FtpEndOperation(session,
                           TransferFile(session, transfer, remoteName, localPath, binary));
}

// What a call of the 32-bit interface returns: a count past INT_MAX is still
// a success, and must not wrap into a failure code.
int ClampedCount(long long result)
{
    return result > INT_MAX ? INT_MAX : static_cast<int>(result);
}

} // namespace

long long SAPIFtpFileDownload64(FtpSession *session, const char *remoteName, const char *localPath,
                                int binary, FtpStatusCallback callback)
{
    return RunTransfer(session, Transfer::kDownload, remoteName, localPath, binary, callback);
}

long long SAPIFtpFileAppend64(FtpSession *session, const char *remoteName, const char *localPath,
                              int binary, FtpStatusCallback callback)
{
    return RunTransfer(session, Transfer::kAppend, remoteName, localPath, binary, callback);
}

long long SAPIFtpFileUpload64(FtpSession *session, const char *localPath, const char *remoteName,
                              int binary, FtpStatusCallback callback)
{
    return RunTransfer(session, Transfer::kUpload, remoteName, localPath, binary, callback);
}

int SAPIFtpFileDownload(FtpSession *session, const char *remoteName, const char *localPath,
                        int binary, FtpStatusCallback callback)
{
    return ClampedCount(SAPIFtpFileDownload64(session, remoteName, localPath, binary, callback));
}

int SAPIFtpFileAppend(FtpSession *session, const char *remoteName, const char *localPath,
                      int binary, FtpStatusCallback callback)
{
    return ClampedCount(SAPIFtpFileAppend64(session, remoteName, localPath, binary, callback));
}

int SAPIFtpFileUpload(FtpSession *session, const char *localPath, const char *remoteName,
                      int binary, FtpStatusCallback callback)
{
    return ClampedCount(SAPIFtpFileUpload64(session, localPath, remoteName, binary, callback));
}

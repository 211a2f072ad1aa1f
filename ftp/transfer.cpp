// Whole-file transfers over a data connection: download, resumed download
// (append) and upload.
#include "ftp/control.h"
#include "ftp/data_connection.h"
#include "ftp/status.h"

#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

using namespace ftp;

namespace {

const int kStopped = -1;
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

// Uploads read the local file in blocks of this size.
const int kUploadBlockSize = 4096;

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

int FtpReceiveFile(FtpSession *session, const char *localPath, const char *mode,
                   FtpStatusCallback callback)
{
    if (!FtpAcceptDataConnection(session))
        return kReceiveNotAccepted;
    FILE *file = fopen(localPath, mode);
    if (file == NULL)
        return kReceiveFileNotOpened;
    // Every received block goes to the disk in one write; through the stream's
    // own small buffer it would take two.
    setvbuf(file, NULL, _IONBF, 0);
    const char *title = FileTitle(localPath);

    int total = 0;
    for (;;) {
        int failure = 0;
        int received = 0;
        if (!FtpWaitReadable(session->dataSocket))
            failure = kReceiveTimedOut;
        else if ((received = net::Receive(session->dataSocket, session->reply, kBlockSize)) < 0)
            failure = kReceiveFailed;
        else if (received == 0) {
            // The server closed the data connection: the whole file is here.
            if (fclose(file) != 0)
                return kReceiveWriteShort;
            FtpReport(callback, "%s: %d bytes retrieved", title, total);
            return total;
        } else if (received > INT_MAX - total ||
                   fwrite(session->reply, 1, received, file) != static_cast<size_t>(received))
            failure = kReceiveWriteShort; // also past the 2 GiB that a count can hold
        else {
            total += received;
            if (FtpReport(callback, "%s: %d bytes retrieved", title, total) != 0)
                failure = kStopped;
        }
        if (failure != 0) {
            fclose(file);
            return failure;
        }
    }
}

int FtpSendFile(FtpSession *session, const char *localPath, FtpStatusCallback callback)
{
    if (!FtpAcceptDataConnection(session))
        return kSendNotAccepted;
    FILE *file = fopen(localPath, "rb");
    if (file == NULL)
        return kSendFileNotOpened;
    const char *title = FileTitle(localPath);

    int total = 0;
    for (;;) {
        const size_t read = fread(session->reply, 1, kUploadBlockSize, file);
        if (read == 0) {
            fclose(file);
            FtpReport(callback, "%s: %d bytes stored", title, total);
            return total;
        }
        int failure = 0;
        const int sent = FtpSendAll(session->dataSocket, session->reply, static_cast<int>(read));
        if (sent == kSendTimedOut)
            failure = kSendBlockTimedOut;
        else if (sent == kSendFailed || static_cast<int>(read) > INT_MAX - total)
            failure = kSendBlockFailed;
        else {
            total += static_cast<int>(read);
            if (FtpReport(callback, "%s: %d bytes stored", title, total) != 0)
                failure = kStopped;
        }
        if (failure != 0) {
            fclose(file);
            return failure;
        }
    }
}

// Size of a local file that a resumed download appends to; false when it
// cannot be read or does not fit the restart offset.
bool LocalFileSize(const char *path, int *size)
{
    struct stat status;
    if (stat(path, &status) != 0 || status.st_size > INT_MAX)
        return false;
    *size = static_cast<int>(status.st_size);
    return true;
}

enum class Transfer { kDownload, kAppend, kUpload };

// The steps every transfer runs on the control connection: type, data
// connection, restart offset (append), RETR or STOR, the data, the final
// reply. The data and listening sockets are closed whichever way it ends.
int RunTransfer(FtpSession *session, Transfer transfer, const char *remoteName,
                const char *localPath, int binary, FtpStatusCallback callback)
{
    const int type = FtpSendCommand(session, binary ? "TYPE I\r\n" : "TYPE A N\r\n");
    if (type < 0)
        return type;
    const int connection = FtpOpenDataConnection(session);
    if (connection != 0)
        return connection;

    int result = 0;
    if (transfer == Transfer::kAppend) {
        int size = 0;
        char line[kTextSize];
        if (LocalFileSize(localPath, &size)) {
            snprintf(line, sizeof line, "REST %d\r\n", size);
            result = FtpSendCommand(session, line);
        } else {
            result = kNoLocalFileToAppend;
        }
    }
    if (result >= 0)
        result = FtpSendCommandWith(session, transfer == Transfer::kUpload ? "STOR %s\r\n"
                                                                           : "RETR %s\r\n",
                                    remoteName);
    if (result >= 0) {
        if (transfer == Transfer::kUpload)
            result = FtpSendFile(session, localPath, callback);
        else
            result = FtpReceiveFile(session, localPath,
                                    transfer == Transfer::kAppend ? "a+b" : "wb", callback);
    }
    FtpCloseDataConnection(session);
    if (result < 0)
        return result;
    return FtpReadReply(session) == 226 ? result : kFinalReplyNot226;
}

} // namespace

int SAPIFtpFileDownload(FtpSession *session, const char *remoteName, const char *localPath,
                        int binary, FtpStatusCallback callback)
{
    return RunTransfer(session, Transfer::kDownload, remoteName, localPath, binary, callback);
}

int SAPIFtpFileAppend(FtpSession *session, const char *remoteName, const char *localPath,
                      int binary, FtpStatusCallback callback)
{
    return RunTransfer(session, Transfer::kAppend, remoteName, localPath, binary, callback);
}

int SAPIFtpFileUpload(FtpSession *session, const char *localPath, const char *remoteName,
                      int binary, FtpStatusCallback callback)
{
    return RunTransfer(session, Transfer::kUpload, remoteName, localPath, binary, callback);
}

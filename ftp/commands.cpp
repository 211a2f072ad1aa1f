// Single commands on the control connection: delete, rename, and the
// remote directory commands.
#include "ftp/control.h"
#include "ftp/status.h"

#include <string.h>

using namespace ftp;

namespace {

// A refused command (or a failure to send it or read its reply) is passed on;
// anything the server accepted counts as done; a stopped wait is a stop.
int Outcome(const FtpSession *session, int result)
{
    return static_cast<int>(FtpEndOperation(session, result < 0 ? result : 0));
}

} // namespace

int SAPIFtpFileDelete(FtpSession *session, const char *remoteName, FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, true);
    if (FtpReportStatus(session, "%s: deleting", remoteName) != 0)
        return kStopped;
    return Outcome(session, FtpSendCommandWith(session, "DELE %s\r\n", remoteName));
}

int SAPIFtpFileRename(FtpSession *session, const char *oldName, const char *newName,
                      FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, true);
    if (FtpReportStatus(session, "%s: renaming", oldName) != 0)
        return kStopped;
    const int from = FtpSendCommandWith(session, "RNFR %s\r\n", oldName);
    if (from < 0)
        return Outcome(session, from);
    if (FtpReportStatus(session, "%s: setting", newName) != 0)
        return kStopped;
    return Outcome(session, FtpSendCommandWith(session, "RNTO %s\r\n", newName));
}

int SAPIFtpSetCurrentDirectory(FtpSession *session, const char *directory,
                               FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, true);
    if (strcmp(directory, ".") == 0)
        return 0;
    if (strcmp(directory, "..") == 0) {
        if (FtpReportStatus(session, "Changing to: parent") != 0)
            return kStopped;
        return Outcome(session, FtpSendCommand(session, "CDUP\r\n"));
    }
    if (FtpReportStatus(session, "Changing to: %s", directory) != 0)
        return kStopped;
    return Outcome(session, FtpSendCommandWith(session, "CWD %s\r\n", directory));
}

int SAPIFtpGetCurrentDirectory(FtpSession *session, char *directory, FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, true);
    if (FtpReportStatus(session, "Getting current directory") != 0)
        return kStopped;
    const int result = Outcome(session, FtpSendCommand(session, "PWD\r\n"));
    if (result < 0)
        return result;

    // 257 "name" comment: the name runs from behind the opening quote to the
    // next quote, cut to the caller's 256 chars.
    const char *reply = session->reply;
    const char *name = strlen(reply) > 5 ? reply + 5 : reply + strlen(reply);
    size_t length = 0;
    while (name[length] != '\0' && name[length] != '"' && name[length] != '\r' &&
           length < kTextSize - 1)
        ++length;
    memcpy(directory, name, length);
    directory[length] = '\0';
    return 0;
}

int SAPIFtpMakeDirectory(FtpSession *session, const char *directory)
{
    FtpBeginOperation(session, NULL, true);
    return Outcome(session, FtpSendCommandWith(session, "MKD %s\r\n", directory));
}

int SAPIFtpRemoveDirectory(FtpSession *session, const char *directory)
{
    FtpBeginOperation(session, NULL, true);
    return Outcome(session, FtpSendCommandWith(session, "RMD %s\r\n", directory));
}

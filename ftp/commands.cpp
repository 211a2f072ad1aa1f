// Single commands on the control connection: delete, rename, and the
// remote directory commands.
#include "ftp/control.h"
#include "ftp/status.h"

#include <string.h>

using namespace ftp;

namespace {

// A refused command (or a failure to send it or read its reply) is passed on;
// anything the server accepted counts as done.
int Outcome(int result)
{
    return result < 0 ? result : 0;
}

} // namespace

int SAPIFtpFileDelete(FtpSession *session, const char *remoteName, FtpStatusCallback callback)
{
    if (FtpReport(callback, "%s: deleting", remoteName) != 0)
        return kStopped;
    return Outcome(FtpSendCommandWith(session, "DELE %s\r\n", remoteName));
}

int SAPIFtpFileRename(FtpSession *session, const char *oldName, const char *newName,
                      FtpStatusCallback callback)
{
    if (FtpReport(callback, "%s: renaming", oldName) != 0)
        return kStopped;
    const int from = FtpSendCommandWith(session, "RNFR %s\r\n", oldName);
    if (from < 0)
        return from;
    if (FtpReport(callback, "%s: setting", newName) != 0)
        return kStopped;
    return Outcome(FtpSendCommandWith(session, "RNTO %s\r\n", newName));
}

int SAPIFtpSetCurrentDirectory(FtpSession *session, const char *directory,
                               FtpStatusCallback callback)
{
    if (strcmp(directory, ".") == 0)
        return 0;
    if (strcmp(directory, "..") == 0) {
        if (FtpReport(callback, "Changing to: parent") != 0)
            return kStopped;
        return Outcome(FtpSendCommand(session, "CDUP\r\n"));
    }
    if (FtpReport(callback, "Changing to: %s", directory) != 0)
        return kStopped;
    return Outcome(FtpSendCommandWith(session, "CWD %s\r\n", directory));
}

int SAPIFtpGetCurrentDirectory(FtpSession *session, char *directory, FtpStatusCallback callback)
{
    if (FtpReport(callback, "Getting current directory") != 0)
        return kStopped;
    const int result = FtpSendCommand(session, "PWD\r\n");
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
    return Outcome(FtpSendCommandWith(session, "MKD %s\r\n", directory));
}

int SAPIFtpRemoveDirectory(FtpSession *session, const char *directory)
{
    return Outcome(FtpSendCommandWith(session, "RMD %s\r\n", directory));
}

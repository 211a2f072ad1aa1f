#include "app/file_list_fetch.h"

#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/message_pump.h"
#include "sapi/sapi.h"
#include "wizard/file_list.h"
#include "wizard/server_session.h"
#include "wizard/web_server.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <windows.h>

namespace {

const int kTextTransfer = 0;
const int kBinaryTransfer = 1;
// Time given to the server before logging out.
const DWORD kLogoutPause = 750;

void ShowStatus(CStatic &statusLine, const char *text)
{
    statusLine.SetText(text);
    // The next step blocks the message loop: paint the text now.
    statusLine.UpdateWindow();
}

FILE *FailWith(CStatic &statusLine, const char *message)
{
    ShowStatus(statusLine, "");
    AfxMessageBox(message);
    return nullptr;
}

// The person left: nothing to say.
FILE *Abandon(CStatic &statusLine)
{
    ShowStatus(statusLine, "");
    return nullptr;
}

// A server that is not secure or not trusted stays named on the status line
// beneath the message, so that it can be told from one that is gone.
FILE *FailToConnect(CStatic &statusLine, SessionFailure failure)
{
    const char *message = FailureMessage(failure);
    if (failure == SessionFailure::kUnreachable)
        return FailWith(statusLine, message);
    ShowStatus(statusLine, message);
    AfxMessageBox(message);
    return nullptr;
}

// How a bitmap of the file list reaches the bitmaps folder.
class BitmapSource {
public:
    virtual ~BitmapSource() = default;
    // True when the file arrived with at least one byte.
    virtual bool Fetch(const char *name, const char *localPath) = 0;
};

// By FTP, in the session that fetched the file list.
class FtpBitmaps : public BitmapSource {
public:
    FtpBitmaps(FtpSession *session, FtpStatusCallback callback) : session_(session), callback_(callback) {}
    bool Fetch(const char *name, const char *localPath) override
    {
        return SAPIFtpFileDownload(session_, name, localPath, kBinaryTransfer, callback_) > 0;
    }

private:
    FtpSession *session_;
    FtpStatusCallback callback_;
};

// By HTTPS, from the web server's base address.
class WebBitmaps : public BitmapSource {
public:
    explicit WebBitmaps(FtpStatusCallback callback) : callback_(callback) {}
    bool Fetch(const char *name, const char *localPath) override
    {
        const WebReply reply = FetchServerFile(name, localPath, callback_);
        return reply.done && reply.bytes > 0;
    }

private:
    FtpStatusCallback callback_;
};

// Each bitmap that arrives with at least one byte is listed; one that fails,
// arrives empty or has a name that could leave the bitmaps folder is left
// out, and nothing of it stays in the folder. The rest are not fetched once
// the person is leaving.
void FetchBitmaps(BitmapSource &source, FILE *fileList, const bool &leaving)
{
    wizardState.bitmapNames.Clear();
    char name[kWizardTextSize];
    for (int n = 0; !leaving && ReadBitmapName(fileList, n, name); ++n) {
        if (!IsSafeFileName(name))
            continue;
        char localPath[kWizardTextSize];
        BitmapPath(name, localPath);
        if (source.Fetch(name, localPath))
            wizardState.bitmapNames.Add(name);
        else
            remove(localPath);
    }
}

// The file list as it arrived, in the process's code page, opened at its
// start; null when that fails.
FILE *OpenFetchedFileList(const char *path)
{
    return StoreFileListInProcessCodePage(path) ? OpenFileList(path) : nullptr;
}

// The file list and its bitmaps are there: the status line emptied, the list
// handed over at its start.
FILE *Fetched(CStatic &statusLine, FILE *fileList)
{
    ShowStatus(statusLine, "");
    rewind(fileList);
    return fileList;
}

// The pause before logging out, with the window answering and leaving
// ending it.
void PauseBeforeLogout(FtpStatusCallback callback, const bool &leaving)
{
    const ULONGLONG end = GetTickCount64() + kLogoutPause;
    while (!leaving && GetTickCount64() < end) {
        callback("");
        Sleep(kPumpIntervalMs);
    }
}

// Everything by FTP, in one session.
FILE *FetchFromFtpServer(CStatic &statusLine, FtpStatusCallback callback, const bool &leaving)
{
    ShowStatus(statusLine, "Opening host connection...");
    SessionFailure failure;
    FtpSession *session = OpenServerSession(callback, &failure);
    if (session == nullptr)
        return leaving ? Abandon(statusLine) : FailToConnect(statusLine, failure);

    ShowStatus(statusLine, "Downloading filelist...");
    char fileListPath[kWizardTextSize];
    FileListPath(fileListPath);
    if (SAPIFtpFileDownload(session, "files.vok", fileListPath, kTextTransfer, callback) < 0) {
        SAPIFtpCloseSession(session, callback);
        return leaving ? Abandon(statusLine)
                       : FailWith(statusLine, "Unable to recover the file list");
    }
    FILE *fileList = OpenFetchedFileList(fileListPath);
    if (fileList == nullptr) {
        SAPIFtpCloseSession(session, callback);
        return FailWith(statusLine, "Unable to open the file list");
    }

    FtpBitmaps bitmaps(session, callback);
    FetchBitmaps(bitmaps, fileList, leaving);

    ShowStatus(statusLine, "Closing host connection...");
    PauseBeforeLogout(callback, leaving);
    const int closed = SAPIFtpCloseSession(session, callback);
    if (leaving) {
        fclose(fileList);
        return Abandon(statusLine);
    }
    if (closed != 0) {
        fclose(fileList);
        return FailWith(statusLine, "Unable to disconnect from host");
    }
    return Fetched(statusLine, fileList);
}

// Everything by HTTPS, one request a file: no session to open or close. The
// file list's request is the one that meets the host, so its failure is
// told as a connection's.
FILE *FetchFromWebServer(CStatic &statusLine, FtpStatusCallback callback, const bool &leaving)
{
    ShowStatus(statusLine, "Downloading filelist...");
    char fileListPath[kWizardTextSize];
    FileListPath(fileListPath);
    const WebReply reply = FetchServerFile("files.vok", fileListPath, callback);
    if (!reply.done)
        return leaving ? Abandon(statusLine) : FailToConnect(statusLine, FailureOfReply(reply));
    FILE *fileList = OpenFetchedFileList(fileListPath);
    if (fileList == nullptr)
        return FailWith(statusLine, "Unable to open the file list");

    WebBitmaps bitmaps(callback);
    FetchBitmaps(bitmaps, fileList, leaving);
    if (leaving) {
        fclose(fileList);
        return Abandon(statusLine);
    }
    return Fetched(statusLine, fileList);
}

} // namespace

FILE *FetchFileList(CStatic &statusLine, FtpStatusCallback callback, const bool &leaving)
{
    return wizardState.serverUrl[0] != '\0' ? FetchFromWebServer(statusLine, callback, leaving)
                                             : FetchFromFtpServer(statusLine, callback, leaving);
}

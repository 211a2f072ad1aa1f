#include "app/file_list_fetch.h"

#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/message_pump.h"
#include "sapi/sapi.h"
#include "wizard/file_list.h"
#include "wizard/server_session.h"
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

// Each bitmap that arrives with at least one byte is listed; one that fails,
// arrives empty or has a name that could leave the bitmaps folder is left
// out, and nothing of it stays in the folder. The rest are not fetched once
// the person is leaving.
void FetchBitmaps(FtpSession *session, FILE *fileList, FtpStatusCallback callback,
                  const bool &leaving)
{
    wizardState.bitmapNames.Clear();
    char name[kWizardTextSize];
    for (int n = 0; !leaving && ReadBitmapName(fileList, n, name); ++n) {
        if (!IsSafeFileName(name))
            continue;
        char localPath[kWizardTextSize];
        BitmapPath(name, localPath);
        if (SAPIFtpFileDownload(session, name, localPath, kBinaryTransfer, callback) > 0)
            wizardState.bitmapNames.Add(name);
        else
            remove(localPath);
    }
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

} // namespace

FILE *FetchFileList(CStatic &statusLine, FtpStatusCallback callback, const bool &leaving)
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
    FILE *fileList = StoreFileListInProcessCodePage(fileListPath) ? OpenFileList(fileListPath) : nullptr;
    if (fileList == nullptr) {
        SAPIFtpCloseSession(session, callback);
        return FailWith(statusLine, "Unable to open the file list");
    }

    FetchBitmaps(session, fileList, callback, leaving);

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
    ShowStatus(statusLine, "");
    rewind(fileList);
    return fileList;
}

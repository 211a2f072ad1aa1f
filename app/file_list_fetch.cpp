#include "app/file_list_fetch.h"

#include "framework/controls.h"
#include "framework/message_box.h"
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
// out, and nothing of it stays in the folder.
void FetchBitmaps(FtpSession *session, FILE *fileList)
{
    wizardState.bitmapNames.Clear();
    char name[kWizardTextSize];
    for (int n = 0; ReadBitmapName(fileList, n, name); ++n) {
        if (!IsSafeFileName(name))
            continue;
        char localPath[kWizardTextSize];
        BitmapPath(name, localPath);
        if (SAPIFtpFileDownload(session, name, localPath, kBinaryTransfer, nullptr) > 0)
            wizardState.bitmapNames.Add(name);
        else
            remove(localPath);
    }
}

} // namespace

FILE *FetchFileList(CStatic &statusLine)
{
    ShowStatus(statusLine, "Opening host connection...");
    SessionFailure failure;
    FtpSession *session = OpenServerSession(nullptr, &failure);
    if (session == nullptr)
        return FailToConnect(statusLine, failure);

    ShowStatus(statusLine, "Downloading filelist...");
    char fileListPath[kWizardTextSize];
    FileListPath(fileListPath);
    if (SAPIFtpFileDownload(session, "files.vok", fileListPath, kTextTransfer, nullptr) < 0) {
        SAPIFtpCloseSession(session, nullptr);
        return FailWith(statusLine, "Unable to recover the file list");
    }
    FILE *fileList = OpenFileList(fileListPath);
    if (fileList == nullptr) {
        SAPIFtpCloseSession(session, nullptr);
        return FailWith(statusLine, "Unable to open the file list");
    }

    FetchBitmaps(session, fileList);

    ShowStatus(statusLine, "Closing host connection...");
    Sleep(kLogoutPause);
    if (SAPIFtpCloseSession(session, nullptr) != 0) {
        fclose(fileList);
        return FailWith(statusLine, "Unable to disconnect from host");
    }
    ShowStatus(statusLine, "");
    rewind(fileList);
    return fileList;
}

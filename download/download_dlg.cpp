#include "download/download_dlg.h"

#include "download/download_progress.h"
#include "download/failure_text.h"
#include "framework/file.h"
#include "framework/message_box.h"
#include "framework/message_pump.h"
#include "resources/resource.h"
#include "signature/authenticode_check.h"
#include "wizard/file_list.h"
#include "wizard/server_session.h"
#include "wizard/web_server.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <stdio.h>

namespace {

const UINT_PTR kProgressTimer = 101;
const UINT kProgressPeriodMs = 100;
// Ticks between two panel bitmaps: 7.5 seconds.
const int kTicksPerBitmap = 75;
// How often a retry's wait looks for Stop.
const unsigned kRetryWaitStepMs = 50;

// The panel's frame in dialog units, where the other pages' picture controls lie.
const RECT kPanelFrame = {7, 7, 7 + 100, 7 + 185};

bool UsesWebServer()
{
    return wizardState.serverUrl[0] != '\0';
}

const char *DisplayName(unsigned product)
{
    return wizardState.productIds.ItemAt(product)->text;
}

// The page whose run the callbacks below serve: its keys work as in its own
// modal loop, Escape being Stop.
HWND runningPage = nullptr;

// The FTP library's callback for the whole run: the page handles its timer
// ticks and Stop in it while the run blocks the thread.
int OnTransferProgress(const char *text)
{
    PumpDialogMessagesNowAndThen(runningPage);
    return RecordTransferReport(downloadProgress, text);
}

// Whether the installer at path may count: signed, validly, by the
// catalogue's SIGNER, where it names one.
bool SignedAsNamed(const ProductFiles &files, const char *path)
{
    return files.signer[0] == '\0' || CheckSignature(path, files.signer) == SignatureCheck::kValid;
}

// Called between the blocks of an installer being checked.
int OnHashProgress(void *progress, long long bytesHashed)
{
    PumpDialogMessagesNowAndThen(runningPage);
    return RecordHashProgress(*static_cast<DownloadProgress *>(progress), bytesHashed);
}

} // namespace

CDownloadDlg::CDownloadDlg()
    : CWizardPage(IDD_DOWNLOAD), ftpSource(OnTransferProgress),
      httpsSource(OnTransferProgress, wizardState.ftpTrustedCa)
{
}

void CDownloadDlg::DoDataExchange()
{
    DDX_Control(IDC_OVERALL_PROGRESS, overallBar);
    DDX_Control(IDC_OVERALL_TEXT, overallText);
    DDX_Control(IDC_PERCENT_TEXT, percentText);
    DDX_Control(IDC_FILE_PROGRESS, fileBar);
    DDX_Control(IDC_BYTES_TEXT, bytesText);
    DDX_Control(IDC_PRODUCT_NAME, productText);
}

BOOL CDownloadDlg::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    unreadableBitmaps.assign(wizardState.bitmapNames.Count(), false);
    bitmapIndex = 0;
    LoadPanelBitmap();
    tickCount = 0;
    SetTimer(kProgressTimer, kProgressPeriodMs);
    productText.SetText("");
    bytesText.SetText("");
    overallBar.SetPos(0);
    fileBar.SetPos(0);
    percentText.SetText("");
    overallText.SetText("");
    return TRUE;
}

bool CDownloadDlg::OnCommand(int id)
{
    if (id != IDC_DOWNLOAD_STOP)
        return CWizardPage::OnCommand(id);
    OnStop();
    return true;
}

// During the run the page ends when the run returns, once the transfer has
// noticed the request; before the run, or after a failed connection, at once.
void CDownloadDlg::OnStop()
{
    downloadProgress.stopRequested = 1;
    if (!runUnderWay)
        OnOK();
}

// Closing the page is Stop: a run must not go on behind a page that is gone,
// with the welcome dialog usable again beneath it.
void CDownloadDlg::OnCancel()
{
    OnStop();
}

void CDownloadDlg::LoadPanelBitmap()
{
    // A catalogue without bitmaps leaves the panel empty, without a message.
    char name[kWizardTextSize];
    if (wizardState.bitmapNames.Get(name, static_cast<unsigned>(bitmapIndex)) != 0) {
        panelBitmap.Release();
        return;
    }
    char path[kWizardTextSize];
    BitmapPath(name, path);
    // A file that does not open fails in LoadFromFile, with its message.
    CFile file;
    file.Open(path, CFile::modeRead);
    // Marked before the load: ticks handled under the load's message must
    // not turn back to this bitmap and stack a second box.
    const int loading = bitmapIndex;
    unreadableBitmaps[loading] = true;
    unreadableBitmaps[loading] = !panelBitmap.LoadFromFile(file);
}

int CDownloadDlg::NextReadableBitmap() const
{
    const int count = static_cast<int>(unreadableBitmaps.size());
    for (int step = 1; step <= count; ++step) {
        const int candidate = (bitmapIndex + step) % count;
        if (!unreadableBitmaps[candidate])
            return candidate;
    }
    return -1;
}

bool CDownloadDlg::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT frame = kPanelFrame;
    MapDialogRect(m_hWnd, &frame);
    panelBitmap.Paint(dc, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
    EndPaint(m_hWnd, &paint);
    return true;
}

void CDownloadDlg::OnTimer(UINT_PTR id)
{
    if (id != kProgressTimer)
        return;
    if (++tickCount >= kTicksPerBitmap) {
        tickCount = 0;
        const int next = NextReadableBitmap();
        if (next >= 0) {
            bitmapIndex = next;
            LoadPanelBitmap();
        } else {
            panelBitmap.Release();
        }
        Invalidate(true);
    }
    UpdateProgress();
    // Ticks handled inside the run's callback must not start a second run.
    if (runStarted == 0) {
        runStarted = 1;
        RunDownloads();
    }
}

void CDownloadDlg::UpdateProgress()
{
    const ProgressView view = ViewOfProgress(downloadProgress);
    fileBar.SetPos(view.fileBar);
    percentText.SetText(view.percentText);
    bytesText.SetText(view.bytesText);
    overallBar.SetPos(view.overallBar);
    if (currentProduct < 0)
        return;
    const char *name = DisplayName(static_cast<unsigned>(currentProduct));
    char checking[kWizardTextSize + 16];
    snprintf(checking, sizeof checking, "Checking %s...", name);
    productText.SetText(view.checking ? checking : name);
}

void CDownloadDlg::RunDownloads()
{
    runUnderWay = true;
    runningPage = m_hWnd;
    // A vendor's web server needs no session; the FTP server is opened first.
    const SessionFailure failure = UsesWebServer() ? SessionFailure::kNone : ftpSource.Connect();
    if (failure != SessionFailure::kNone && downloadProgress.stopRequested != 0) {
        // Stopped while connecting: no failure to report.
        EndRun(false);
        return;
    }
    if (failure != SessionFailure::kNone) {
        runUnderWay = false;
        // The page waits for Stop, its slide show going on.
        AfxMessageBox(FailureMessage(failure));
        return;
    }
    char recordPath[kWizardTextSize];
    WorkingFilePath(wizardState.recordFileName, recordPath);
    // A record that did not reach the server does not hold up the downloads.
    if (UsesWebServer())
        UploadRecord(wizardState.recordFileName, OnTransferProgress);
    else
        SAPIFtpFileUpload(ftpSource.Session(), recordPath, wizardState.recordFileName, 0, OnTransferProgress);

    const unsigned products = wizardState.productIds.Count();
    downloadProgress.productsSelected = 0;
    for (unsigned product = 0; product < products; ++product)
        downloadProgress.productsSelected += wizardState.selected[product] != 0 ? 1 : 0;
    downloadProgress.productsDone = 0;

    bool complete = true;
    for (unsigned product = 0; product < products && complete; ++product) {
        ShowOverallText();
        if (wizardState.selected[product] == 0)
            continue;
        currentProduct = static_cast<int>(product);
        productText.SetText(DisplayName(product));
        // A Stop that came outside a transfer (during the record's upload, or
        // in a product's last report) ends the run at this boundary.
        complete = downloadProgress.stopRequested == 0 && FetchProduct(product);
        if (complete)
            ++downloadProgress.productsDone;
    }
    ftpSource.Reset();
    EndRun(complete && downloadProgress.stopRequested == 0);
}

void CDownloadDlg::ShowOverallText()
{
    char overall[64];
    snprintf(overall, sizeof overall, "Downloading %d of %d product(s)", downloadProgress.productsDone + 1,
             downloadProgress.productsSelected);
    overallText.SetText(overall);
}

void CDownloadDlg::EndRun(bool complete)
{
    runUnderWay = false;
    KillTimer(kProgressTimer);
    EndPage(complete ? kPageForward : kPageLeave);
}

bool CDownloadDlg::FetchProduct(unsigned product)
{
    for (;;) {
        ProductFiles files = {};
        const TransferResult result = DownloadProduct(static_cast<int>(product), files);
        if (result)
            return true;
        if (result.outcome == TransferOutcome::kStopped || downloadProgress.stopRequested != 0)
            return false;
        char text[kFailureTextSize];
        FailureText(DisplayName(product), files.signer, result, text, sizeof text);
        if (AfxMessageBox(text, MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY)
            return false;
    }
}

TransferResult CDownloadDlg::DownloadProduct(int product, ProductFiles &files)
{
    const TransferResult failed = {TransferOutcome::kFailed, 0};
    char fileListPath[kWizardTextSize];
    FileListPath(fileListPath);
    FILE *fileList = OpenFileList(fileListPath);
    if (fileList == nullptr)
        return failed;
    const bool named = ReadProductFiles(fileList, product, files);
    fclose(fileList);
    if (!named)
        return failed;
    char finalPath[kWizardTextSize];
    DownloadPath(files.finalName, finalPath);
    switch (CheckDownloadedInstaller(files, OnHashProgress, downloadProgress)) {
    case InstallerState::kInPlace:
        if (SignedAsNamed(files, finalPath))
            return {TransferOutcome::kDone, 0};
        break;
    case InstallerState::kStopped:
        return {TransferOutcome::kStopped, 0};
    case InstallerState::kMissing:
        break;
    }
    const TransferResult transfer = TransferWithRetries(files);
    if (!transfer)
        return transfer;
    char tempPath[kWizardTextSize];
    ComponentPath(files.tempName, tempPath);
    if (!SignedAsNamed(files, tempPath)) {
        remove(tempPath);
        RemoveValidator(tempPath);
        return {TransferOutcome::kNotSigned, 0};
    }
    ShowProductComplete(files.statedSize);
    if (!FinishProduct(files))
        return {TransferOutcome::kLocalFailure, 0};
    return transfer;
}

TransferResult CDownloadDlg::TransferWithRetries(const ProductFiles &files)
{
    RetrySchedule schedule;
    InstallerSource &source = SourceOf(files);
    for (;;) {
        const long long partialBefore = PartialFileSize(files);
        const TransferResult result = TransferProduct(source, files, OnHashProgress, downloadProgress);
        if (!MayPass(result.outcome) || downloadProgress.stopRequested != 0)
            return result;
        // Whatever broke, the next try, or a Retry of the person's, starts
        // on a new connection.
        source.Reset();
        const long long partialAfter = PartialFileSize(files);
        // The wait shows what has arrived, whatever the new session reports.
        downloadProgress.resumeOffset = partialAfter > 0 ? partialAfter : 0;
        downloadProgress.bytesThisTransfer = 0;
        if (!schedule.AfterFailure(partialAfter > (partialBefore > 0 ? partialBefore : 0)))
            return result;
        if (!WaitBeforeRetry(schedule, result.retryAfterSeconds))
            return {TransferOutcome::kStopped, 0};
        ShowOverallText();
    }
}

InstallerSource &CDownloadDlg::SourceOf(const ProductFiles &files)
{
    if (files.source[0] != '\0')
        return httpsSource;
    return ftpSource;
}

bool CDownloadDlg::WaitBeforeRetry(const RetrySchedule &schedule, int askedSeconds)
{
    for (int secondsLeft = schedule.WaitSeconds(askedSeconds); secondsLeft > 0; --secondsLeft) {
        char text[96];
        RetryText(secondsLeft, schedule.Attempt(), RetrySchedule::kAttempts, text, sizeof text);
        overallText.SetText(text);
        for (unsigned waited = 0; waited < 1000; waited += kRetryWaitStepMs) {
            if (downloadProgress.stopRequested != 0)
                return false;
            PumpDialogMessagesFor(m_hWnd, kRetryWaitStepMs);
        }
    }
    return downloadProgress.stopRequested == 0;
}

void CDownloadDlg::ShowProductComplete(long long statedSize)
{
    fileBar.SetPos(100);
    percentText.SetText("100% Complete");
    char bytes[32];
    snprintf(bytes, sizeof bytes, "%lld", statedSize);
    bytesText.SetText(bytes);
}

#include "download/download_dlg.h"

#include "download/download_progress.h"
#include "download/product_transfer.h"
#include "framework/file.h"
#include "framework/message_box.h"
#include "framework/message_pump.h"
#include "resources/resource.h"
#include "wizard/file_list.h"
#include "wizard/server_session.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <stdio.h>

namespace {

const UINT_PTR kProgressTimer = 101;
const UINT kProgressPeriodMs = 100;
// Ticks between two panel bitmaps: 7.5 seconds.
const int kTicksPerBitmap = 75;

// Where the other pages' picture controls show their built-in bitmaps.
const RECT kPanel = {11, 11, 11 + 150, 11 + 300};

// The FTP library's callback for the whole run: the page handles its timer
// ticks and Stop in it while the run blocks the thread.
int OnTransferProgress(const char *text)
{
    PumpMessagesNowAndThen();
    return RecordTransferReport(downloadProgress, text);
}

// Called between the blocks of an installer being checked.
int OnHashProgress(void *progress, long long)
{
    PumpMessagesNowAndThen();
    return static_cast<const DownloadProgress *>(progress)->stopRequested;
}

} // namespace

CDownloadDlg::CDownloadDlg() : CWizardPage(IDD_DOWNLOAD) {}

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
    panelBitmap.Paint(dc, kPanel.left, kPanel.top, kPanel.right - kPanel.left, kPanel.bottom - kPanel.top);
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
}

void CDownloadDlg::RunDownloads()
{
    runUnderWay = true;
    SessionFailure failure;
    session = OpenServerSession(OnTransferProgress, &failure);
    if (session == nullptr && downloadProgress.stopRequested != 0) {
        // Stopped while connecting: no failure to report.
        EndRun(false);
        return;
    }
    if (session == nullptr) {
        runUnderWay = false;
        // The page waits for Stop, its slide show going on.
        AfxMessageBox(FailureMessage(failure));
        return;
    }
    char recordPath[kWizardTextSize];
    WorkingFilePath(wizardState.recordFileName, recordPath);
    // A record that did not reach the server does not hold up the downloads.
    SAPIFtpFileUpload(session, recordPath, wizardState.recordFileName, 0, OnTransferProgress);

    const unsigned products = wizardState.productIds.Count();
    downloadProgress.productsSelected = 0;
    for (unsigned product = 0; product < products; ++product)
        downloadProgress.productsSelected += wizardState.selected[product] != 0 ? 1 : 0;
    downloadProgress.productsDone = 0;

    bool complete = true;
    for (unsigned product = 0; product < products && complete; ++product) {
        char overall[64];
        snprintf(overall, sizeof overall, "Downloading %d of %d product(s)", downloadProgress.productsDone + 1,
                 downloadProgress.productsSelected);
        overallText.SetText(overall);
        if (wizardState.selected[product] == 0)
            continue;
        productText.SetText(wizardState.productIds.ItemAt(product)->text);
        // A Stop that came outside a transfer (during the record's upload, or
        // in a product's last report) ends the run at this boundary.
        complete = downloadProgress.stopRequested == 0 && DownloadProduct(static_cast<int>(product)) == 0;
        if (complete)
            ++downloadProgress.productsDone;
    }
    SAPIFtpCloseSession(session, nullptr);
    session = nullptr;
    EndRun(complete && downloadProgress.stopRequested == 0);
}

void CDownloadDlg::EndRun(bool complete)
{
    runUnderWay = false;
    KillTimer(kProgressTimer);
    EndPage(complete ? kPageForward : kPageLeave);
}

int CDownloadDlg::DownloadProduct(int product)
{
    char fileListPath[kWizardTextSize];
    FileListPath(fileListPath);
    FILE *fileList = OpenFileList(fileListPath);
    if (fileList == nullptr)
        return -1;
    ProductFiles files;
    const bool named = ReadProductFiles(fileList, product, files);
    fclose(fileList);
    if (!named)
        return -1;
    switch (CheckDownloadedInstaller(files, OnHashProgress, downloadProgress)) {
    case InstallerState::kInPlace:
        return 0;
    case InstallerState::kStopped:
        return -1;
    case InstallerState::kMissing:
        break;
    }
    if (!TransferProduct(session, files, OnTransferProgress, OnHashProgress, downloadProgress))
        return -1;
    ShowProductComplete(files.statedSize);
    return FinishProduct(files) ? 0 : -1;
}

void CDownloadDlg::ShowProductComplete(long long statedSize)
{
    fileBar.SetPos(100);
    percentText.SetText("100% Complete");
    char bytes[32];
    snprintf(bytes, sizeof bytes, "%lld", statedSize);
    bytesText.SetText(bytes);
}

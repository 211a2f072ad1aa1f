// The download page: runs the download of the selected products, started by
// its first timer tick, shows the progress of the run and of the current file,
// and turns the fetched panel bitmaps like a slide show. A transfer that
// fails for a reason that may pass is tried again on a new session within
// the run; a product that still fails is named, with the cause, in a box
// that offers Retry. The run ends the page itself; Stop asks it to end early.
#ifndef DOWNLOAD_DOWNLOAD_DLG_H
#define DOWNLOAD_DOWNLOAD_DLG_H

#include "download/ftp_source.h"
#include "download/https_source.h"
#include "download/product_transfer.h"
#include "download/retry_schedule.h"
#include "framework/controls.h"
#include "sapi/sapi.h"
#include "wizard/dib.h"
#include "wizard/wizard_page.h"

#include <vector>

class CDownloadDlg : public CWizardPage {
public:
    CDownloadDlg();

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id) override;
    // The close box, Escape and Alt+F4.
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;

private:
    void OnStop();
    // Loads the bitmap of wizardState.bitmapNames at bitmapIndex. One that
    // cannot be read is reported once and left out of the slide show.
    void LoadPanelBitmap();
    // The next bitmap that has not failed, after bitmapIndex and wrapping
    // round; -1 when every one has.
    int NextReadableBitmap() const;
    void UpdateProgress();
    void RunDownloads();
    // "Downloading <n> of <m> product(s)".
    void ShowOverallText();
    // Ends the run and with it the page: every product fetched, or not.
    void EndRun(bool complete);
    // Downloads the product, and again while the person answers a failure
    // with Retry. True when its installer is in the downloads folder.
    bool FetchProduct(unsigned product);
    // One try at putting the product's installer into the downloads folder;
    // files gets its names as the catalogue gives them.
    TransferResult DownloadProduct(int product, ProductFiles &files);
    // Transfers the product, on a new connection after each failure that
    // may pass, waiting as the retry schedule or the server says.
    TransferResult TransferWithRetries(const ProductFiles &files);
    // The FTP server, or the product's https:// address.
    InstallerSource &SourceOf(const ProductFiles &files);
    // Counts down the wait before a retry in the overall text, the window
    // answering; false when Stop ended it.
    bool WaitBeforeRetry(const RetrySchedule &schedule, int askedSeconds);
    void ShowProductComplete(long long statedSize);

    CProgressCtrl overallBar;
    CStatic overallText;
    CStatic percentText;
    CProgressCtrl fileBar;
    CStatic bytesText;
    CStatic productText;
    FtpSource ftpSource;
    HttpsSource httpsSource;
    CDib panelBitmap;
    int bitmapIndex = 0;
    int tickCount = 0;
    int runStarted = 0;
    // Into wizardState.productIds: the product under way, -1 before the first.
    int currentProduct = -1;
    // True while RunDownloads is on the stack: the page must not end before
    // it returns, or the run would go on without a window.
    bool runUnderWay = false;
    // Indices into wizardState.bitmapNames of the bitmaps that failed to load.
    std::vector<bool> unreadableBitmaps;
};

#endif

// The download page: runs the download of the selected products, started by
// its first timer tick, shows the progress of the run and of the current file,
// and turns the fetched panel bitmaps like a slide show. The run ends the page
// itself; Stop asks it to end early.
#ifndef DOWNLOAD_DOWNLOAD_DLG_H
#define DOWNLOAD_DOWNLOAD_DLG_H

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
    // Ends the run and with it the page: every product fetched, or not.
    void EndRun(bool complete);
    // 0 when the product's installer is in the downloads folder, else -1.
    int DownloadProduct(int product);
    void ShowProductComplete(long long statedSize);

    CProgressCtrl overallBar;
    CStatic overallText;
    CStatic percentText;
    CProgressCtrl fileBar;
    CStatic bytesText;
    CStatic productText;
    FtpSession *session = nullptr;
    CDib panelBitmap;
    int bitmapIndex = 0;
    int tickCount = 0;
    int runStarted = 0;
    // True while RunDownloads is on the stack: the page must not end before
    // it returns, or the run would go on without a window.
    bool runUnderWay = false;
    // Indices into wizardState.bitmapNames of the bitmaps that failed to load.
    std::vector<bool> unreadableBitmaps;
};

#endif

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

class CDownloadDlg : public CWizardPage {
public:
    CDownloadDlg();

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id) override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;

private:
    void OnStop();
    // Loads the bitmap of wizardState.bitmapNames at bitmapIndex.
    void LoadPanelBitmap();
    void UpdateProgress();
    void RunDownloads();
    // 0 when the product's installer is in the downloads folder, else -1.
    int DownloadProduct(int product);
    void ShowProductComplete(int statedSize);

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
};

#endif

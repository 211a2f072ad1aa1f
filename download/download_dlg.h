// The download page. The download run itself is not built yet: the page
// shows the first fetched panel bitmap, and Stop leaves the wizard.
#ifndef DOWNLOAD_DOWNLOAD_DLG_H
#define DOWNLOAD_DOWNLOAD_DLG_H

#include "wizard/dib.h"
#include "wizard/wizard_page.h"

class CDownloadDlg : public CWizardPage {
public:
    CDownloadDlg();

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;

private:
    // Loads the bitmap of wizardState.bitmapNames at bitmapIndex; an index
    // past the end names no file, and the panel then stays empty.
    void LoadPanelBitmap();

    CDib panelBitmap;
    int bitmapIndex = 0;
};

#endif

#include "download/download_dlg.h"

#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"
#include "framework/file.h"
#include "resources/resource.h"

namespace {

const NavigationButton kButtons[] = {
    {IDC_DOWNLOAD_STOP, kPageLeave},
};

// Where the other pages' picture controls show their built-in bitmaps.
const RECT kPanel = {11, 11, 11 + 150, 11 + 300};

} // namespace

CDownloadDlg::CDownloadDlg() : CWizardPage(IDD_DOWNLOAD, kButtons) {}

BOOL CDownloadDlg::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    bitmapIndex = 0;
    LoadPanelBitmap();
    return TRUE;
}

void CDownloadDlg::LoadPanelBitmap()
{
    char name[kWizardTextSize];
    wizardState.bitmapNames.Get(name, bitmapIndex);
    char path[kWizardTextSize];
    BitmapPath(name, path);
    // A file that does not open fails in LoadFromFile, with its message.
    CFile file;
    file.Open(path, CFile::modeRead);
    panelBitmap.LoadFromFile(file);
}

bool CDownloadDlg::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    panelBitmap.Paint(dc, kPanel.left, kPanel.top, kPanel.right - kPanel.left, kPanel.bottom - kPanel.top);
    EndPaint(m_hWnd, &paint);
    return true;
}

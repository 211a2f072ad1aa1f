// The page between the user's details and the download: navigation only.
#ifndef APP_READY_DLG_H
#define APP_READY_DLG_H

#include "resources/resource.h"
#include "wizard/wizard_page.h"

class CReadyDlg : public CWizardPage {
public:
    CReadyDlg() : CWizardPage(IDD_READY, kButtons) {}

protected:
    // Buttons alone: the page starts on Download, its default, rather than
    // on Back, the first in reading order.
    BOOL OnInitDialog() override
    {
        CWizardPage::OnInitDialog();
        GotoDlgCtrl(IDC_READY_DOWNLOAD);
        return FALSE;
    }

private:
    static constexpr NavigationButton kButtons[] = {
        {IDC_READY_BACK, kPageBack},
        {IDC_READY_DOWNLOAD, kPageForward},
        {IDC_READY_CANCEL, kPageLeave},
    };
};

#endif

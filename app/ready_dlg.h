// The page between the user's details and the download: navigation only.
#ifndef APP_READY_DLG_H
#define APP_READY_DLG_H

#include "resources/resource.h"
#include "wizard/wizard_page.h"

class CReadyDlg : public CWizardPage {
public:
    CReadyDlg() : CWizardPage(IDD_READY, kButtons) {}

private:
    static constexpr NavigationButton kButtons[] = {
        {IDC_READY_BACK, kPageBack},
        {IDC_READY_DOWNLOAD, kPageForward},
        {IDC_READY_CANCEL, kPageLeave},
    };
};

#endif

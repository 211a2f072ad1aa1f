// The first page: the choice of products. For now it only navigates; its
// check list stays empty.
#ifndef PAGES_PRODUCT_SELECT_DLG_H
#define PAGES_PRODUCT_SELECT_DLG_H

#include "app/wizard_page.h"
#include "resources/resource.h"

class CProductSelectDlg : public CWizardPage {
public:
    CProductSelectDlg() : CWizardPage(IDD_PRODUCT_SELECT, kButtons) {}

private:
    static constexpr NavigationButton kButtons[] = {
        {IDC_SELECT_NEXT, kPageForward},
        {IDC_SELECT_CANCEL, kPageLeave},
    };
};

#endif

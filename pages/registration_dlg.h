// The page of the user's details. For now it navigates and shows the name the
// wizard starts with; nothing typed into it is kept yet and no registration
// record is written.
#ifndef PAGES_REGISTRATION_DLG_H
#define PAGES_REGISTRATION_DLG_H

#include "app/wizard_page.h"
#include "app/wizard_state.h"
#include "resources/resource.h"

class CRegistrationDlg : public CWizardPage {
public:
    CRegistrationDlg() : CWizardPage(IDD_REGISTRATION, kButtons) {}

protected:
    BOOL OnInitDialog() override
    {
        CWizardPage::OnInitDialog();
        SetDlgItemTextA(GetSafeHwnd(), IDC_USER_NAME, wizardState.userName);
        return TRUE;
    }

private:
    static constexpr NavigationButton kButtons[] = {
        {IDC_REGISTER_BACK, kPageBack},
        {IDC_REGISTER_NEXT, kPageForward},
        {IDC_REGISTER_CANCEL, kPageLeave},
    };
};

#endif

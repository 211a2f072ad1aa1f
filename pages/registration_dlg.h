// The page of the user's details. It insists on an e-mail address that the
// machine's mail clients know, offers their list after a refusal, gives in
// after repeated refusals, and writes the registration record when it is left
// forward.
#ifndef PAGES_REGISTRATION_DLG_H
#define PAGES_REGISTRATION_DLG_H

#include "framework/controls.h"
#include "pages/email_check.h"
#include "wizard/wizard_page.h"

class CRegistrationDlg : public CWizardPage {
public:
    CRegistrationDlg();

    // Refused e-mail entries since the page was last shown.
    int refusals = 0;

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id) override;

private:
    EmailCheckResult CheckEmail() const;
    void OnNext();
    // Reacts to a refused entry; true when the page gives in and accepts it.
    bool Refuse();
    void OfferAddressList();
    void Accept();

    CEdit emailBox;
    CStatic nameText;
    CEdit postalBox;
    CEdit countryBox;
    CEdit stateBox;
    CEdit phoneBox;
    CEdit cityBox;
    CEdit addressBox;
};

#endif

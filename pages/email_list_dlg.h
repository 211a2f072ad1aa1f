// The list of e-mail addresses found on the machine, offered by the
// registration page after a refused entry.
#ifndef PAGES_EMAIL_LIST_DLG_H
#define PAGES_EMAIL_LIST_DLG_H

#include "framework/controls.h"
#include "framework/dialog.h"
#include "wizard/wizard_state.h"

class CEmailListDlg : public CDialog {
public:
    CEmailListDlg();

    CListBox addressList;
    // The address picked; set only when the dialog ends with OK.
    char chosenAddress[kWizardTextSize] = "";

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};

#endif

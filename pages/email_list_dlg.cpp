#include "pages/email_list_dlg.h"

#include "framework/message_box.h"
#include "resources/resource.h"

CEmailListDlg::CEmailListDlg() : CDialog(IDD_EMAIL_LIST) {}

void CEmailListDlg::DoDataExchange()
{
    DDX_Control(IDC_EMAIL_ADDRESS_LIST, addressList);
}

BOOL CEmailListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    addressList.ResetContent();
    // The list box sorts them.
    for (unsigned index = 0; index < wizardState.emailCandidates.Count(); ++index)
        addressList.AddString(wizardState.emailCandidates.ItemAt(index)->text);
    return TRUE;
}

void CEmailListDlg::OnOK()
{
    const int chosen = addressList.GetCurSel();
    if (chosen < 0) {
        AfxMessageBox("Please select an email address");
        return;
    }
    addressList.GetItemText(chosen, chosenAddress, sizeof chosenAddress);
    CDialog::OnOK();
}

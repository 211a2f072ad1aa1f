#include "pages/registration_dlg.h"

#include "framework/message_box.h"
#include "pages/email_list_dlg.h"
#include "pages/registration_record.h"
#include "resources/resource.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <process.h>
#include <stdio.h>

namespace {

const NavigationButton kButtons[] = {
    {IDC_REGISTER_BACK, kPageBack},
    {IDC_REGISTER_CANCEL, kPageLeave},
};

// A record that cannot be created is left out without a word.
void WriteRecordFile()
{
    TimeStamp now;
    SAPIGetCurrentTime(&now);
    RegistrationRecordName(now, _getpid(), wizardState.recordFileName);
    char path[kWizardTextSize];
    WorkingFilePath(wizardState.recordFileName, path);
    FILE *record = fopen(path, "w");
    if (record == nullptr)
        return;
    WriteRegistrationRecord(record, wizardState, localAddress);
    fclose(record);
}

} // namespace

CRegistrationDlg::CRegistrationDlg() : CWizardPage(IDD_REGISTRATION, kButtons) {}

void CRegistrationDlg::DoDataExchange()
{
    DDX_Control(IDC_EMAIL, emailBox);
    DDX_Control(IDC_USER_NAME, nameText);
    DDX_Control(IDC_POSTAL, postalBox);
    DDX_Control(IDC_COUNTRY, countryBox);
    DDX_Control(IDC_STATE, stateBox);
    DDX_Control(IDC_PHONE, phoneBox);
    DDX_Control(IDC_CITY, cityBox);
    DDX_Control(IDC_ADDRESS, addressBox);
}

BOOL CRegistrationDlg::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    emailBox.SetText(wizardState.email);
    addressBox.SetText(wizardState.address);
    cityBox.SetText(wizardState.city);
    stateBox.SetText(wizardState.state);
    postalBox.SetText(wizardState.postal);
    countryBox.SetText(wizardState.country);
    phoneBox.SetText(wizardState.phone);
    nameText.SetText(wizardState.userName);
    refusals = 0;
    return TRUE;
}

bool CRegistrationDlg::OnCommand(int id)
{
    if (id != IDC_REGISTER_NEXT)
        return CWizardPage::OnCommand(id);
    OnNext();
    return true;
}

EmailCheckResult CRegistrationDlg::CheckEmail() const
{
    char entry[kWizardTextSize];
    emailBox.GetText(entry, sizeof entry);
    return CheckEmailEntry(entry, wizardState.emailCandidates);
}

void CRegistrationDlg::OnNext()
{
    switch (CheckEmail()) {
    case kEmailNoCandidates:
        wizardState.emailSource = kEmailUnchecked;
        break;
    case kEmailMatched:
        wizardState.emailSource = kEmailFromList;
        break;
    default:
        if (!Refuse())
            return;
        wizardState.emailSource = kEmailAfterRefusals;
        break;
    }
    Accept();
}

bool CRegistrationDlg::Refuse()
{
    switch (ReactionToRefusal(++refusals)) {
    case RefusalReaction::kAskForValidAddress:
        AfxMessageBox(kAskForValidAddressText);
        return false;
    case RefusalReaction::kOfferScan:
        if (AfxMessageBox(kOfferScanText, MB_YESNO) == IDYES)
            OfferAddressList();
        return false;
    case RefusalReaction::kInsist:
        AfxMessageBox(kInsistText);
        return false;
    default:
        return true;
    }
}

// Closed without a choice, the list leaves the box as it was.
void CRegistrationDlg::OfferAddressList()
{
    CEmailListDlg list;
    if (list.DoModal() == IDOK)
        emailBox.SetText(list.chosenAddress);
}

void CRegistrationDlg::Accept()
{
    nameText.GetText(wizardState.userName, kWizardTextSize);
    emailBox.GetText(wizardState.email, kWizardTextSize);
    addressBox.GetText(wizardState.address, kWizardTextSize);
    cityBox.GetText(wizardState.city, kWizardTextSize);
    stateBox.GetText(wizardState.state, kWizardTextSize);
    postalBox.GetText(wizardState.postal, kWizardTextSize);
    countryBox.GetText(wizardState.country, kWizardTextSize);
    phoneBox.GetText(wizardState.phone, kWizardTextSize);
    WriteRecordFile();
    EndPage(kPageForward);
}

// The wizard's pages, shown one at a time until one of them ends the wizard.
#ifndef APP_PAGE_SEQUENCE_H
#define APP_PAGE_SEQUENCE_H

class CProductSelectDlg;
class CRegistrationDlg;
class CReadyDlg;
class CDownloadDlg;
class CFinishDlg;

struct WizardPages {
    CProductSelectDlg &productSelect;
    CRegistrationDlg &registration;
    CReadyDlg &ready;
    CDownloadDlg &download;
    CFinishDlg &finish;
};

// Starts at product selection; returns when the wizard has ended.
void RunPageSequence(WizardPages &pages);

#endif

// The last page: the downloaded products, Install... to start one's
// installer, Locate... to say where it lies, and Exit, which ends the wizard.
#ifndef DOWNLOAD_FINISH_DLG_H
#define DOWNLOAD_FINISH_DLG_H

#include "framework/controls.h"
#include "framework/dialog.h"

class CFinishDlg : public CDialog {
public:
    CFinishDlg();

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id) override;

private:
    void OnInstall();
    void OnLocate();
    // The selected entry's text and its installer's file name; false after
    // "Please select a product..." or, silently, when the file list does not
    // name the installer.
    bool SelectedInstaller(char *displayName, char *fileName, char *signer);

    CListBox productList;
};

#endif

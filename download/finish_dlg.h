// The last page. For now it only offers Exit (the dialog's OK), which ends
// the wizard; its list stays empty.
#ifndef DOWNLOAD_FINISH_DLG_H
#define DOWNLOAD_FINISH_DLG_H

#include "framework/dialog.h"
#include "resources/resource.h"

class CFinishDlg : public CDialog {
public:
    CFinishDlg() : CDialog(IDD_FINISH) {}
};

#endif

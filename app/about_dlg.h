// The About box of the welcome dialog's system menu; its template is all of it.
#ifndef APP_ABOUT_DLG_H
#define APP_ABOUT_DLG_H

#include "framework/dialog.h"
#include "resources/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUT) {}
};

#endif

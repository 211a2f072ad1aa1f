// The program's main window: it fetches the catalogue on Begin and then runs
// the wizard's pages; closing it ends the program.
#ifndef APP_WELCOME_DLG_H
#define APP_WELCOME_DLG_H

#include "framework/controls.h"
#include "framework/dialog.h"

class CWelcomeDlg : public CDialog {
public:
    CWelcomeDlg();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    bool OnCommand(int id) override;
    bool OnSysCommand(UINT id) override;
    bool OnPaint() override;
    HICON OnQueryDragIcon() override { return icon; }
    // Removes what the run left in the working folder, except the products.
    void OnDestroy() override;

private:
    void OnBegin();
    void AddAboutItem();

    CStatic statusLine;
    HICON icon;
};

#endif

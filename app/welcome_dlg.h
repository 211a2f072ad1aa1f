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
    // Exit, and Escape, the close box or Alt+F4: while the catalogue is
    // fetched they end the fetch first, and the wizard once it has returned.
    void OnOK() override;
    void OnCancel() override;
    // Removes what the run left in the working folder, except the products.
    void OnDestroy() override;

private:
    void OnBegin();
    void AddAboutItem();
    // The library's callback during the fetch: the window keeps answering,
    // and the fetch is asked to stop once the person is leaving.
    static int OnFetchProgress(const char *text);

    CStatic statusLine;
    HICON icon;
    // The dialog whose fetch runs, for the callback, which has no context.
    static CWelcomeDlg *fetching;
    bool leaving = false;
};

#endif

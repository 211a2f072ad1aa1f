// A modal dialog from a dialog template, with its messages routed to virtual
// member functions. The object outlives its window: every DoModal creates the
// window anew and runs OnInitDialog again.
#ifndef FRAMEWORK_DIALOG_H
#define FRAMEWORK_DIALOG_H

#include <windows.h>

class CControl;

class CDialog {
public:
    // Without a parent, the wizard window on top owns the dialog (see
    // CWinApp::TopWindow).
    explicit CDialog(int templateId, HWND parent = nullptr);
    virtual ~CDialog() = default;
    CDialog(const CDialog &) = delete;
    CDialog &operator=(const CDialog &) = delete;

    // Runs the dialog until EndDialog; the value given to EndDialog, or -1
    // when the window could not be created.
    INT_PTR DoModal();
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    // Binds the controls; TRUE lets the system give the focus to the first one.
    virtual BOOL OnInitDialog();
    // Binds controls with DDX_Control; called on initialisation and by OnOK.
    virtual void DoDataExchange() {}
    virtual void OnOK();
    virtual void OnCancel();
    // A click on a button, a menu command, or Enter and Escape (IDOK,
    // IDCANCEL); false leaves it unhandled. The base handles IDOK and IDCANCEL.
    virtual bool OnCommand(int id);
    virtual void OnTimer(UINT_PTR) {}
    // False leaves the painting to the system.
    virtual bool OnPaint() { return false; }
    // False leaves the command to the system (move, close, minimise...).
    virtual bool OnSysCommand(UINT) { return false; }
    virtual HICON OnQueryDragIcon() { return nullptr; }
    // The window is going away; its controls still exist.
    virtual void OnDestroy() {}

    void DDX_Control(int id, CControl &control);
    // Moves the focus to control id as Tab would (a push button becomes the
    // default one); from OnInitDialog, which then returns FALSE.
    void GotoDlgCtrl(int id);
    void EndDialog(int result);
    void SetTimer(UINT_PTR id, UINT milliseconds);
    void KillTimer(UINT_PTR id);
    void Invalidate(bool erase = true);

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    HWND Owner() const;

    int templateId;
    HWND parent;
};

#endif

#include "framework/dialog.h"

#include "framework/controls.h"
#include "framework/picture_scaling.h"
#include "framework/win_app.h"

CDialog::CDialog(int templateId, HWND parent) : templateId(templateId), parent(parent) {}

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), Owner(),
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND CDialog::Owner() const
{
    if (parent != nullptr)
        return parent;
    const CWinApp *app = CWinApp::Current();
    if (app == nullptr || app->mainWindow == this)
        return nullptr;
    return app->TopWindow();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<CDialog *>(lParam)->m_hWnd = window;
    }
    // Null for the few messages that come before WM_INITDIALOG (WM_SETFONT,
    // WM_MEASUREITEM): the system's defaults serve them.
    auto *dialog = reinterpret_cast<CDialog *>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        ScalePictures(m_hWnd);
        return OnInitDialog();
    case WM_COMMAND:
        return HIWORD(wParam) == BN_CLICKED && OnCommand(LOWORD(wParam));
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_PAINT:
        return OnPaint();
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_DRAWITEM:
        // Owner-drawn controls draw themselves (see controls.h).
        return SendMessageA(reinterpret_cast<DRAWITEMSTRUCT *>(lParam)->hwndItem,
                            kReflectedDrawItem, wParam, lParam);
    case WM_DPICHANGED: {
        // Moved to a screen of another DPI: the system's rectangle keeps the
        // window where it was dropped, at the new screen's scale.
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    case WM_DESTROY:
        OnDestroy();
        ReleasePictures(m_hWnd);
        return FALSE;
    case WM_NCDESTROY:
        m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

void CDialog::OnOK()
{
    DoDataExchange();
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(int id)
{
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

void CDialog::DDX_Control(int id, CControl &control)
{
    control.Attach(GetDlgItem(m_hWnd, id));
}

void CDialog::GotoDlgCtrl(int id)
{
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, id)), TRUE);
}

void CDialog::EndDialog(int result)
{
    ::EndDialog(m_hWnd, result);
}

void CDialog::SetTimer(UINT_PTR id, UINT milliseconds)
{
    ::SetTimer(m_hWnd, id, milliseconds, nullptr);
}

void CDialog::KillTimer(UINT_PTR id)
{
    ::KillTimer(m_hWnd, id);
}

void CDialog::Invalidate(bool erase)
{
    InvalidateRect(m_hWnd, nullptr, erase);
}

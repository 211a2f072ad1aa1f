#include "framework/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

void CControl::SetText(const char *text)
{
    SetWindowTextA(m_hWnd, text);
}

void CControl::GetText(char *out, int size) const
{
    out[0] = '\0';
    GetWindowTextA(m_hWnd, out, size);
}

void CControl::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

void CProgressCtrl::SetPos(int position)
{
    SendMessageA(m_hWnd, PBM_SETPOS, position, 0);
}

void CListBox::ResetContent()
{
    SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::AddString(const char *text)
{
    return static_cast<int>(SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::GetCount() const
{
    return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetCurSel() const
{
    return static_cast<int>(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
}

void CListBox::GetItemText(int index, char *out, int size) const
{
    out[0] = '\0';
    const LRESULT length = SendMessageA(m_hWnd, LB_GETTEXTLEN, index, 0);
    if (length < 0 || size <= 0)
        return;
    // LB_GETTEXT knows no buffer size: read whole, then cut.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::min<size_t>(static_cast<size_t>(length), static_cast<size_t>(size - 1)));
    text.copy(out, text.size());
    out[text.size()] = '\0';
}

#include "framework/controls.h"

#include "framework/wide_text.h"

#include <commctrl.h>

#include <string>

void CControl::SetText(const char *text)
{
    SetWindowTextA(m_hWnd, text);
}

// Read whole and wide: a narrow read cut at the buffer's size can split a
// character that takes several bytes.
void CControl::GetText(char *out, int size) const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(m_hWnd, &text[0], static_cast<int>(text.size()))));
    CopyNarrowFromWide(text, out, size);
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

std::wstring CListBox::GetItemWideText(int index) const
{
    const LRESULT length = SendMessageW(m_hWnd, LB_GETTEXTLEN, index, 0);
    if (length < 0)
        return std::wstring();
    // LB_GETTEXT knows no buffer size: one as long as the entry.
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

void CListBox::GetItemText(int index, char *out, int size) const
{
    CopyNarrowFromWide(GetItemWideText(index), out, size);
}

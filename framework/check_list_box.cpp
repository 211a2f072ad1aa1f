#include "framework/check_list_box.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

void CCheckListBox::Attach(HWND window)
{
    CListBox::Attach(window);
    // WM_MEASUREITEM of a fixed-height list comes while the template is being
    // built, before any control is bound: the height is set here instead.
    SendMessageA(m_hWnd, LB_SETITEMHEIGHT, 0, ItemHeight());
    SetWindowSubclass(m_hWnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

int CCheckListBox::ItemHeight() const
{
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, oldFont);
    ReleaseDC(m_hWnd, dc);
    return std::max<int>(metrics.tmHeight, GetSystemMetrics(SM_CYMENUCHECK)) + 2;
}

bool CCheckListBox::GetCheck(int index) const
{
    return SendMessageA(m_hWnd, LB_GETITEMDATA, index, 0) == 1;
}

void CCheckListBox::SetCheck(int index, bool checked)
{
    SendMessageA(m_hWnd, LB_SETITEMDATA, index, checked ? 1 : 0);
    RECT entry;
    if (SendMessageA(m_hWnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry)) != LB_ERR)
        InvalidateRect(m_hWnd, &entry, TRUE);
}

void CCheckListBox::ToggleCheck(int index)
{
    SetCheck(index, !GetCheck(index));
}

int CCheckListBox::EntryWithBoxAt(int x, int y) const
{
    const LRESULT hit = SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    if (HIWORD(hit) != 0) // below the last entry
        return -1;
    const int index = LOWORD(hit);
    RECT entry;
    SendMessageA(m_hWnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry));
    const bool onBox = x >= entry.left && x < entry.left + (entry.bottom - entry.top);
    return onBox ? index : -1;
}

void CCheckListBox::DrawItem(const DRAWITEMSTRUCT &item) const
{
    const RECT &area = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) { // an empty list with the focus
        if (item.itemState & ODS_FOCUS)
            DrawFocusRect(item.hDC, &area);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const int boxSize = area.bottom - area.top;
    RECT box = {area.left + 1, area.top + 1, area.left + boxSize - 1, area.bottom - 1};
    const int index = static_cast<int>(item.itemID);
    DrawFrameControl(item.hDC, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | (GetCheck(index) ? DFCS_CHECKED : 0));

    // Drawn from the whole wide text: any script, however many bytes.
    const std::wstring text = GetItemWideText(index);
    RECT textArea = area;
    textArea.left += boxSize;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &area);
}

LRESULT CALLBACK CCheckListBox::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto *box = reinterpret_cast<CCheckListBox *>(self);
    switch (message) {
    case kReflectedDrawItem:
        box->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // The list box selects the entry first; the tick follows the click.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        const int index = box->EntryWithBoxAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (index >= 0)
            box->ToggleCheck(index);
        return result;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            const int index = static_cast<int>(SendMessageA(window, LB_GETCARETINDEX, 0, 0));
            if (index >= 0 && index < box->GetCount())
                box->ToggleCheck(index);
            return 0;
        }
        break;
    case WM_CHAR:
        // Else the list box's type-ahead jumps to the first entry that begins
        // with a blank, which is every entry of the product list.
        if (wParam == ' ')
            return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, SubclassProc, 0);
        box->m_hWnd = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Thin wrappers for the controls of a dialog: a window handle bound with
// CDialog::DDX_Control, and one-line messages to it.
#ifndef FRAMEWORK_CONTROLS_H
#define FRAMEWORK_CONTROLS_H

#include <windows.h>

#include <string>

// WM_DRAWITEM as the dialog passes it on to the control that asked for it,
// with the same parameters; the control answers TRUE when it drew.
const UINT kReflectedDrawItem = WM_APP + 0x2B;

class CControl {
public:
    virtual ~CControl() = default;
    virtual void Attach(HWND window) { m_hWnd = window; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    void SetText(const char *text);
    // At most size - 1 bytes and a NUL, cut between characters.
    void GetText(char *out, int size) const;
    // Paints a change at once, for texts set while the program is busy.
    void UpdateWindow();

protected:
    HWND m_hWnd = nullptr;
};

class CStatic : public CControl {};

class CEdit : public CControl {};

// Keeps the control's default range, 0 to 100.
class CProgressCtrl : public CControl {
public:
    void SetPos(int position);
};

class CListBox : public CControl {
public:
    void ResetContent();
    // The new entry's index, or a negative value when it could not be added.
    int AddString(const char *text);
    int GetCount() const;
    // The selected entry, or -1.
    int GetCurSel() const;
    // Entry index, at most size - 1 bytes and a NUL, cut between
    // characters; empty for no entry.
    void GetItemText(int index, char *out, int size) const;
    // The whole text of the entry, empty for no entry.
    std::wstring GetItemWideText(int index) const;
};

#endif

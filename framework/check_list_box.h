// A list box whose entries carry check boxes: the template makes it
// owner-drawn with fixed-height entries that keep their strings. A click on
// an entry's box, or the space bar on the entry with the caret, toggles it.
// The check state is the entry's item data (1 ticked, 0 not), which other
// programs can read with LB_GETITEMDATA.
#ifndef FRAMEWORK_CHECK_LIST_BOX_H
#define FRAMEWORK_CHECK_LIST_BOX_H

#include "framework/controls.h"

class CCheckListBox : public CListBox {
public:
    void Attach(HWND window) override;

    bool GetCheck(int index) const;
    void SetCheck(int index, bool checked);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam, UINT_PTR, DWORD_PTR self);
    void DrawItem(const DRAWITEMSTRUCT &item) const;
    // The entry whose check box lies under the point, or -1.
    int EntryWithBoxAt(int x, int y) const;
    void ToggleCheck(int index);
    int ItemHeight() const;
};

#endif

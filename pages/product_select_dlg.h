// The first page: the products of the file list, each with a check box, and
// About..., which opens the highlighted product's web page.
#ifndef PAGES_PRODUCT_SELECT_DLG_H
#define PAGES_PRODUCT_SELECT_DLG_H

#include "framework/check_list_box.h"
#include "wizard/wizard_page.h"

class CProductSelectDlg : public CWizardPage {
public:
    CProductSelectDlg();

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id) override;

private:
    void OnNext();
    void OnAbout();

    CCheckListBox productList;
};

#endif

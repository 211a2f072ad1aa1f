// A page of the wizard: a modal dialog whose navigation buttons store the
// page's answer in result and end the page through OnOK.
#ifndef WIZARD_WIZARD_PAGE_H
#define WIZARD_WIZARD_PAGE_H

#include "framework/dialog.h"

#include <cstddef>

// Values of a page's result, read by the page sequence.
const int kPageLeave = -1;  // end the wizard
const int kPageBack = 0;    // the page before
const int kPageForward = 1; // the page after

struct NavigationButton {
    int id;
    int result;
};

class CWizardPage : public CDialog {
public:
    template <std::size_t N>
    CWizardPage(int templateId, const NavigationButton (&buttons)[N])
        : CDialog(templateId), buttons(buttons), buttonCount(N)
    {
    }

    // A page whose buttons all have handlers of their own.
    explicit CWizardPage(int templateId) : CDialog(templateId), buttons(nullptr), buttonCount(0) {}

    int result = kPageLeave;

protected:
    bool OnCommand(int id) override
    {
        // Enter comes as IDOK where no button is the default. Every page
        // names one, but none has an OK button: Enter must not end the wizard.
        if (id == IDOK)
            return true;
        for (std::size_t index = 0; index < buttonCount; ++index) {
            if (buttons[index].id == id) {
                EndPage(buttons[index].result);
                return true;
            }
        }
        return CDialog::OnCommand(id);
    }

    void EndPage(int answer)
    {
        result = answer;
        OnOK();
    }

private:
    const NavigationButton *buttons;
    std::size_t buttonCount;
};

#endif

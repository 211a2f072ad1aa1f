// Where the wizard goes after a page, by the page's result.
#ifndef APP_PAGE_STEPS_H
#define APP_PAGE_STEPS_H

#include "wizard/wizard_page.h"

enum class WizardStep { kProductSelect, kRegistration, kReady, kDownload, kFinish, kEnd };

// The finish page's result is not read: the wizard ends after it.
inline WizardStep NextStep(WizardStep shown, int result)
{
    if (result == kPageLeave)
        return WizardStep::kEnd;
    switch (shown) {
    case WizardStep::kProductSelect:
        return WizardStep::kRegistration;
    case WizardStep::kRegistration:
        return result == kPageBack ? WizardStep::kProductSelect : WizardStep::kReady;
    case WizardStep::kReady:
        return result == kPageBack ? WizardStep::kRegistration : WizardStep::kDownload;
    case WizardStep::kDownload:
        return WizardStep::kFinish;
    default:
        return WizardStep::kEnd;
    }
}

#endif

#include "app/page_sequence.h"

#include "app/page_steps.h"
#include "app/ready_dlg.h"
#include "download/download_dlg.h"
#include "download/finish_dlg.h"
#include "pages/product_select_dlg.h"
#include "pages/registration_dlg.h"

namespace {

CWizardPage &PageOf(WizardPages &pages, WizardStep step)
{
    switch (step) {
    case WizardStep::kProductSelect:
        return pages.productSelect;
    case WizardStep::kRegistration:
        return pages.registration;
    case WizardStep::kReady:
        return pages.ready;
    default:
        return pages.download;
    }
}

} // namespace

void RunPageSequence(WizardPages &pages)
{
    WizardStep step = WizardStep::kProductSelect;
    while (step != WizardStep::kEnd) {
        if (step == WizardStep::kFinish) {
            pages.finish.DoModal();
            return;
        }
        CWizardPage &page = PageOf(pages, step);
        // Escape and the close box end a page without a button: they leave
        // the wizard, as Cancel does.
        page.result = kPageLeave;
        page.DoModal();
        step = NextStep(step, page.result);
    }
}

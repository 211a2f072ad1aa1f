#include "app/page_steps.h"

#include <gtest/gtest.h>

namespace {

struct StepCase {
    WizardStep shown;
    int result;
    WizardStep next;
};

const WizardStep kProductSelect = WizardStep::kProductSelect;
const WizardStep kRegistration = WizardStep::kRegistration;
const WizardStep kReady = WizardStep::kReady;
const WizardStep kDownload = WizardStep::kDownload;
const WizardStep kFinish = WizardStep::kFinish;
const WizardStep kEnd = WizardStep::kEnd;

const StepCase kSteps[] = {
    {kProductSelect, kPageLeave, kEnd},
    {kProductSelect, kPageForward, kRegistration},
    {kProductSelect, kPageBack, kRegistration}, // the first page has nowhere to go back to
    {kRegistration, kPageLeave, kEnd},
    {kRegistration, kPageBack, kProductSelect},
    {kRegistration, kPageForward, kReady},
    {kRegistration, 7, kReady},
    {kReady, kPageLeave, kEnd},
    {kReady, kPageBack, kRegistration},
    {kReady, kPageForward, kDownload},
    {kDownload, kPageLeave, kEnd},
    {kDownload, kPageForward, kFinish},
    {kDownload, kPageBack, kFinish}, // no way back from the download
    {kFinish, kPageForward, kEnd},
    {kFinish, kPageBack, kEnd},
    {kFinish, kPageLeave, kEnd},
};

TEST(PageSteps, FollowTheNavigationTable)
{
    for (const StepCase &step : kSteps) {
        SCOPED_TRACE(testing::Message() << "page " << static_cast<int>(step.shown) << ", result "
                                        << step.result);
        EXPECT_EQ(step.next, NextStep(step.shown, step.result));
    }
}

} // namespace

#include "wizard/wizard_state.h"

WizardState wizardState;

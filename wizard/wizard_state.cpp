#include "wizard/wizard_state.h"

#include <string.h>

WizardState wizardState;

void CopyWizardText(char *field, const char *text)
{
    const size_t length = strnlen(text, kWizardTextSize - 1);
    memcpy(field, text, length);
    field[length] = '\0';
}

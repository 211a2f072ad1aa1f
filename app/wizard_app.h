// The application object: start-up, the welcome dialog, shutdown.
#ifndef APP_WIZARD_APP_H
#define APP_WIZARD_APP_H

#include "framework/win_app.h"

class CWizardApp : public CWinApp {
public:
    CWizardApp() : CWinApp("vok") {}
    BOOL InitInstance() override;
};

#endif

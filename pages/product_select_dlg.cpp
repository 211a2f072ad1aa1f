#include "pages/product_select_dlg.h"

#include "framework/message_box.h"
#include "pages/browser_command.h"
#include "resources/resource.h"
#include "wizard/wizard_state.h"

#include <stdio.h>

namespace {

const NavigationButton kButtons[] = {
    {IDC_SELECT_CANCEL, kPageLeave},
};

// The default value of an HKEY_LOCAL_MACHINE key; false when the key or the
// value cannot be read. value holds kWizardTextSize chars.
bool ReadMachineDefault(const char *keyName, char *value)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = kWizardTextSize - 1; // room for a NUL the registry need not have stored
    const bool read = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE *>(value),
                                       &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (read)
        value[size] = '\0';
    return read;
}

// The command that the registry gives for opening a web page; false when no
// handler is registered.
bool ReadWebPageOpenCommand(char *command)
{
    char documentClass[kWizardTextSize];
    if (!ReadMachineDefault("SOFTWARE\\Classes\\.htm", documentClass) &&
        !ReadMachineDefault("SOFTWARE\\Classes\\.html", documentClass))
        return false;
    char keyName[2 * kWizardTextSize];
    snprintf(keyName, sizeof keyName, "SOFTWARE\\Classes\\%s\\shell\\open\\command", documentClass);
    return ReadMachineDefault(keyName, command);
}

// What becomes of the started browser is not looked at.
void StartBrowser(const char *address)
{
    char handlerCommand[kWizardTextSize];
    char program[kWizardTextSize];
    if (!ReadWebPageOpenCommand(handlerCommand) || !BrowserProgramPath(handlerCommand, program))
        return;
    char commandLine[kBrowserCommandSize];
    BrowserCommandLine(program, address, commandLine);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

} // namespace

CProductSelectDlg::CProductSelectDlg() : CWizardPage(IDD_PRODUCT_SELECT, kButtons) {}

void CProductSelectDlg::DoDataExchange()
{
    DDX_Control(IDC_PRODUCT_CHECKLIST, productList);
}

BOOL CProductSelectDlg::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    productList.ResetContent();
    char entry[2 + kWizardTextSize];
    for (unsigned index = 0; index < wizardState.productIds.Count(); ++index) {
        snprintf(entry, sizeof entry, "  %s", wizardState.productIds.ItemAt(index)->text);
        const int added = productList.AddString(entry);
        if (added >= 0)
            productList.SetCheck(added, wizardState.selected[index] != 0);
    }
    return TRUE;
}

bool CProductSelectDlg::OnCommand(int id)
{
    switch (id) {
    case IDC_SELECT_NEXT:
        OnNext();
        return true;
    case IDC_PRODUCT_ABOUT:
        OnAbout();
        return true;
    default:
        return CWizardPage::OnCommand(id);
    }
}

void CProductSelectDlg::OnNext()
{
    int ticked = 0;
    for (unsigned index = 0; index < wizardState.productIds.Count(); ++index) {
        const bool checked = productList.GetCheck(static_cast<int>(index));
        wizardState.selected[index] = checked ? 1 : 0;
        ticked += checked ? 1 : 0;
    }
    if (ticked == 0) {
        AfxMessageBox("Please select at least one product to download...");
        return;
    }
    EndPage(kPageForward);
}

void CProductSelectDlg::OnAbout()
{
    const int highlighted = productList.GetCurSel();
    if (highlighted < 0) {
        AfxMessageBox("Please select a product to learn more about...");
        return;
    }
    // A product listed without a web address gets the browser with none.
    char address[kWizardTextSize];
    wizardState.productUrls.Get(address, static_cast<unsigned>(highlighted));
    StartBrowser(address);
}

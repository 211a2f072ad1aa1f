#include "download/finish_dlg.h"

#include "download/install_decision.h"
#include "download/installer_location.h"
#include "framework/message_box.h"
#include "resources/resource.h"
#include "wizard/file_list.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <shellapi.h>

#include <stdio.h>

CFinishDlg::CFinishDlg() : CDialog(IDD_FINISH) {}

void CFinishDlg::DoDataExchange()
{
    DDX_Control(IDC_DOWNLOADED_LIST, productList);
}

BOOL CFinishDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    productList.ResetContent();
    for (unsigned product = 0; product < wizardState.productIds.Count(); ++product) {
        if (wizardState.selected[product] != 0)
            productList.AddString(wizardState.productIds.ItemAt(product)->text);
    }
    return TRUE;
}

bool CFinishDlg::OnCommand(int id)
{
    switch (id) {
    case IDC_FINISH_INSTALL:
        OnInstall();
        return true;
    case IDC_FINISH_LOCATE:
        OnLocate();
        return true;
    default:
        return CDialog::OnCommand(id);
    }
}

bool CFinishDlg::SelectedInstaller(char *displayName, char *fileName, char *signer)
{
    const int selected = productList.GetCurSel();
    if (selected < 0) {
        AfxMessageBox("Please select a product...");
        return false;
    }
    productList.GetItemText(selected, displayName, kWizardTextSize);
    char fileListPath[kWizardTextSize];
    FileListPath(fileListPath);
    FILE *fileList = OpenFileList(fileListPath);
    if (fileList == nullptr)
        return false;
    const unsigned product = FindProductNumber(wizardState.productIds, displayName);
    const bool named = ReadInstallerName(fileList, product, fileName);
    ReadInstallerSigner(fileList, product, signer);
    fclose(fileList);
    return named;
}

// Started as a program of its own once its signature allows it (the file may
// have changed since it was fetched): the page stays open for the next one.
// The shell quotes the path, and asks for elevation where the installer
// needs it; an installer that is gone is not reported.
void CFinishDlg::OnInstall()
{
    char displayName[kWizardTextSize];
    char fileName[kWizardTextSize];
    char signer[kWizardTextSize];
    if (!SelectedInstaller(displayName, fileName, signer))
        return;
    char path[kWizardTextSize];
    DownloadPath(fileName, path);
    char text[kInstallTextSize];
    switch (DecideInstall(CheckSignature(path, signer), fileName, signer, text, sizeof text)) {
    case InstallAction::kStart:
        break;
    case InstallAction::kAsk:
        if (AfxMessageBox(text, MB_YESNO | MB_ICONWARNING) != IDYES)
            return;
        break;
    case InstallAction::kRefuse:
        AfxMessageBox(text, MB_OK | MB_ICONSTOP);
        return;
    }
    SHELLEXECUTEINFOA execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.hwnd = m_hWnd;
    execute.lpVerb = "open";
    execute.lpFile = path;
    execute.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&execute);
}

void CFinishDlg::OnLocate()
{
    char displayName[kWizardTextSize];
    char fileName[kWizardTextSize];
    char signer[kWizardTextSize];
    if (!SelectedInstaller(displayName, fileName, signer))
        return;
    char message[kLocateMessageSize];
    LocateMessage(displayName, wizardState.installRoot, fileName, message);
    AfxMessageBox(message);
}

#include "app/welcome_dlg.h"

#include "app/about_dlg.h"
#include "app/file_list_fetch.h"
#include "app/page_sequence.h"
#include "app/ready_dlg.h"
#include "app/user_details.h"
#include "download/download_dlg.h"
#include "download/finish_dlg.h"
#include "framework/message_pump.h"
#include "pages/product_select_dlg.h"
#include "pages/registration_dlg.h"
#include "resources/resource.h"
#include "wizard/file_list.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <stdio.h>

CWelcomeDlg *CWelcomeDlg::fetching = nullptr;

CWelcomeDlg::CWelcomeDlg()
    : CDialog(IDD_WELCOME), icon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WIZARD)))
{
}

void CWelcomeDlg::DoDataExchange()
{
    DDX_Control(IDC_STATUS_LINE, statusLine);
}

BOOL CWelcomeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddAboutItem();
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    statusLine.SetText("");
    return TRUE;
}

void CWelcomeDlg::AddAboutItem()
{
    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    if (systemMenu == nullptr)
        return;
    char text[kWizardTextSize] = "";
    LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_MENU_ITEM, text, sizeof text);
    if (text[0] == '\0')
        return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT_BOX, text);
}

bool CWelcomeDlg::OnCommand(int id)
{
    if (id != IDC_BEGIN)
        return CDialog::OnCommand(id);
    // Begin pressed again while the fetch pumps this window's messages.
    if (fetching == nullptr)
        OnBegin();
    return true;
}

void CWelcomeDlg::OnOK()
{
    if (fetching == this)
        leaving = true;
    else
        CDialog::OnOK();
}

void CWelcomeDlg::OnCancel()
{
    if (fetching == this)
        leaving = true;
    else
        CDialog::OnCancel();
}

int CWelcomeDlg::OnFetchProgress(const char *)
{
    PumpDialogMessagesNowAndThen(fetching->m_hWnd);
    return fetching->leaving ? 1 : 0;
}

bool CWelcomeDlg::OnSysCommand(UINT id)
{
    if ((id & 0xFFF0) != IDM_ABOUT_BOX)
        return false;
    CAboutDlg about;
    about.DoModal();
    return true;
}

bool CWelcomeDlg::OnPaint()
{
    if (!IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(m_hWnd, &paint);
    return true;
}

void CWelcomeDlg::OnBegin()
{
    CProductSelectDlg productSelectPage;
    CRegistrationDlg registrationPage;
    CReadyDlg readyPage;
    CDownloadDlg downloadPage;
    CFinishDlg finishPage;

    fetching = this;
    FILE *fileList = FetchFileList(statusLine, OnFetchProgress, leaving);
    fetching = nullptr;
    // A fetch that the person left has returned null, without a message.
    if (leaving) {
        CDialog::OnCancel();
        return;
    }
    if (fileList == nullptr)
        return;
    const ProductListResult products =
        ReadProducts(fileList, wizardState.productIds, wizardState.productUrls);
    fclose(fileList);
    // A product key without a value abandons the run without a word.
    if (products == ProductListResult::kUnreadable)
        return;

    PrepareUserDetails();
    WizardPages pages = {productSelectPage, registrationPage, readyPage, downloadPage, finishPage};
    RunPageSequence(pages);
    OnOK();
}

void CWelcomeDlg::OnDestroy()
{
    char path[kWizardTextSize];
    FileListPath(path);
    remove(path);
    if (wizardState.recordFileName[0] != '\0') {
        WorkingFilePath(wizardState.recordFileName, path);
        remove(path);
    }
    char name[kWizardTextSize];
    for (unsigned index = 0; wizardState.bitmapNames.Get(name, index) == 0; ++index) {
        BitmapPath(name, path);
        remove(path);
    }
}

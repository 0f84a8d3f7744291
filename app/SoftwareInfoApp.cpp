#include "SoftwareInfoApp.h"
#include "ResourceModule.h"

#include <CorvelAPI.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <commctrl.h>

CSoftwareInfoApp::CSoftwareInfoApp()
{
}

BOOL CSoftwareInfoApp::InitInstance()
{
    InitCommonControls();
    CWinApp::InitInstance();

    if (!LoadResourceModule())
    {
        AfxMessageBox(IDS_MISSING_DLL, MB_OK, static_cast<UINT>(-1));
        return FALSE;
    }

    AfxOleInit();
    SetRegistryKey(L"Marbek Corporation");

    CorvelAPI::EnableLuna(false);

    CSoftwareInfoDialog dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

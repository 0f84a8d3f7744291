#include "CataloguePreparation.h"

#include "Catalogue.h"
#include "CatalogueValue.h"
#include "FactoryDiscovery.h"
#include "FileSystem.h"

#include <Meridale.h>
#include <ProfileFile.h>

#include <shellapi.h>

void PrepareCatalogue(const CatalogueLocations& locations)
{
    EnsureDataFolder(locations.m_strDataFolder);
    if (FileExists(locations.m_strAppsIni))
        return;
    if (!ActivateFactoryVolume())
        return;
    const CString strLetter = FindFactoryDriveLetter();
    FindModelFile(strLetter + L":\\idf", L"XML");
    MakeIniFromMcode(locations.m_strModulesIni, g_strModelFile);
    DeactivateFactoryVolume();
    ConvertModulesToTemp(locations.m_strModulesIni, locations.m_strTempIni);
    DeleteFileW(locations.m_strModulesIni);
    RunUnicodeTool(locations.m_strTempIni, locations.m_strAppsIni, locations.m_strExeFolder);
    DeleteFileW(locations.m_strTempIni);
}

void ConvertModulesToTemp(CString strModulesIni, CString strTempIni)
{
    // Each file is read once and temp.ini written once: the profile
    // functions would read the whole file again for every value and
    // rewrite it for every entry. The whole list of section names is
    // converted, since apps.ini is kept for good and a module left out here
    // would never be listed.
    CProfileFile modules;
    modules.Load(strModulesIni);
    // A temp.ini left over from an earlier run is added to.
    CProfileFile temp;
    temp.Load(strTempIni);
    bool bChanged = false;
    for (const CString& name : modules.SectionNames())
    {
        const CString strLabel = CatalogueValue(modules, name, kCustomerLabelKey);
        if (strLabel.IsEmpty())
            continue;
        temp.SetString(strLabel, kCustomerDescriptionKey, CatalogueValue(modules, name, kCustomerDescriptionKey));
        bChanged = true;
    }
    // Saved as UTF-16: the profile functions would give a new file the ANSI
    // code page, which turns every character outside it into '?'.
    if (bChanged)
        temp.Save(strTempIni);
}

void RunUnicodeTool(CString strTempIni, CString strAppsIni, CString strExeFolder)
{
    const CString strParameters = L"\"" + strTempIni + L"\" \"" + strAppsIni + L"\"";
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = nullptr;
    info.lpVerb = L"open";
    info.lpFile = L"Unicode.exe";
    info.lpParameters = strParameters;
    info.lpDirectory = strExeFolder;
    info.nShow = SW_HIDE;
    ShellExecuteExW(&info);
    if (info.hProcess)
    {
        WaitForSingleObject(info.hProcess, INFINITE);
        CloseHandle(info.hProcess);
    }
}

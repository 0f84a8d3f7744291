#include "CataloguePreparation.h"

#include "CatalogueValue.h"
#include "FactoryDiscovery.h"
#include "FileSystem.h"

#include <Meridale.h>
#include <ProfileReader.h>
#include <UnicodeIniFile.h>

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
    // The whole list of section names: apps.ini is kept for good, so a
    // module left out here would never be listed.
    CStringArray names;
    ReadSectionNames(strModulesIni, names);
    bool bTempExists = FileExists(strTempIni);
    for (INT_PTR i = 0; i < names.GetSize(); ++i)
    {
        const CString strLabel = ReadCatalogueValue(strModulesIni, names[i], L"CustomerLabel");
        const CString strDescription = ReadCatalogueValue(strModulesIni, names[i], L"CustomerDescription");
        if (strLabel.IsEmpty())
            continue;
        // The profile functions give a new file the ANSI code page, which
        // turns every character outside it into '?'. Started as an empty
        // UTF-16 file, temp.ini keeps them all.
        if (!bTempExists)
        {
            CUnicodeIniFile().Save(strTempIni);
            bTempExists = true;
        }
        WritePrivateProfileStringW(strLabel, L"CustomerDescription", strDescription, strTempIni);
    }
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

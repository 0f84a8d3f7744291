#include "CataloguePreparation.h"

#include "Catalogue.h"
#include "CutAndTrimmedValue.h"
#include "DataFolderSecurity.h"
#include "FactoryDiscovery.h"
#include "FactoryVolumeActivation.h"
#include "FileSystem.h"

#include <AfxHandle.h>
#include <CauseReport.h>
#include <Meridale.h>
#include <NoLinkFile.h>
#include <ProfileFile.h>

#include <shellapi.h>

namespace
{
// Long enough for the largest catalogues; a tool that takes longer is taken
// to hang, and the dialog must not wait for it for good.
const DWORD kUnicodeToolTimeout = 60000;

// modules.ini from the factory volume's model file; false when the volume
// is not reachable. A volume that is not reachable would give an empty
// catalogue, kept for good: the first start is then skipped and tried
// again next time. The volume is withdrawn on return, before the
// conversion and the tool.
bool MakeModulesIniFromFactoryVolume(const CString& strModulesIni)
{
    const CFactoryVolumeActivation volume;
    if (!volume.IsActive())
        return false;
    const CString strLetter = FindFactoryDriveLetter();
    FindModelFile(strLetter + L":\\idf", L"XML");
    if (g_strModelFile.IsEmpty())
        ReportCause(kProgramSource, L"no file under " + strLetter + L":\\idf has XML in its name");
    if (!MakeIniFromMcode(strModulesIni, g_strModelFile))
        ReportCause(kProgramSource, L"Meridale.dll wrote no " + strModulesIni);
    return true;
}

void RemoveIntermediate(const CString& strPath)
{
    if (!RemoveFile(strPath))
        ReportCause(kProgramSource, strPath + L" cannot be removed", GetLastError());
}
}

void PrepareCatalogue(const CatalogueLocations& locations)
{
    EnsureDataFolder(locations.m_strDataFolder);
    if (FileExists(locations.m_strAppsIni) || !SecureDataFolder(locations.m_strDataFolder))
        return;
    // One left by an interrupted start would reach the tool in place of a
    // conversion that writes nothing.
    if (!RemoveFile(locations.m_strTempIni))
    {
        ReportCause(kProgramSource, L"a leftover " + locations.m_strTempIni + L" cannot be removed", GetLastError());
        return;
    }
    if (!MakeModulesIniFromFactoryVolume(locations.m_strModulesIni))
        return;
    ConvertModulesToTemp(locations.m_strModulesIni, locations.m_strTempIni);
    RemoveIntermediate(locations.m_strModulesIni);
    // A tool that still runs keeps its temp.ini; the next start removes it.
    if (!RunUnicodeToolLeftRunning(locations.m_strTempIni, locations.m_strAppsIni, locations.m_strExeFolder))
        RemoveIntermediate(locations.m_strTempIni);
}

CCatalogue ObtainCatalogue(const CatalogueLocations& locations)
{
    PrepareCatalogue(locations);
    return ReadCatalogue(locations.m_strAppsIni);
}

void ConvertModulesToTemp(CString strModulesIni, CString strTempIni)
{
    // Each file is read once and temp.ini written once: the profile
    // functions would read the whole file again for every value and
    // rewrite it for every entry. The whole list of section names is
    // converted, since apps.ini is kept for good and a module left out here
    // would never be listed.
    CProfileFile modules;
    // Missing when Meridale.dll wrote none, which it has said.
    if (!modules.Load(strModulesIni) && !IsNotFoundError(GetLastError()))
        ReportCause(kProgramSource, L"cannot read " + strModulesIni, GetLastError());
    CProfileFile temp;
    bool bChanged = false;
    for (const CString& name : modules.SectionNames())
    {
        const CString strLabel = ReadCutAndTrimmedValue(modules, name, kCustomerLabelKey);
        if (strLabel.IsEmpty())
            continue;
        temp.SetString(strLabel, kCustomerDescriptionKey,
                       ReadCutAndTrimmedValue(modules, name, kCustomerDescriptionKey));
        bChanged = true;
    }
    // Saved as UTF-16: the profile functions would give a new file the ANSI
    // code page, which turns every character outside it into '?'.
    if (bChanged && !temp.Save(strTempIni))
        ReportCause(kProgramSource, L"cannot write " + strTempIni, GetLastError());
}

bool RunUnicodeToolLeftRunning(CString strTempIni, CString strAppsIni, CString strExeFolder)
{
    // Started by its full path alone, never found by a search: it runs
    // elevated, and a folder of that name would open in Explorer.
    const CString strTool = strExeFolder + L"\\Unicode.exe";
    if (!FileExists(strTool) || DirectoryExists(strTool))
    {
        ReportCause(kProgramSource, strTool + L" is not a file");
        return false;
    }
    const CString strParameters = L"\"" + strTempIni + L"\" \"" + strAppsIni + L"\"";
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = nullptr;
    info.lpVerb = L"open";
    info.lpFile = strTool;
    info.lpParameters = strParameters;
    info.lpDirectory = strExeFolder;
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info))
    {
        ReportCause(kProgramSource, strTool + L" could not be started", GetLastError());
        return false;
    }
    if (!info.hProcess)
    {
        ReportCause(kProgramSource, strTool + L" could not be started");
        return false;
    }
    const CKernelHandle process(info.hProcess);
    const bool bLeftRunning = WaitForSingleObject(process.get(), kUnicodeToolTimeout) != WAIT_OBJECT_0;
    if (bLeftRunning)
        ReportCause(kProgramSource, strTool + L" has not ended within a minute; it is left running");
    else if (!FileExists(strAppsIni))
        ReportCause(kProgramSource, strTool + L" ended without writing " + strAppsIni);
    return bLeftRunning;
}

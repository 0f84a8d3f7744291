#include "CataloguePreparation.h"

#include "CutAndTrimmedValue.h"
#include "FactoryDiscovery.h"
#include "FactoryVolumeActivation.h"
#include "ProgramFolder.h"
#include "TrustedFolders.h"

#include <AfxBinding.h>
#include <CauseReport.h>
#include <Meridale.h>
#include <NoLinkFile.h>
#include <ProfileFile.h>
#include <RunningSystem.h>

#include <shellapi.h>

namespace
{
// Long enough for the largest catalogues; a tool that takes longer is taken
// to hang, and the dialog must not wait for it for good.
const DWORD kUnicodeToolTimeout = 60000;

CString FileName(const CString& strPath)
{
    return strPath.Mid(strPath.ReverseFind(L'\\') + 1);
}

// modules.ini from the factory volume's model file; false when the volume
// is not reachable. A volume that is not reachable would give an empty
// catalogue, kept for good: the first start is then skipped and tried
// again next time. The volume is withdrawn on return, before the
// conversion and the tool.
bool MakeModulesIniFromFactoryVolume(const CString& strModulesIni)
{
    const DWORD dwBefore = GetLogicalDrives();
    const CFactoryVolumeActivation volume;
    if (!volume.IsActive())
        return false;
    std::unique_ptr<CNoLinkFolder> pIdf;
    const CString strLetter = FindFactoryDriveLetter(GetLogicalDrives() & ~dwBefore, pIdf);
    if (pIdf)
    {
        FindModelFile(pIdf->Path(), L"XML");
        if (g_strModelFile.IsEmpty())
            ReportCause(kProgramSource, L"no file under " + pIdf->Path() + L" has XML in its name");
    }
    if (!MakeIniFromMcode(strModulesIni, g_strModelFile))
        ReportCause(kProgramSource, L"Meridale.dll wrote no " + strModulesIni);
    return true;
}

void RemoveIntermediate(const CFileInFolder& file)
{
    if (!RemoveFile(file))
    {
        const DWORD dwError = GetLastError();
        ReportCause(kProgramSource, file.Path() + L" cannot be removed", dwError);
    }
}

// The machine's class of programs, which the shell takes the verb "open"
// from: its merged view would take HKCU\Software\Classes\exefile, which
// an unelevated process of the same user may write, before it. Under wine
// (8) none: its class view takes nothing from the user's registry, and with
// a class key it passes the file's name on in place of the parameters.
CRegKeyHandle MachineProgramClass()
{
    if (RunsUnderWine())
        return CRegKeyHandle();
    HKEY hClass = nullptr;
    const LSTATUS nOpened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\exefile", 0, KEY_READ, &hClass);
    if (nOpened == ERROR_SUCCESS)
        return CRegKeyHandle(hClass);
    ReportCause(kProgramSource, L"the machine's class of programs cannot be read; Unicode.exe is not started",
                static_cast<DWORD>(nOpened));
    return CRegKeyHandle();
}

bool IsMissing(const CFileInFolder& file)
{
    ULONGLONG cbSize = 0;
    return !OpenFileToRead(file, cbSize) && IsNotFoundError(GetLastError());
}
}

void PrepareCatalogue(const CNoLinkFolder& dataFolder, const CatalogueLocations& locations, EShellReports reports)
{
    if (!IsMissing(CFileInFolder(dataFolder, FileName(locations.m_strAppsIni))))
        return;
    // The libraries and the tool come from the program's own folder, judged
    // now and held open until the tool has ended.
    const CNoLinkFolder programFolder(locations.m_strExeFolder);
    if (!IsTrustedFolder(programFolder, L"the first start does not run"))
        return;
    const CFirstStartLibraries libraries(programFolder);
    if (!libraries.AreLoaded())
        return;
    const CFileInFolder apps(dataFolder, FileName(locations.m_strAppsIni));
    const CFileInFolder temp(dataFolder, FileName(locations.m_strTempIni));
    const CFileInFolder modules(dataFolder, FileName(locations.m_strModulesIni));
    // One left by an interrupted start would reach the tool in place of a
    // conversion that writes nothing.
    if (!RemoveFile(temp))
    {
        const DWORD dwError = GetLastError();
        ReportCause(kProgramSource, L"a leftover " + temp.Path() + L" cannot be removed", dwError);
        return;
    }
    if (!MakeModulesIniFromFactoryVolume(locations.m_strModulesIni))
        return;
    ConvertModulesToTemp(modules, temp);
    RemoveIntermediate(modules);
    // A tool that still runs keeps its temp.ini; the next start removes it.
    if (!RunUnicodeToolLeftRunning(programFolder, temp, apps, reports))
        RemoveIntermediate(temp);
}

CCatalogue ObtainCatalogue(const CatalogueLocations& locations, EShellReports reports)
{
    const CDataFolder data(locations.m_strDataFolder);
    if (!data.IsTrusted())
        return CCatalogue();
    PrepareCatalogue(data.Folder(), locations, reports);
    return ReadCatalogue(CFileInFolder(data.Folder(), FileName(locations.m_strAppsIni)));
}

void ConvertModulesToTemp(const CFileInFolder& modulesIni, const CFileInFolder& tempIni)
{
    // Each file is read once and temp.ini written once: the profile
    // functions would read the whole file again for every value and
    // rewrite it for every entry. The whole list of section names is
    // converted, since apps.ini is kept for good and a module left out here
    // would never be listed.
    CProfileFile modules;
    // Missing when Meridale.dll wrote none, which it has said.
    if (!modules.Load(modulesIni))
    {
        const DWORD dwError = GetLastError();
        if (!IsNotFoundError(dwError))
            ReportCause(kProgramSource, L"cannot read " + modulesIni.Path(), dwError);
    }
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
    if (bChanged && !temp.Save(tempIni))
    {
        const DWORD dwError = GetLastError();
        ReportCause(kProgramSource, L"cannot write " + tempIni.Path(), dwError);
    }
}

bool RunUnicodeToolLeftRunning(const CNoLinkFolder& programFolder, const CFileInFolder& tempIni,
                               const CFileInFolder& appsIni, EShellReports reports)
{
    // Started by its full path alone, never found by a search: it runs
    // elevated, and a folder of that name would open in Explorer.
    const CString strTool = OrdinaryFileIn(programFolder, L"Unicode.exe");
    if (strTool.IsEmpty())
        return false;
    const CRegKeyHandle machineClass = MachineProgramClass();
    if (!machineClass && !RunsUnderWine())
        return false;
    const CLibraryHandle shell32 = LoadSystemLibrary(L"shell32.dll");
    const auto shellExecute = BoundFunction<BOOL(WINAPI*)(SHELLEXECUTEINFOW*)>(shell32.get(), "ShellExecuteExW");
    if (!shellExecute)
    {
        ReportCause(kProgramSource, L"the shell cannot be used; Unicode.exe is not started", GetLastError());
        return false;
    }
    const CString strParameters = L"\"" + tempIni.Path() + L"\" \"" + appsIni.Path() + L"\"";
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | (machineClass ? SEE_MASK_CLASSKEY : 0) |
                 (reports == EShellReports::Hidden ? SEE_MASK_FLAG_NO_UI : 0);
    info.hwnd = nullptr;
    info.lpVerb = L"open";
    info.lpFile = strTool;
    info.lpParameters = strParameters;
    info.lpDirectory = programFolder.Path();
    info.nShow = SW_HIDE;
    info.hkeyClass = machineClass.get();
    if (!shellExecute(&info))
    {
        const DWORD dwError = GetLastError();
        ReportCause(kProgramSource, strTool + L" could not be started", dwError);
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
    else if (IsMissing(appsIni))
        ReportCause(kProgramSource, strTool + L" ended without writing " + appsIni.Path());
    return bLeftRunning;
}

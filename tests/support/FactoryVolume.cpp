#include "FactoryVolume.h"

#include "DialogDriver.h"
#include "HdvProbeEvents.h"

#include <cstring>
#include <vector>

CFactoryVolume::CFactoryVolume()
{
    CopyFileTo(BinFolder() + L"\\Hdv.dll", m_library / L"Hdv.dll");
    CopyFileTo(BinFolder() + L"\\HdvProbe.exe", m_library / L"HdvProbe.exe");
}

CFactoryVolume::~CFactoryVolume()
{
    Release();
}

void CFactoryVolume::WriteIni(const char* text) const
{
    WriteFileBytes(m_library / L"Hdv.ini", text, std::strlen(text));
}

void CFactoryVolume::Configure(const CString& source, LPCWSTR letter) const
{
    WriteHdvIni(m_library / L"Hdv.ini", source, letter);
}

bool CFactoryVolume::Run(LPCWSTR commands) const
{
    CProgramRunner probe(m_library / L"HdvProbe.exe", commands);
    return probe.WaitForExit(60000) == 1;
}

bool CFactoryVolume::Activate()
{
    Release();
    m_held.reset(new CProgramRunner(m_library / L"HdvProbe.exe", L"activate hold disable"));
    const CHdvProbeEvents events(m_held->ProcessId());
    const HANDLE handles[] = { events.Held(), m_held->Process() };
    if (WaitForMultipleObjects(2, handles, FALSE, 60000) == WAIT_OBJECT_0)
        return true;
    m_held.reset();
    return false;
}

bool CFactoryVolume::Release()
{
    if (!m_held)
        return false;
    SetEvent(CHdvProbeEvents(m_held->ProcessId()).Release());
    const bool removed = m_held->WaitForExit(60000) == 1;
    m_held.reset();
    return removed;
}

namespace
{
// Kept for the process: the delay-loaded calls stay bound to them.
struct CInProcessLibraries
{
    CInProcessLibraries() : m_folder(BinFolder() + L"\\in-process-program")
    {
        CreateDirectoryW(m_folder, nullptr);
        for (LPCWSTR name : { L"Hdv.dll", L"Meridale.dll" })
        {
            CopyFileTo(BinFolder() + L"\\" + name, m_folder + L"\\" + name);
            m_libraries.emplace_back(LoadLibraryExW(m_folder + L"\\" + name, nullptr, 0));
        }
    }

    CString m_folder;
    std::vector<CLibraryHandle> m_libraries;
};
}

CString InProcessProgramFolder()
{
    static const CInProcessLibraries libraries;
    return libraries.m_folder;
}

CImportedVolumeLibrary::CImportedVolumeLibrary() : m_ini(InProcessProgramFolder() + L"\\Hdv.ini")
{
}

CImportedVolumeLibrary::~CImportedVolumeLibrary()
{
    DeleteFileW(m_ini);
}

void CImportedVolumeLibrary::Configure(const CString& source, LPCWSTR letter) const
{
    WriteHdvIni(m_ini, source, letter);
}

void WriteHdvIni(const CString& iniPath, const CString& source, LPCWSTR letter)
{
    DeleteFileW(iniPath);
    WritePrivateProfileStringW(L"FactoryVolume", L"Source", source, iniPath);
    if (letter)
        WritePrivateProfileStringW(L"FactoryVolume", L"Letter", letter, iniPath);
}

bool DriveExists(wchar_t letter)
{
    return (GetLogicalDrives() & (1u << (letter - L'A'))) != 0;
}

bool DriveGoes(wchar_t letter)
{
    return PumpMessagesUntil([letter] { return !DriveExists(letter); }, 10000);
}

bool DrivesBecome(DWORD drives)
{
    return PumpMessagesUntil([drives] { return GetLogicalDrives() == drives; }, 10000);
}

CString DriveRoot(wchar_t letter)
{
    return CString(letter) + L":\\";
}

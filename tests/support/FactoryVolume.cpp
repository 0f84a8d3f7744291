#include "FactoryVolume.h"

#include "ProgramRunner.h"

#include <cstring>

CFactoryVolume::CFactoryVolume()
{
    CopyFileTo(BinFolder() + L"\\Hdv.dll", m_library / L"Hdv.dll");
    CopyFileTo(BinFolder() + L"\\HdvProbe.exe", m_library / L"HdvProbe.exe");
}

CFactoryVolume::~CFactoryVolume()
{
    Run(L"disable");
}

void CFactoryVolume::WriteIni(const char* text) const
{
    WriteFileBytes(m_library / L"Hdv.ini", text, std::strlen(text));
}

void CFactoryVolume::Configure(const CString& source, LPCWSTR letter) const
{
    WriteHdvIni(m_library / L"Hdv.ini", source, letter);
}

bool CFactoryVolume::Run(LPCWSTR command) const
{
    CProgramRunner probe(m_library / L"HdvProbe.exe", command);
    return probe.WaitForExit(60000) == 1;
}

CImportedVolumeLibrary::CImportedVolumeLibrary() : m_ini(BinFolder() + L"\\Hdv.ini")
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

CString DriveRoot(wchar_t letter)
{
    return CString(letter) + L":\\";
}

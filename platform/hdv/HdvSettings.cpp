#include "HdvSettings.h"

#include <FileQueries.h>
#include <ProfileReader.h>

namespace
{
// The folder this library was loaded from, not the program's.
CString OwnFolder()
{
    HMODULE hSelf = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&ReadHdvSettings), &hSelf))
        return CString();
    return GetModuleFolder(hSelf);
}
}

bool ReadHdvSettings(CHdvSettings& settings, CString& strCause, DWORD& dwError)
{
    const CString strFolder = OwnFolder();
    if (strFolder.IsEmpty())
    {
        dwError = GetLastError();
        strCause = L"the library's own folder is unknown";
        return false;
    }
    const CString strIni = strFolder + L"\\Hdv.ini";
    if (GetFileAttributesW(strIni) == INVALID_FILE_ATTRIBUTES)
    {
        dwError = GetLastError();
        strCause = strIni + L" is missing";
        return false;
    }
    settings.m_strSource = ReadProfileValue(strIni, L"FactoryVolume", L"Source");
    settings.m_strSource.Trim();
    CString strLetter = ReadProfileValue(strIni, L"FactoryVolume", L"Letter");
    strLetter.Trim();
    if (strLetter.GetLength() == 2 && strLetter[1] == L':')
        strLetter = strLetter.Left(1);
    if (!strLetter.IsEmpty())
    {
        wchar_t chLetter = strLetter.GetLength() == 1 ? strLetter[0] : L'\0';
        if (chLetter >= L'a' && chLetter <= L'z')
            chLetter = static_cast<wchar_t>(chLetter - L'a' + L'A');
        // The program looks for the factory drive from D to Z only: a
        // volume given A, B or C would be made reachable and never found.
        if (chLetter < L'D' || chLetter > L'Z')
        {
            strCause = strIni + L": Letter=" + strLetter + L" is not a drive letter from D to Z";
            return false;
        }
        settings.m_chLetter = chLetter;
    }
    if (settings.m_strSource.IsEmpty())
    {
        strCause = strIni + L" names no Source";
        return false;
    }
    return true;
}

#include "HdvSettings.h"

#include <AfxFiles.h>
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
    return AfxGetModuleFolder(hSelf);
}
}

bool ReadHdvSettings(CHdvSettings& settings, CString& cause)
{
    const CString folder = OwnFolder();
    if (folder.IsEmpty())
    {
        cause = L"the library's own folder is unknown";
        return false;
    }
    const CString ini = folder + L"\\Hdv.ini";
    if (GetFileAttributesW(ini) == INVALID_FILE_ATTRIBUTES)
    {
        cause = ini + L" is missing";
        return false;
    }
    settings.m_strSource = ReadProfileValue(ini, L"FactoryVolume", L"Source");
    settings.m_strSource.Trim();
    CString letter = ReadProfileValue(ini, L"FactoryVolume", L"Letter");
    letter.Trim();
    if (letter.GetLength() == 2 && letter[1] == L':')
        letter = letter.Left(1);
    if (!letter.IsEmpty())
    {
        wchar_t ch = letter.GetLength() == 1 ? letter[0] : L'\0';
        if (ch >= L'a' && ch <= L'z')
            ch = static_cast<wchar_t>(ch - L'a' + L'A');
        if (ch < L'A' || ch > L'Z')
        {
            cause = ini + L": Letter=" + letter + L" is not a drive letter";
            return false;
        }
        settings.m_chLetter = ch;
    }
    if (settings.m_strSource.IsEmpty())
    {
        cause = ini + L" names no Source";
        return false;
    }
    return true;
}

#include "ProfileFiles.h"

namespace
{
const DWORD kLargeBuffer = 1 << 20;
}

std::vector<CString> ProfileSectionNames(const CString& path)
{
    std::vector<wchar_t> buffer(kLargeBuffer);
    const DWORD count = GetPrivateProfileSectionNamesW(buffer.data(), kLargeBuffer, path);
    std::vector<CString> names;
    for (DWORD start = 0; start < count;)
    {
        CString name(buffer.data() + start);
        names.push_back(name);
        start += static_cast<DWORD>(name.GetLength()) + 1;
    }
    return names;
}

CString ProfileValue(const CString& path, LPCWSTR section, LPCWSTR key)
{
    std::vector<wchar_t> buffer(kLargeBuffer);
    GetPrivateProfileStringW(section, key, L"<missing>", buffer.data(), kLargeBuffer, path);
    return buffer.data();
}

bool StartsWithUtf16Bom(const CString& path)
{
    HANDLE hFile = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    BYTE bom[2] = {};
    DWORD read = 0;
    ReadFile(hFile, bom, sizeof(bom), &read, nullptr);
    CloseHandle(hFile);
    return read == sizeof(bom) && bom[0] == 0xFF && bom[1] == 0xFE;
}

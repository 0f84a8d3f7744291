#include "Utf16TextFile.h"
#include <AfxHandle.h>

namespace
{
bool WriteWhole(const CString& strPath, const std::wstring& strText)
{
    CFileHandle file(CreateFileW(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    const wchar_t chBom = 0xFEFF;
    DWORD cbWritten = 0;
    if (!WriteFile(file.get(), &chBom, sizeof(chBom), &cbWritten, nullptr) || cbWritten != sizeof(chBom))
        return false;
    const DWORD cbSize = static_cast<DWORD>(strText.size() * sizeof(wchar_t));
    if (cbSize && (!WriteFile(file.get(), strText.data(), cbSize, &cbWritten, nullptr) || cbWritten != cbSize))
        return false;
    return FlushFileBuffers(file.get()) && CloseHandle(file.release());
}
}

bool SaveUtf16Text(const CString& strPath, const std::wstring& strText)
{
    const CString strAside = strPath + L".new";
    if (WriteWhole(strAside, strText) &&
        MoveFileExW(strAside, strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD dwError = GetLastError();
    DeleteFileW(strAside);
    SetLastError(dwError);
    return false;
}

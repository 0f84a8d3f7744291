#include "Utf16TextFile.h"

#include <NoLinkFile.h>

namespace
{
bool WriteWhole(const CString& strPath, const std::wstring& strText)
{
    // A leftover of an interrupted write goes first; the file is then made
    // anew, so that no name planted there is written through.
    if (!RemoveFile(strPath))
        return false;
    CFileHandle file(CreateNewFile(strPath));
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
    if (WriteWhole(strAside, strText) && ReplaceWithFile(strAside, strPath))
        return true;
    const DWORD dwError = GetLastError();
    RemoveFile(strAside);
    SetLastError(dwError);
    return false;
}

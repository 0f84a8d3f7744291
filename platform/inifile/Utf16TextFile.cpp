#include "Utf16TextFile.h"

namespace
{
bool WriteAll(HANDLE hFile, const void* pData, DWORD cbSize)
{
    DWORD cbWritten = 0;
    return !cbSize || (WriteFile(hFile, pData, cbSize, &cbWritten, nullptr) && cbWritten == cbSize);
}
}

bool SaveUtf16Text(const CFileInFolder& file, const std::wstring& strText)
{
    // A leftover of an interrupted write goes first; the file is then made
    // anew, so that no name planted there is written through.
    const CFileInFolder aside = file.Sibling(file.Name() + L".new");
    if (!RemoveFile(aside))
        return false;
    CFileHandle written(CreateNewFile(aside));
    if (!written)
        return false;
    const wchar_t chBom = 0xFEFF;
    if (WriteAll(written.get(), &chBom, sizeof(chBom)) &&
        WriteAll(written.get(), strText.data(), static_cast<DWORD>(strText.size() * sizeof(wchar_t))) &&
        FlushFileBuffers(written.get()) && RenameOpenFile(written.get(), file))
        return CloseHandle(written.release()) != FALSE;
    const DWORD dwError = GetLastError();
    DeleteOpenFile(written.get());
    SetLastError(dwError);
    return false;
}

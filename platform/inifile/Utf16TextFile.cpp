#include "Utf16TextFile.h"
#include <AfxHandle.h>

namespace
{
bool WriteWhole(const CString& path, const std::wstring& text)
{
    CFileHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    const wchar_t bom = 0xFEFF;
    DWORD written = 0;
    if (!WriteFile(file.get(), &bom, sizeof(bom), &written, nullptr) || written != sizeof(bom))
        return false;
    const DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (size && (!WriteFile(file.get(), text.data(), size, &written, nullptr) || written != size))
        return false;
    return FlushFileBuffers(file.get()) && CloseHandle(file.release());
}
}

bool SaveUtf16Text(const CString& path, const std::wstring& text)
{
    const CString aside = path + L".new";
    if (WriteWhole(aside, text) && MoveFileExW(aside, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(aside);
    return false;
}

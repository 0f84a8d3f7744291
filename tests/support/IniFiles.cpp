#include "IniFiles.h"
#include "TestFolders.h"

#include <string>

bool WriteAnsiIni(const CString& path, const CString& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), &bytes[0], size, nullptr, nullptr);
    return WriteFileBytes(path, bytes.data(), bytes.size());
}

bool WriteUtf16Ini(const CString& path, const CString& text)
{
    const std::wstring content = L"\xFEFF" + std::wstring(text.GetString(), static_cast<size_t>(text.GetLength()));
    return WriteFileBytes(path, content.data(), content.size() * sizeof(wchar_t));
}

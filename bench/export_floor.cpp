// The export bench's floor: reading the catalogue alone, with nothing but
// the platform's own functions. It reads the catalogue file whole
// (ReadFile), decodes it from the ANSI code page (MultiByteToWideChar),
// takes each section's name and CustomerDescription line by line, puts the
// products in order without regard to case (CompareStringOrdinal) and ends,
// with 0 when it found any.
//   export_floor.exe FILE
#include <AfxHandle.h>

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
struct CRow
{
    std::wstring m_strName;
    std::wstring m_strDescription;
};

std::wstring ReadText(LPCWSTR pszPath)
{
    const CFileHandle file(CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    const DWORD cbSize = file ? GetFileSize(file.get(), nullptr) : 0;
    std::string bytes(cbSize, '\0');
    DWORD cbRead = 0;
    if (bytes.empty() || !ReadFile(file.get(), &bytes[0], cbSize, &cbRead, nullptr))
        return std::wstring();
    const int nLength = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(cbRead), nullptr, 0);
    std::wstring text(static_cast<size_t>(nLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(cbRead), &text[0], nLength);
    return text;
}

std::vector<CRow> ReadCatalogue(LPCWSTR pszPath)
{
    static const std::wstring key = L"CustomerDescription=";
    const std::wstring text = ReadText(pszPath);
    std::vector<CRow> rows;
    for (size_t start = 0; start < text.size();)
    {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        if (text[start] == L'[')
            rows.push_back({ text.substr(start + 1, end - start - 2), std::wstring() });
        else if (!rows.empty() && text.compare(start, key.size(), key) == 0)
            rows.back().m_strDescription = text.substr(start + key.size(), end - start - key.size());
        start = end + 2;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CRow& a, const CRow& b) {
        return CompareStringOrdinal(a.m_strName.data(), static_cast<int>(a.m_strName.size()), b.m_strName.data(),
                                    static_cast<int>(b.m_strName.size()), TRUE) == CSTR_LESS_THAN;
    });
    return rows;
}
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    const CLocalMemory<LPWSTR*> argv(CommandLineToArgvW(GetCommandLineW(), &argc));
    return argv && argc == 2 && !ReadCatalogue(argv.get()[1]).empty() ? 0 : 1;
}

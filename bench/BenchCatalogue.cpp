#include "BenchCatalogue.h"

#include <CatalogueLocations.h>
#include <TestFolders.h>

#include <algorithm>

CCatalogue MakeProducts(int nCount)
{
    static const LPCWSTR makers[] = { L"Marbek", L"Quenta", L"Northwind", L"Bluefield", L"Corvel", L"Ardent" };
    static const LPCWSTR words[] = { L"Photo",     L"Media",   L"Office",   L"Backup", L"Recovery",
                                     L"Studio",    L"Player",  L"Security", L"Update", L"Manager",
                                     L"Wireless",  L"Utility", L"Centre",   L"Deluxe", L"Express",
                                     L"Assistant", L"Touch",   L"Camera",   L"Audio" };
    const int nWords = static_cast<int>(sizeof(words) / sizeof(words[0]));
    CCatalogue products;
    for (int i = 0; i < nCount; ++i)
    {
        wchar_t name[128], description[160];
        wsprintfW(name, L"%s %s %s %s %d.%d", makers[i % 6], words[i % nWords], words[(i / nWords) % nWords],
                  i % 3 ? L"Suite" : L"Tools", 1 + i / 100, i % 100);
        wsprintfW(description, L"%s for the %s and %s features of this computer, version %d", words[(i * 7) % nWords],
                  words[(i * 3) % nWords], words[(i * 5) % nWords], i);
        products.push_back({ name, description });
    }
    std::stable_sort(products.begin(), products.end(),
                     [](const CProduct& a, const CProduct& b) { return a.m_strName.CompareNoCase(b.m_strName) < 0; });
    return products;
}

namespace
{
// Appends text to a file in the ANSI code page, in pieces, so that files of
// hundreds of megabytes never stand whole in memory.
class CAnsiWriter
{
public:
    explicit CAnsiWriter(const CString& strPath)
        : m_file(CreateFileW(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    void Write(const std::wstring& strText)
    {
        const int nSize = WideCharToMultiByte(CP_ACP, 0, strText.data(), static_cast<int>(strText.size()), nullptr, 0,
                                              nullptr, nullptr);
        std::string bytes(static_cast<size_t>(nSize), '\0');
        WideCharToMultiByte(CP_ACP, 0, strText.data(), static_cast<int>(strText.size()), &bytes[0], nSize, nullptr,
                            nullptr);
        DWORD cbWritten = 0;
        m_bOk = m_bOk && m_file &&
                WriteFile(m_file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &cbWritten, nullptr) &&
                cbWritten == bytes.size();
    }
    bool Ok() const { return m_bOk; }

private:
    CFileHandle m_file;
    bool m_bOk = true;
};
}

bool WriteCatalogue(const CString& strPath, const CCatalogue& products,
                    const std::function<std::wstring(size_t)>& filler)
{
    CAnsiWriter writer(strPath);
    for (size_t i = products.size(); i-- > 0;)
    {
        const CProduct& product = products[i];
        writer.Write(L"[" + std::wstring(product.m_strName) + L"]\r\n" + (filler ? filler(i) : std::wstring()) +
                     kCustomerDescriptionKey + L"=" + product.m_strDescription.GetString() + L"\r\nLabel=" +
                     product.m_strName.GetString() + L"\r\n");
    }
    return writer.Ok();
}

bool WriteRows(const CString& strPath, const CCatalogue& products)
{
    std::wstring strText;
    for (const CProduct& product : products)
        strText += std::wstring(product.m_strName) + L"\t" + product.m_strDescription.GetString() + L"\n";
    return WriteFileBytes(strPath, strText.data(), strText.size() * sizeof(wchar_t));
}

CAppsIniAside::CAppsIniAside()
    : m_strPath(GetCatalogueLocations().m_strAppsIni), m_strAside(m_strPath + L".bench-aside")
{
    CreateDirectoryW(GetCatalogueLocations().m_strDataFolder, nullptr);
    m_bAside = MoveFileExW(m_strPath, m_strAside, MOVEFILE_REPLACE_EXISTING) != FALSE;
}

CAppsIniAside::~CAppsIniAside()
{
    DeleteFileW(m_strPath);
    if (m_bAside)
        MoveFileExW(m_strAside, m_strPath, MOVEFILE_REPLACE_EXISTING);
}

#include "AboutBox.h"

#include <AfxBinding.h>
#include <resource.h>

#include <strsafe.h>

#include <iterator>
#include <vector>

namespace
{
using GetFileVersionInfoSizeWFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetFileVersionInfoWFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using VerQueryValueWFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
}

void AppendProductVersion(CString& strLine, LPCWSTR pszModulePath)
{
    // The system's own: version.dll is no known DLL, and as an import it
    // would be taken from the program's folder before any of its code ran.
    static const CLibraryHandle version = LoadSystemLibrary(L"version.dll");
    const auto getSize = BoundFunction<GetFileVersionInfoSizeWFn>(version.get(), "GetFileVersionInfoSizeW");
    const auto getInfo = BoundFunction<GetFileVersionInfoWFn>(version.get(), "GetFileVersionInfoW");
    const auto queryValue = BoundFunction<VerQueryValueWFn>(version.get(), "VerQueryValueW");
    if (!getSize || !getInfo || !queryValue)
        return;
    DWORD dwHandle = 0;
    const DWORD dwSize = getSize(pszModulePath, &dwHandle);
    if (dwSize == 0)
        return;
    std::vector<BYTE> block(static_cast<size_t>(dwSize) + 1, 0);
    if (getInfo(pszModulePath, 0, static_cast<DWORD>(block.size()), block.data()) != TRUE)
        return;

    // The program's strings are kept under US English, code page 0; the
    // translation table is not consulted.
    wchar_t szQuery[100];
    StringCchPrintfW(szQuery, std::size(szQuery), L"\\StringFileInfo\\%04x%04x\\ProductVersion", 0x0409, 0);
    LPWSTR pszVersion = nullptr;
    UINT nLength = 0;
    if (queryValue(block.data(), szQuery, reinterpret_cast<LPVOID*>(&pszVersion), &nLength) == TRUE)
        strLine += pszVersion;
}

CAboutBox::CAboutBox() : CorvelDialog(IDD_ABOUTBOX, nullptr)
{
    m_strVersion.LoadString(IDS_VERSION_PREFIX);

    wchar_t path[MAX_PATH] = {};
    const DWORD nLength = GetModuleFileNameW(AfxGetInstanceHandle(), path, static_cast<DWORD>(std::size(path)));
    // A path that fills the buffer may have been cut short.
    if (nLength == 0 || nLength >= std::size(path))
        return;
    AppendProductVersion(m_strVersion, path);
}

void CAboutBox::DoDataExchange(CDataExchange* pDX)
{
    CorvelDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Text(pDX, IDC_VERSION, m_strVersion);
}

#include "ProgramFolder.h"

#include <CauseReport.h>
#include <NoLinkFile.h>

namespace
{
// Its own dependencies come from System32 alone.
CLibraryHandle LoadFrom(const CNoLinkFolder& folder, LPCWSTR pszName)
{
    const CString strPath = OrdinaryFileIn(folder, pszName);
    if (strPath.IsEmpty())
        return CLibraryHandle();
    CLibraryHandle library(LoadLibraryExW(strPath, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!library)
    {
        const DWORD dwError = GetLastError();
        ReportCause(kProgramSource, strPath + L" cannot be loaded; the first start does not run", dwError);
    }
    return library;
}
}

CString OrdinaryFileIn(const CNoLinkFolder& folder, const CString& strName)
{
    const CFileInFolder file(folder, strName);
    ULONGLONG cbSize = 0;
    if (OpenFileToRead(file, cbSize))
        return file.Path();
    const DWORD dwError = GetLastError();
    ReportCause(kProgramSource, file.Path() + (dwError == kErrorLeadsElsewhere ? L" is a link" : L" is not a file"),
                dwError);
    return CString();
}

CFirstStartLibraries::CFirstStartLibraries(const CNoLinkFolder& programFolder)
    : m_hdv(LoadFrom(programFolder, L"Hdv.dll")),
      m_meridale(m_hdv ? LoadFrom(programFolder, L"Meridale.dll") : CLibraryHandle())
{
}

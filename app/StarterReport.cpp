#include "StarterReport.h"

#include <AfxHandle.h>
#include <CauseReport.h>

namespace
{
bool WriteAll(HANDLE hFile, const std::string& strBytes)
{
    DWORD cbWritten = 0;
    return WriteFile(hFile, strBytes.data(), static_cast<DWORD>(strBytes.size()), &cbWritten, nullptr) &&
           cbWritten == strBytes.size();
}

std::string Utf8Line(const std::wstring& strLine)
{
    const int nLength = static_cast<int>(strLine.size());
    const int cbSize = WideCharToMultiByte(CP_UTF8, 0, strLine.data(), nLength, nullptr, 0, nullptr, nullptr);
    std::string strBytes(static_cast<size_t>(cbSize), '\0');
    WideCharToMultiByte(CP_UTF8, 0, strLine.data(), nLength, &strBytes[0], cbSize, nullptr, nullptr);
    return strBytes + "\r\n";
}

// The parent's console, attached at the first line; empty when the parent
// has none.
HANDLE ParentConsole()
{
    static const CFileHandle console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return CFileHandle();
        return CFileHandle(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
    }();
    return console ? static_cast<HANDLE>(console.get()) : nullptr;
}
}

void ReportToStarter(const std::wstring& strCause, DWORD dwError)
{
    ReportCause(kProgramSource, strCause.c_str(), dwError);
    const std::wstring strLine = CauseLine(kProgramSource, strCause.c_str(), dwError);
    // A GUI program gets a standard stream only when its starter hands one
    // over (a redirection, a deployment tool's pipe).
    const HANDLE hError = GetStdHandle(STD_ERROR_HANDLE);
    if (hError && hError != INVALID_HANDLE_VALUE && GetFileType(hError) != FILE_TYPE_CHAR &&
        WriteAll(hError, Utf8Line(strLine)))
        return;
    if (const HANDLE hConsole = ParentConsole())
    {
        const std::wstring strText = strLine + L"\r\n";
        DWORD nWritten = 0;
        WriteConsoleW(hConsole, strText.data(), static_cast<DWORD>(strText.size()), &nWritten, nullptr);
    }
}

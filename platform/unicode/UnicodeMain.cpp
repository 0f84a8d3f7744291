// Unicode.exe "<temp.ini>" "<apps.ini>": writes apps.ini (UTF-16LE) holding
// every section of temp.ini with its CustomerDescription.
#include <AfxHandle.h>
#include <CauseReport.h>
#include <ProfileFile.h>
#include <UnicodeIniFile.h>

#include <shellapi.h>
#include <vector>

namespace
{
const LPCWSTR kDescriptionKey = L"CustomerDescription";
const LPCWSTR kReportSource = L"Unicode";

enum ExitCode
{
    ExitOk = 0,
    ExitUsage = 1,
    ExitUnreadable = 2,
    ExitUnwritable = 3
};

// One line on standard error, which a windowless program still has when
// its starter redirects it, and the same through OutputDebugStringW for a
// starter that does not.
int Fail(int nCode, const CString& strMessage, DWORD dwError = ERROR_SUCCESS)
{
    ReportCause(kReportSource, strMessage, dwError);
    const std::wstring strLine = CauseLine(kReportSource, strMessage, dwError) + L"\r\n";
    const int nLength = static_cast<int>(strLine.size());
    const int nSize = WideCharToMultiByte(CP_UTF8, 0, strLine.c_str(), nLength, nullptr, 0, nullptr, nullptr);
    std::vector<char> bytes(static_cast<size_t>(nSize));
    WideCharToMultiByte(CP_UTF8, 0, strLine.c_str(), nLength, bytes.data(), nSize, nullptr, nullptr);
    HANDLE hError = GetStdHandle(STD_ERROR_HANDLE);
    DWORD cbWritten = 0;
    if (hError && hError != INVALID_HANDLE_VALUE)
        WriteFile(hError, bytes.data(), static_cast<DWORD>(bytes.size()), &cbWritten, nullptr);
    return nCode;
}

int Convert(const CString& strTempIni, const CString& strAppsIni)
{
    // temp.ini is read once, whatever its size, and only as an ordinary
    // file: the profile functions would take a missing one for an empty one,
    // and follow a link.
    CProfileFile temp;
    if (!temp.Load(strTempIni))
    {
        const DWORD dwError = GetLastError();
        return Fail(ExitUnreadable, CString(L"cannot read ") + strTempIni, dwError);
    }
    CUnicodeIniFile apps;
    for (const CString& strName : temp.SectionNames())
    {
        apps.AddSection(strName);
        apps.AddValue(kDescriptionKey, temp.GetString(strName, kDescriptionKey));
    }
    if (!apps.Save(strAppsIni))
    {
        const DWORD dwError = GetLastError();
        return Fail(ExitUnwritable, CString(L"cannot write ") + strAppsIni, dwError);
    }
    return ExitOk;
}
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int nArgs = 0;
    const CLocalMemory<LPWSTR*> args(CommandLineToArgvW(GetCommandLineW(), &nArgs));
    if (!args)
        return Fail(ExitUsage, L"cannot read the command line", GetLastError());
    LPWSTR* argv = args.get();
    if (nArgs != 3 || argv[1][0] == L'\0' || argv[2][0] == L'\0')
        return Fail(ExitUsage, L"usage: Unicode.exe \"<temp.ini>\" \"<apps.ini>\"");
    return Convert(argv[1], argv[2]);
}

// Unicode.exe "<temp.ini>" "<apps.ini>": writes apps.ini (UTF-16LE) holding
// every section of temp.ini with its CustomerDescription.
#include <AfxHandle.h>
#include <ProfileFile.h>
#include <UnicodeIniFile.h>

#include <shellapi.h>
#include <vector>

namespace
{
const LPCWSTR kDescriptionKey = L"CustomerDescription";

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
int Fail(int code, const CString& message)
{
    const CString line = CString(L"Unicode: ") + message + L"\r\n";
    OutputDebugStringW(line);
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, line.GetLength(), nullptr, 0, nullptr, nullptr);
    std::vector<char> bytes(static_cast<size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, line, line.GetLength(), bytes.data(), size, nullptr, nullptr);
    HANDLE hError = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    if (hError && hError != INVALID_HANDLE_VALUE)
        WriteFile(hError, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return code;
}

// The profile functions take a missing file for an empty one.
bool CanRead(const CString& path)
{
    return CFileHandle(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr)) != nullptr;
}

int Convert(const CString& tempIni, const CString& appsIni)
{
    if (!CanRead(tempIni))
        return Fail(ExitUnreadable, CString(L"cannot read ") + tempIni);
    // temp.ini is read once, whatever its size.
    CProfileFile temp;
    temp.Load(tempIni);
    CUnicodeIniFile apps;
    for (const CString& name : temp.SectionNames())
    {
        apps.AddSection(name);
        apps.AddValue(kDescriptionKey, temp.GetString(name, kDescriptionKey));
    }
    if (!apps.Save(appsIni))
        return Fail(ExitUnwritable, CString(L"cannot write ") + appsIni);
    return ExitOk;
}
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    const CLocalMemory<LPWSTR*> args(CommandLineToArgvW(GetCommandLineW(), &argc));
    if (!args)
        return Fail(ExitUsage, L"cannot read the command line");
    LPWSTR* argv = args.get();
    if (argc != 3 || argv[1][0] == L'\0' || argv[2][0] == L'\0')
        return Fail(ExitUsage, L"usage: Unicode.exe \"<temp.ini>\" \"<apps.ini>\"");
    return Convert(argv[1], argv[2]);
}

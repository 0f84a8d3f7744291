#include "HostCommand.h"
#include "DialogDriver.h"

#include <AfxBinding.h>

#include <atomic>
#include <vector>

namespace
{
using WineGetUnixFileNameFn = char*(CDECL*)(LPCWSTR);

// A file name of its own for each command, in the temporary folder.
CString MarkerPath()
{
    static std::atomic<unsigned> s_nCommand{ 0 };
    wchar_t szFolder[MAX_PATH];
    GetTempPathW(MAX_PATH, szFolder);
    return CString(szFolder) + L"host-command-" + std::to_wstring(GetCurrentProcessId()).c_str() + L"-" +
           std::to_wstring(++s_nCommand).c_str();
}
}

std::string UnixPathOf(const CString& path)
{
    const auto getUnixFileName = BoundLoadedFunction<WineGetUnixFileNameFn>(L"kernel32.dll", "wine_get_unix_file_name");
    const CProcessHeapMemory<char> unixPath(getUnixFileName ? getUnixFileName(path) : nullptr);
    return unixPath ? std::string(unixPath.get()) : std::string();
}

CString QuotedUnixPath(const CString& path)
{
    const std::string unixPath = UnixPathOf(path);
    return CString(L"'") + CString(std::wstring(unixPath.begin(), unixPath.end()).c_str()) + L"'";
}

bool RunOnHost(const CString& shellCommand)
{
    // Wine starts a host program named by its Unix path (\\?\unix\...)
    // (with the display from the environment), but gives no handle to wait
    // on: the shell leaves a marker with the command's exit status.
    const CString marker = MarkerPath();
    const std::string unixMarker = UnixPathOf(marker);
    if (unixMarker.empty())
        return false;
    const CString commandLine = CString(L"\\\\?\\unix\\bin\\sh -c \"") + shellCommand + L"; echo $? > '" +
                                CString(std::wstring(unixMarker.begin(), unixMarker.end()).c_str()) + L"'\"";
    std::vector<wchar_t> buffer(commandLine.GetString(), commandLine.GetString() + commandLine.GetLength() + 1);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION process = {};
    const BOOL bStarted =
        CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process);
    const CKernelHandle hProcess(process.hProcess), hThread(process.hThread);
    if (!bStarted)
        return false;
    // The status is whole once the file holds its line break.
    std::string status;
    PumpMessagesUntil(
        [&] {
            const CFileHandle file(CreateFileW(marker, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, 0, nullptr));
            char text[16] = {};
            DWORD cbRead = 0;
            if (file && ReadFile(file.get(), text, sizeof(text) - 1, &cbRead, nullptr))
                status.assign(text, cbRead);
            return status.find('\n') != std::string::npos;
        },
        20000);
    DeleteFileW(marker);
    return status == "0\n";
}

bool MakeHostLink(const CString& link, const CString& target, bool bHostTarget)
{
    return RunOnHost(L"ln -s " + (bHostTarget ? L"'" + target + L"'" : QuotedUnixPath(target)) + L" " +
                     QuotedUnixPath(link));
}

bool RemoveOnHost(const CString& path)
{
    return RunOnHost(L"rm -rf " + QuotedUnixPath(path));
}

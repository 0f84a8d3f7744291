#include "ProgramRunner.h"
#include "DialogDriver.h"

#include <commctrl.h>

#include <cstddef>
#include <cstdio>
#include <iterator>

CProgramRunner::CProgramRunner(const CString& exePath, const CString& arguments, const CString& folder, HANDLE hToken,
                               HANDLE hStdError, const CString& commandName)
{
    CString commandLine = commandName.IsEmpty() ? CString(L"\"") + exePath + L"\"" : commandName;
    if (!arguments.IsEmpty())
        commandLine += CString(L" ") + arguments;
    std::vector<wchar_t> buffer(commandLine.GetString(), commandLine.GetString() + commandLine.GetLength() + 1);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    const BOOL bInherit = hStdError != nullptr;
    if (bInherit)
    {
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdError = hStdError;
    }
    LPCWSTR pszFolder = folder.IsEmpty() ? nullptr : folder.GetString();
    PROCESS_INFORMATION process = {};
    const BOOL bStarted = hToken ? CreateProcessAsUserW(hToken, exePath, buffer.data(), nullptr, nullptr, bInherit, 0,
                                                        nullptr, pszFolder, &si, &process)
                                 : CreateProcessW(exePath, buffer.data(), nullptr, nullptr, bInherit, 0, nullptr,
                                                  pszFolder, &si, &process);
    if (!bStarted)
    {
        // Said where the test's output shows it: WaitForExit then only
        // answers STILL_ACTIVE.
        fwprintf(stderr, L"CreateProcessW(%ls) failed with error %lu\n", exePath.GetString(), GetLastError());
        return;
    }
    const CKernelHandle thread(process.hThread);
    m_process.reset(process.hProcess);
    m_processId = process.dwProcessId;
}

CProgramRunner::~CProgramRunner()
{
    if (m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT)
    {
        TerminateProcess(m_process.get(), 1);
        WaitForSingleObject(m_process.get(), 5000);
    }
}

DWORD CProgramRunner::WaitForExit(DWORD milliseconds)
{
    if (!m_process || WaitForSingleObject(m_process.get(), milliseconds) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.get(), &code);
    return code;
}

HWND CProgramRunner::WaitForWindow(LPCWSTR caption, DWORD milliseconds) const
{
    const DWORD start = GetTickCount();
    do
    {
        std::vector<HWND> windows = VisibleWindowsOf(m_processId, caption);
        if (!windows.empty())
            return windows.front();
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

std::vector<HWND> CProgramRunner::VisibleWindows() const
{
    return VisibleWindowsOf(m_processId);
}

namespace
{
struct Search
{
    DWORD processId;
    LPCWSTR caption;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner == search->processId && IsWindowVisible(hWnd) &&
        (!search->caption || WindowText(hWnd) == search->caption))
        search->found.push_back(hWnd);
    return TRUE;
}
}

std::vector<HWND> VisibleWindowsOf(DWORD processId, LPCWSTR caption)
{
    Search search = { processId, caption, {} };
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

CKernelHandle CreateNonAdministratorToken()
{
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_ASSIGN_PRIMARY | TOKEN_QUERY, &hToken))
        return CKernelHandle();
    const CKernelHandle token(hToken);
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD cbSid = sizeof(sid);
    SID_AND_ATTRIBUTES disabled = { sid, 0 };
    HANDLE hRestricted = nullptr;
    if (CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &cbSid))
        CreateRestrictedToken(hToken, 0, 1, &disabled, 0, nullptr, 0, nullptr, &hRestricted);
    return CKernelHandle(hRestricted);
}

CString MessageBoxText(HWND hBox)
{
    // The message text is the static control with ID 0xFFFF.
    return WindowText(GetDlgItem(hBox, 0xFFFF));
}

namespace
{
// A heading of the list, its text and format, read through a buffer in the
// list's process; false when it cannot be read.
bool ReadHeading(HANDLE hProcess, HWND hList, int column, CString* pText, int* pFormat)
{
    HWND hHeader = reinterpret_cast<HWND>(SendMessageW(hList, LVM_GETHEADER, 0, 0));
    struct Remote
    {
        HDITEMW item;
        wchar_t text[64];
    };
    const CRemoteMemory remoteMemory = AllocateRemote(hProcess, sizeof(Remote));
    BYTE* remote = static_cast<BYTE*>(remoteMemory.get());
    if (!remote)
        return false;
    Remote local = {};
    local.item.mask = HDI_TEXT | HDI_FORMAT;
    local.item.pszText = reinterpret_cast<LPWSTR>(remote + offsetof(Remote, text));
    local.item.cchTextMax = static_cast<int>(std::size(local.text));
    if (!WriteProcessMemory(hProcess, remote, &local, sizeof(local), nullptr) ||
        !SendMessageW(hHeader, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(remote)) ||
        !ReadProcessMemory(hProcess, remote, &local, sizeof(local), nullptr))
        return false;
    local.text[std::size(local.text) - 1] = 0;
    *pText = local.text;
    *pFormat = local.item.fmt;
    return true;
}
}

CString ListHeading(HANDLE hProcess, HWND hList, int column)
{
    CString text;
    int format = 0;
    ReadHeading(hProcess, hList, column, &text, &format);
    return text;
}

int HeadingSortArrow(HANDLE hProcess, HWND hList, int column)
{
    CString text;
    int format = 0;
    ReadHeading(hProcess, hList, column, &text, &format);
    return format & (HDF_SORTUP | HDF_SORTDOWN);
}

std::vector<std::pair<CString, CString>> ListRows(HANDLE hProcess, HWND hList)
{
    struct Remote
    {
        LVITEMW item;
        wchar_t text[2048];
    };
    std::vector<std::pair<CString, CString>> rows;
    const CRemoteMemory remoteMemory = AllocateRemote(hProcess, sizeof(Remote));
    BYTE* remote = static_cast<BYTE*>(remoteMemory.get());
    const int count = static_cast<int>(SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; remote && row < count; ++row)
    {
        CString cells[2];
        for (int column = 0; column < 2; ++column)
        {
            Remote local = {};
            local.item.iSubItem = column;
            local.item.pszText = reinterpret_cast<LPWSTR>(remote + offsetof(Remote, text));
            local.item.cchTextMax = static_cast<int>(std::size(local.text));
            if (!WriteProcessMemory(hProcess, remote, &local, sizeof(local), nullptr))
                return rows;
            SendMessageW(hList, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
            if (!ReadProcessMemory(hProcess, remote, &local, sizeof(local), nullptr))
                return rows;
            local.text[std::size(local.text) - 1] = 0;
            cells[column] = local.text;
        }
        rows.emplace_back(cells[0], cells[1]);
    }
    return rows;
}

CString ListNames(HANDLE hProcess, HWND hList)
{
    CString names;
    for (const auto& row : ListRows(hProcess, hList))
        names += (names.IsEmpty() ? L"" : L", ") + row.first;
    return names;
}

bool SendMessageWithData(HANDLE hProcess, HWND hWnd, UINT message, WPARAM wParam, void* pData, size_t nSize,
                         LRESULT* pResult)
{
    const CRemoteMemory remote = AllocateRemote(hProcess, nSize);
    void* pRemote = remote.get();
    if (!pRemote)
        return false;
    bool bCopied = false;
    if (WriteProcessMemory(hProcess, pRemote, pData, nSize, nullptr))
    {
        const LRESULT lResult = SendMessageW(hWnd, message, wParam, reinterpret_cast<LPARAM>(pRemote));
        if (pResult)
            *pResult = lResult;
        bCopied = ReadProcessMemory(hProcess, pRemote, pData, nSize, nullptr) != FALSE;
    }
    return bCopied;
}

CRemoteMemory AllocateRemote(HANDLE hProcess, size_t nSize)
{
    return CRemoteMemory(VirtualAllocEx(hProcess, nullptr, nSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE),
                         CRemoteFree{ hProcess });
}

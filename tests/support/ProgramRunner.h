#pragma once
// Starts the built program as a real process and watches its windows.
#include <afxwin.h>

#include <memory>
#include <utility>
#include <vector>

// How long a test waits for the program's window, or for it to end.
const DWORD kProgramTimeout = 20000;
// The main dialog's caption in the English resource module.
const wchar_t kMainCaption[] = L"Software Information";
// Where the program keeps its settings for the user, below HKEY_CURRENT_USER.
const wchar_t kProgramSettingsKey[] = L"Software\\Marbek Corporation\\ZelSoftwareInfo";

class CProgramRunner
{
public:
    // exePath: the program; arguments: its command-line arguments;
    // folder: its current folder (the exe's folder when empty);
    // hToken: a token to run it under (CreateProcessAsUserW), or NULL;
    // hStdError: an inheritable handle to receive its standard error, or NULL;
    // commandName: what its command line names it (the quoted path when empty).
    CProgramRunner(const CString& exePath, const CString& arguments = CString(), const CString& folder = CString(),
                   HANDLE hToken = nullptr, HANDLE hStdError = nullptr, const CString& commandName = CString());
    // Ends the process if it still runs.
    ~CProgramRunner();
    CProgramRunner(const CProgramRunner&) = delete;
    CProgramRunner& operator=(const CProgramRunner&) = delete;

    bool Started() const { return m_process != nullptr; }
    DWORD ProcessId() const { return m_processId; }
    HANDLE Process() const { return m_process.get(); }
    // Waits for the process to end; its exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(DWORD milliseconds);
    // Waits for a visible top-level window of this process with the caption
    // (any caption when empty); NULL on time-out.
    HWND WaitForWindow(LPCWSTR caption, DWORD milliseconds) const;
    // The visible top-level windows of this process now.
    std::vector<HWND> VisibleWindows() const;

private:
    CKernelHandle m_process;
    DWORD m_processId = 0;
};

// A primary token like this process's, with the Administrators group for
// deny only: a process started under it is no administrator. Empty on failure.
CKernelHandle CreateNonAdministratorToken();

struct CRemoteFree
{
    HANDLE hProcess;
    void operator()(void* p) const { VirtualFreeEx(hProcess, p, 0, MEM_RELEASE); }
};
// Memory in another process, freed there when the owner goes.
using CRemoteMemory = std::unique_ptr<void, CRemoteFree>;
// nSize bytes of read-write memory in a process; empty on failure.
CRemoteMemory AllocateRemote(HANDLE hProcess, size_t nSize);

// Visible top-level windows of a process whose caption is the text.
std::vector<HWND> VisibleWindowsOf(DWORD processId, LPCWSTR caption = nullptr);
// Sends a message to a window of another process whose lParam points to
// data: the data is copied into that process, and back after the call.
// False when the copies failed.
bool SendMessageWithData(HANDLE hProcess, HWND hWnd, UINT message, WPARAM wParam, void* pData, size_t nSize,
                         LRESULT* pResult = nullptr);
// The text of the static control that holds a message box's message.
CString MessageBoxText(HWND hBox);
// A heading of a report list in a process (this one too): the header
// control's text, read through a buffer in that process.
CString ListHeading(HANDLE hProcess, HWND hList, int column);
// The sort arrow a heading shows: HDF_SORTUP, HDF_SORTDOWN or 0.
int HeadingSortArrow(HANDLE hProcess, HWND hList, int column);
// The first two cells of every row of a report list in a process (this one
// too), as the list gives them to whoever asks.
std::vector<std::pair<CString, CString>> ListRows(HANDLE hProcess, HWND hList);
// The names of those rows in their order, joined by ", ".
CString ListNames(HANDLE hProcess, HWND hList);

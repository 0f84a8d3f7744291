#include "ProcessHardening.h"

#include <CauseReport.h>

#include <windows.h>

namespace
{
using SetProcessMitigationPolicyFn = BOOL(WINAPI*)(PROCESS_MITIGATION_POLICY, PVOID, SIZE_T);
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

template <typename Fn> Fn Kernel32Function(LPCSTR pszName)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), pszName)));
}

// A system without the policy (RedirectionGuard came with Windows 11 22H2)
// takes it for an invalid parameter.
bool IsUnknownPolicy(DWORD dwError)
{
    return dwError == ERROR_INVALID_PARAMETER || dwError == ERROR_NOT_SUPPORTED ||
           dwError == ERROR_CALL_NOT_IMPLEMENTED;
}
}

void HardenProcess()
{
    // Windows 7 has this only with its update KB2533623.
    if (const auto setDefaultDllDirectories = Kernel32Function<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories"))
    {
        if (!setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32))
            ReportCause(kProgramSource, L"DLLs are not limited to System32 and the program's folder", GetLastError());
    }
    if (const auto setPolicy = Kernel32Function<SetProcessMitigationPolicyFn>("SetProcessMitigationPolicy"))
    {
        PROCESS_MITIGATION_REDIRECTION_TRUST_POLICY policy = {};
        policy.EnforceRedirectionTrust = 1;
        if (!setPolicy(ProcessRedirectionTrustPolicy, &policy, sizeof(policy)) && !IsUnknownPolicy(GetLastError()))
            ReportCause(kProgramSource, L"RedirectionGuard was refused", GetLastError());
    }
}

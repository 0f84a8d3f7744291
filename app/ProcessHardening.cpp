#include "ProcessHardening.h"

#include <AfxBinding.h>
#include <CauseReport.h>

#include <windows.h>

namespace
{
using SetProcessMitigationPolicyFn = BOOL(WINAPI*)(PROCESS_MITIGATION_POLICY, PVOID, SIZE_T);
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

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
    if (const auto setDefaultDllDirectories =
            BoundLoadedFunction<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories"))
    {
        // Not the program's folder: it may be a copy in a standard user's
        // hands. What the program loads from there, it loads by full path
        // once it has judged the folder.
        if (!setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
            ReportCause(kProgramSource, L"DLLs are not limited to System32", GetLastError());
    }
    if (const auto setPolicy =
            BoundLoadedFunction<SetProcessMitigationPolicyFn>(L"kernel32.dll", "SetProcessMitigationPolicy"))
    {
        PROCESS_MITIGATION_REDIRECTION_TRUST_POLICY policy = {};
        policy.EnforceRedirectionTrust = 1;
        if (!setPolicy(ProcessRedirectionTrustPolicy, &policy, sizeof(policy)))
        {
            const DWORD dwError = GetLastError();
            if (!IsUnknownPolicy(dwError))
                ReportCause(kProgramSource, L"RedirectionGuard was refused", dwError);
        }
    }
}

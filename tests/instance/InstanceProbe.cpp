// InstanceProbe admin          exit code: ProbeAnswer of IsAdministrator
// InstanceProbe halt BASE      exit code: SignalUserShutdown of a guard on BASE
// InstanceProbe haltAll BASE   exit code: SignalAllShutdown of a guard on BASE
#include "InstanceProbe.h"
#include "ObserveApp.h"
#include "SecurityUtilities.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && lstrcmpW(argv[1], L"admin") == 0)
    {
        BOOL bMember = FALSE;
        if (!IsAdministrator(&bMember))
            return kProbeNoAnswer;
        return bMember ? kProbeMember : kProbeNotMember;
    }
    if (argc == 3 && lstrcmpW(argv[1], L"halt") == 0)
        return CObserveApp(argv[2]).SignalUserShutdown();
    if (argc == 3 && lstrcmpW(argv[1], L"haltAll") == 0)
        return CObserveApp(argv[2]).SignalAllShutdown();
    return kProbeUsage;
}

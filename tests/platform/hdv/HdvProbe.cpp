// HdvProbe command...: runs the commands in order in one process, as one
// start of the program makes its calls: initialize, activate and disable
// each on a fresh AcRcvPrt; hold sets the event HdvProbe-Held-<pid> and
// waits for HdvProbe-Release-<pid>. Exit code 1 when Initialize and every
// operation returned nonzero, else 0 at the first that did not.
#include <AcRcvPrt.h>

#include <HdvProbeEvents.h>

int wmain(int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        const CString command(argv[i]);
        if (command == L"hold")
        {
            const CHdvProbeEvents events(GetCurrentProcessId());
            SetEvent(events.Held());
            WaitForSingleObject(events.Release(), INFINITE);
            continue;
        }
        AcRcvPrt volume;
        if (!volume.Initialize())
            return 0;
        if (command == L"activate"  ? !volume.ActivePOne()
            : command == L"disable" ? !volume.DisablePOne()
                                    : command != L"initialize")
            return 0;
    }
    return 1;
}

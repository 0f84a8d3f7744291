// HdvProbe initialize|activate|disable: one call on a fresh AcRcvPrt, as the
// program makes it. Exit code 1 when Initialize and the operation both
// returned nonzero, else 0.
#include <AcRcvPrt.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 0;
    const CString command(argv[1]);
    AcRcvPrt volume;
    if (!volume.Initialize())
        return 0;
    if (command == L"activate")
        return volume.ActivePOne() ? 1 : 0;
    if (command == L"disable")
        return volume.DisablePOne() ? 1 : 0;
    return command == L"initialize" ? 1 : 0;
}

// Start-up bench: the time from process start to the main dialog being
// visible, for the program and for a minimal dialog program built the same
// way, and their ratio (target: at most 1.05). The program starts as on
// every start but the first: with a catalogue of 20 products in place, and
// its place and sort kept from the start before. Run it under wine:
//   startup_bench.exe [runs] [program folder]
// (the program folder dist/ unless given: another build's, to compare).
#include "BenchCatalogue.h"
#include "BenchTiming.h"

#include <ProgramRunner.h>
#include <TestFolders.h>

#include <cstdio>
#include <cstdlib>

namespace
{
// Milliseconds from process start to its first visible window (its dialog);
// negative when none appears within 30 seconds. Captions are not read: that
// would wait on the starting process.
double TimeToWindow(const CString& exe)
{
    CStopwatch stopwatch;
    CProgramRunner program(exe);
    double elapsed = -1;
    while (program.Started() && stopwatch.Milliseconds() < 30000)
    {
        const std::vector<HWND> windows = VisibleWindowsOf(program.ProcessId());
        if (!windows.empty())
        {
            elapsed = stopwatch.Milliseconds();
            PostMessageW(windows.front(), WM_CLOSE, 0, 0);
            break;
        }
        Sleep(1);
    }
    program.WaitForExit(10000);
    return elapsed;
}

bool AllMeasured(const std::vector<double>& times)
{
    return std::none_of(times.begin(), times.end(), [](double t) { return t < 0; });
}
}

int wmain(int argc, wchar_t** argv)
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    const CString program = (argc > 2 ? CString(argv[2]) : DistFolder()) + L"\\ZelSoftwareInfo.exe";
    const CAppsIniAside appsIni;
    if (!WriteCatalogue(appsIni.Path(), MakeProducts(20)))
    {
        std::fprintf(stderr, "the catalogue could not be written\n");
        return 1;
    }
    const CString minimal = BinFolder() + L"\\minimal_dialog.exe";

    TimeToWindow(program); // warm the caches of both before measuring
    TimeToWindow(minimal);
    std::vector<double> programTimes, minimalTimes;
    for (int i = 0; i < runs; ++i)
    {
        programTimes.push_back(TimeToWindow(program));
        minimalTimes.push_back(TimeToWindow(minimal));
    }
    if (!AllMeasured(programTimes) || !AllMeasured(minimalTimes))
    {
        std::fprintf(stderr, "a program did not show its dialog\n");
        return 1;
    }
    const double p = Median(programTimes), m = Median(minimalTimes);
    std::printf("start-up to visible dialog, median of %d runs\n", runs);
    std::printf("  ZelSoftwareInfo.exe  %8.1f ms\n", p);
    std::printf("  minimal dialog       %8.1f ms\n", m);
    std::printf("  ratio                %8.2f (target <= 1.05)\n", p / m);
    return 0;
}

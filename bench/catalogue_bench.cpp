// What a catalogue costs the user: the time from the program's process start
// to its visible, answering dialog, and the process's peak private memory,
// against a floor program (catalogue_floor) that shows the same rows in a
// platform list view of the same styles and fits both columns by the list's
// own LVSCW_AUTOSIZE_USEHEADER rule, also from process start to its visible
// window.
//
// For 20, 5,000 and 20,000 products it prints the median of the runs (7
// unless given) for both programs, what the larger catalogues add to the
// 20-product one, and the ratio of the two additions; the programs and the
// sizes run in turns, so that all see the same load on the machine. Targets:
// each addition at most 1.5 times the floor's; peak private memory with
// 20,000 products at most twice the floor's.
//
// Then two catalogue files of about 200 MB around 20 products (comment lines,
// or very long descriptions): the program against the floor reading the same
// file through the platform's profile functions. Target: no more time and no
// more peak memory than the floor.
//   catalogue_bench.exe [runs]
#include "BenchCatalogue.h"
#include "BenchTiming.h"

#include <Catalogue.h>
#include <CatalogueLocations.h>
#include <ProgramRunner.h>
#include <TestFolders.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace
{
SIZE_T PrivateUsage(HANDLE hProcess)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
        return 0;
    // Wine 8 leaves PrivateUsage at zero but fills PagefileUsage, which
    // Windows gives the same value (the process's private commit).
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

struct CRun
{
    double m_ms;         // process start to the visible dialog answering
    SIZE_T m_peakMemory; // the most private memory seen meanwhile
};

// Starts the program and waits for its first visible window to answer a
// message (its modal loop runs): the time that took, and the peak of its
// private memory, sampled every millisecond or so. Then closes it. A time
// below zero: no window within a minute.
CRun Measure(const CString& strExe, const CString& strArguments)
{
    CStopwatch stopwatch;
    CProgramRunner program(strExe, strArguments);
    CRun run = { -1, 0 };
    while (program.Started() && stopwatch.Milliseconds() < 60000)
    {
        run.m_peakMemory = std::max(run.m_peakMemory, PrivateUsage(program.Process()));
        const std::vector<HWND> windows = VisibleWindowsOf(program.ProcessId());
        if (!windows.empty())
        {
            SendMessageTimeoutW(windows.front(), WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr);
            run.m_ms = stopwatch.Milliseconds();
            run.m_peakMemory = std::max(run.m_peakMemory, PrivateUsage(program.Process()));
            PostMessageW(windows.front(), WM_CLOSE, 0, 0);
            break;
        }
        Sleep(1);
    }
    program.WaitForExit(10000);
    return run;
}

struct CCase
{
    CString m_strLabel;
    CString m_strCatalogue; // the program's apps.ini is written from it
    CString m_strFloorArguments;
    std::vector<CRun> m_program, m_floor;
};

double MedianMs(const std::vector<CRun>& runs)
{
    std::vector<double> values;
    for (const CRun& run : runs)
        values.push_back(run.m_ms);
    return Median(values);
}

double PeakMiB(const std::vector<CRun>& runs)
{
    SIZE_T peak = 0;
    for (const CRun& run : runs)
        peak = std::max(peak, run.m_peakMemory);
    return static_cast<double>(peak) / (1024.0 * 1024.0);
}

bool AllMeasured(const std::vector<CCase>& cases)
{
    for (const CCase& c : cases)
        for (const std::vector<CRun>* pRuns : { &c.m_program, &c.m_floor })
            for (const CRun& run : *pRuns)
                if (run.m_ms < 0)
                    return false;
    return true;
}

// Each run measures every case, the program and the floor in turns; run 0
// warms the caches and is not counted.
bool RunCases(std::vector<CCase>& cases, int nRuns, const CAppsIniAside& appsIni)
{
    const CString strProgram = DistFolder() + L"\\ZelSoftwareInfo.exe";
    const CString strFloor = BinFolder() + L"\\catalogue_floor.exe";
    for (int nRun = 0; nRun <= nRuns; ++nRun)
        for (CCase& c : cases)
        {
            if (!CopyFileW(c.m_strCatalogue, appsIni.Path(), FALSE))
                return false;
            const CRun program = Measure(strProgram, CString());
            const CRun floor = Measure(strFloor, c.m_strFloorArguments);
            if (nRun > 0)
            {
                c.m_program.push_back(program);
                c.m_floor.push_back(floor);
            }
        }
    return AllMeasured(cases);
}

const char* Verdict(bool bMet)
{
    return bMet ? "met" : "MISSED";
}

void PrintSizes(const std::vector<CCase>& cases, int nRuns)
{
    std::printf("process start to the visible dialog, median of %d runs; peak private memory\n", nRuns);
    std::printf("%-16s %11s %11s %11s %11s %8s %9s %9s\n", "products", "program ms", "floor ms", "program +", "floor +",
                "ratio", "prog MiB", "floor MiB");
    const double base = MedianMs(cases[0].m_program), floorBase = MedianMs(cases[0].m_floor);
    for (const CCase& c : cases)
    {
        const double program = MedianMs(c.m_program), floor = MedianMs(c.m_floor);
        std::printf("%-16ls %11.1f %11.1f", c.m_strLabel.GetString(), program, floor);
        if (&c == &cases[0])
            std::printf(" %11s %11s %8s", "", "", "");
        else
            std::printf(" %11.1f %11.1f %8.2f", program - base, floor - floorBase,
                        (program - base) / (floor - floorBase));
        std::printf(" %9.1f %9.1f\n", PeakMiB(c.m_program), PeakMiB(c.m_floor));
    }
    for (size_t i = 1; i < cases.size(); ++i)
    {
        const double ratio = (MedianMs(cases[i].m_program) - base) / (MedianMs(cases[i].m_floor) - floorBase);
        std::printf("  target: %ls add at most 1.50 times the floor's -> %s\n", cases[i].m_strLabel.GetString(),
                    Verdict(ratio <= 1.5));
    }
    const CCase& largest = cases.back();
    std::printf("  target: peak memory with %ls at most 2.00 times the floor's (%.2f) -> %s\n",
                largest.m_strLabel.GetString(), PeakMiB(largest.m_program) / PeakMiB(largest.m_floor),
                Verdict(PeakMiB(largest.m_program) <= 2 * PeakMiB(largest.m_floor)));
}

void PrintLargeFiles(const std::vector<CCase>& cases, int nRuns)
{
    std::printf("\nabout 200 MB of catalogue file, median of %d runs; the floor asks the profile functions\n", nRuns);
    std::printf("%-24s %11s %11s %9s %9s\n", "file", "program ms", "floor ms", "prog MiB", "floor MiB");
    for (const CCase& c : cases)
    {
        const double program = MedianMs(c.m_program), floor = MedianMs(c.m_floor);
        std::printf("%-24ls %11.1f %11.1f %9.1f %9.1f\n", c.m_strLabel.GetString(), program, floor,
                    PeakMiB(c.m_program), PeakMiB(c.m_floor));
        std::printf("  target: no more time nor memory than the floor -> %s\n",
                    Verdict(program <= floor && PeakMiB(c.m_program) <= PeakMiB(c.m_floor)));
    }
}
}

int wmain(int argc, wchar_t** argv)
{
    const int nRuns = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    CTempFolder folder;
    CAppsIniAside appsIni;

    std::vector<CCase> sizes;
    for (int nCount : { 20, 5000, 20000 })
    {
        const CCatalogue products = MakeProducts(nCount);
        wchar_t label[32];
        wsprintfW(label, L"%d", nCount);
        const CString strCatalogue = folder / (CString(L"apps-") + label + L".ini");
        const CString strRows = folder / (CString(L"rows-") + label + L".txt");
        if (!WriteCatalogue(strCatalogue, products) || !WriteRows(strRows, products))
        {
            std::fprintf(stderr, "the catalogue files could not be written\n");
            return 1;
        }
        sizes.push_back({ label, strCatalogue, L"rows \"" + strRows + L"\"", {}, {} });
    }
    if (!RunCases(sizes, nRuns, appsIni))
    {
        std::fprintf(stderr, "a program did not show its dialog\n");
        return 1;
    }
    PrintSizes(sizes, nRuns);

    // About 200 MB each: 20 products, each with 10 MB of comment lines or a
    // description of 10 MB (the first description of a product counts).
    const CCatalogue few = MakeProducts(20);
    const std::wstring comments = [] {
        std::wstring lines;
        for (int i = 0; i < 100000; ++i)
            lines += L"; a comment line of the factory's catalogue, kept as the tool wrote it.....\r\n";
        return lines;
    }();
    const std::wstring longText(10 * 1000 * 1000, L'd');
    std::vector<CCase> large;
    const std::pair<LPCWSTR, std::function<std::wstring(size_t)>> shapes[] = {
        { L"comment lines", [&](size_t) { return comments; } },
        { L"long descriptions",
          [&](size_t) { return std::wstring(kCustomerDescriptionKey) + L"=" + longText + L"\r\n"; } },
    };
    for (const auto& shape : shapes)
    {
        const CString strCatalogue = folder / (CString(shape.first) + L".ini");
        if (!WriteCatalogue(strCatalogue, few, shape.second))
        {
            std::fprintf(stderr, "the catalogue files could not be written\n");
            return 1;
        }
        large.push_back({ shape.first, strCatalogue, L"profile \"" + appsIni.Path() + L"\"", {}, {} });
    }
    const int nLargeRuns = std::max(1, std::min(nRuns, 3));
    if (!RunCases(large, nLargeRuns, appsIni))
    {
        std::fprintf(stderr, "a program did not show its dialog\n");
        return 1;
    }
    PrintLargeFiles(large, nLargeRuns);
    return 0;
}

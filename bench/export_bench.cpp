// What an export costs a script: the time from the program's process start
// to its end with the file written (ZelSoftwareInfo.exe /scomma FILE, and
// the other formats), against a floor program (export_floor) built the same
// way that only reads the same catalogue with the platform's own functions,
// also from process start to its end.
//
// For 20 and 20,000 products it prints the median of the runs (7 unless
// given) of the floor and of each format, what 20,000 products add to the
// 20-product run, and the ratio of each format's addition to the floor's;
// the programs and the sizes run in turns, so that all see the same load on
// the machine. Target: reading and writing add at most twice what reading
// alone adds (the writing adds at most what the reading takes).
//
// Then, to show where an export's time goes, the program's own steps in
// this one process with 20,000 products: reading the catalogue
// (ReadCatalogue) and each format's writing: the file's bytes made
// (ListFile) and put in place (SaveFileInPlace), median of the same number
// of runs.
//   export_bench.exe [runs]
#include "BenchCatalogue.h"
#include "BenchTiming.h"

#include <FileInPlace.h>
#include <ListFile.h>
#include <ProgramRunner.h>
#include <TestFolders.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <cstdio>
#include <vector>

namespace
{
struct CCommand
{
    LPCWSTR m_pszLabel;
    CString m_strProgram;
    CString m_strArguments;
    std::vector<double> m_small, m_large; // 20 and 20,000 products
};

// Process start to a successful end; below zero when it failed or took
// more than a minute.
double Measure(const CCommand& command)
{
    CStopwatch stopwatch;
    CProgramRunner program(command.m_strProgram, command.m_strArguments);
    const DWORD dwExit = program.WaitForExit(60000);
    const double ms = stopwatch.Milliseconds();
    return dwExit == 0 ? ms : -1;
}

// The program's own steps of an export of the catalogue file, in this process.
void PrintSteps(const CString& strCatalogue, const CTempFolder& folder, int nRuns)
{
    const CListHeadings headings = { L"Software Information", L"Software", L"Description" };
    const std::pair<LPCWSTR, EListFormat> formats[] = { { L"/scomma", EListFormat::CommaSeparated },
                                                        { L"/stab", EListFormat::TabSeparated },
                                                        { L"/shtml", EListFormat::Html },
                                                        { L"/sjson", EListFormat::Json } };
    std::vector<double> reading, making[std::size(formats)], saving[std::size(formats)];
    for (int nRun = 0; nRun <= nRuns; ++nRun)
    {
        CStopwatch readStopwatch;
        const CCatalogue catalogue = ReadCatalogue(strCatalogue);
        if (nRun > 0)
            reading.push_back(readStopwatch.Milliseconds());
        for (size_t i = 0; i < std::size(formats); ++i)
        {
            CStopwatch makeStopwatch;
            const std::string bytes = ListFile(formats[i].second, headings, catalogue);
            const double msMade = makeStopwatch.Milliseconds();
            CStopwatch saveStopwatch;
            const bool bSaved = SaveFileInPlace(folder / L"steps.out", bytes);
            if (nRun > 0)
            {
                making[i].push_back(msMade);
                saving[i].push_back(bSaved ? saveStopwatch.Milliseconds() : -1);
            }
        }
    }
    std::printf("\nthe program's own steps with 20,000 products in one process, median of %d runs\n", nRuns);
    std::printf("%-22s %12.1f\n", "reading the catalogue", Median(reading));
    std::printf("%-22s %12s %12s\n", "", "bytes made", "put in place");
    for (size_t i = 0; i < std::size(formats); ++i)
        std::printf("%-22ls %12.1f %12.1f  (together %.2f of the reading)\n", formats[i].first, Median(making[i]),
                    Median(saving[i]), (Median(making[i]) + Median(saving[i])) / Median(reading));
}
}

int wmain(int argc, wchar_t** argv)
{
    const int nRuns = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    CTempFolder folder;
    CAppsIniAside appsIni;
    const CString strSmall = folder / L"apps-20.ini", strLarge = folder / L"apps-20000.ini";
    if (!WriteCatalogue(strSmall, MakeProducts(20)) || !WriteCatalogue(strLarge, MakeProducts(20000)))
    {
        std::fprintf(stderr, "the catalogue files could not be written\n");
        return 1;
    }
    const CString strProgram = DistFolder() + L"\\ZelSoftwareInfo.exe";
    std::vector<CCommand> commands = {
        { L"floor: reading alone", BinFolder() + L"\\export_floor.exe", L"\"" + appsIni.Path() + L"\"", {}, {} },
        { L"/scomma", strProgram, L"/scomma \"" + (folder / L"list.csv") + L"\"", {}, {} },
        { L"/stab", strProgram, L"/stab \"" + (folder / L"list.txt") + L"\"", {}, {} },
        { L"/shtml", strProgram, L"/shtml \"" + (folder / L"list.html") + L"\"", {}, {} },
        { L"/sjson", strProgram, L"/sjson \"" + (folder / L"list.json") + L"\"", {}, {} },
    };
    // Run 0 warms the caches and is not counted.
    for (int nRun = 0; nRun <= nRuns; ++nRun)
        for (const CString* pCatalogue : { &strSmall, &strLarge })
        {
            if (!CopyFileW(*pCatalogue, appsIni.Path(), FALSE))
                return 1;
            for (CCommand& command : commands)
            {
                const double ms = Measure(command);
                if (ms < 0)
                {
                    std::fprintf(stderr, "%ls failed\n", command.m_pszLabel);
                    return 1;
                }
                if (nRun > 0)
                    (pCatalogue == &strSmall ? command.m_small : command.m_large).push_back(ms);
            }
        }

    std::printf("process start to its end, median of %d runs\n", nRuns);
    std::printf("%-22s %12s %12s %12s %8s\n", "", "20 ms", "20,000 ms", "20,000 add", "ratio");
    const double floorAdds = Median(commands[0].m_large) - Median(commands[0].m_small);
    bool bMet = true;
    for (const CCommand& command : commands)
    {
        const double adds = Median(command.m_large) - Median(command.m_small);
        std::printf("%-22ls %12.1f %12.1f %12.1f %8.2f\n", command.m_pszLabel, Median(command.m_small),
                    Median(command.m_large), adds, adds / floorAdds);
        bMet = bMet && adds <= 2 * floorAdds;
    }
    std::printf("  target: each export's 20,000 products add at most 2.00 times the floor's -> %s\n",
                bMet ? "met" : "MISSED");
    PrintSteps(strLarge, folder, nRuns);
    return 0;
}

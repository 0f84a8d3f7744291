// What sorting and searching cost the user with 20,000 products: the time
// from a click on a heading, and from a key typed in the search box, to the
// repainted list, for the program and for its floor (catalogue_floor: the
// platform's own list view, sorted with LVM_SORTITEMSEX and CompareStringEx,
// taking the rows that hold the search text anew). Each round starts both
// programs in turns and takes every step of the table in both; the bench
// prints each step's median and the medians of all clicks and all keys.
// Goal: no more than the floor.
//   sortsearch_bench.exe [rounds]
#include "BenchCatalogue.h"
#include "BenchTiming.h"

#include <ProgramRunner.h>
#include <TestFolders.h>

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace
{
const int kProducts = 20000;
const int kListId = 1000;
const int kSearchId = 1006;

// A click on a column's heading, or a character typed in the search box.
struct CStep
{
    const char* m_pszLabel;
    int m_nColumn; // -1 for a key
    wchar_t m_chKey;
};

const CStep kSteps[] = {
    { "click on Description: sorted by it", 1, 0 },
    { "click on Description again: reversed", 1, 0 },
    { "click on Software: by name again", 0, 0 },
    { "key e in the empty box", -1, L'e' },
    { "key x: ex", -1, L'x' },
    { "Backspace: e", -1, L'\b' },
    { "Backspace: every row again", -1, L'\b' },
};
const size_t kStepCount = sizeof(kSteps) / sizeof(kSteps[0]);

// Posts nothing: each input is sent, so that it has been handled when the
// call returns; the list is then painted at once, and the time taken.
double TimeStep(HANDLE hProcess, HWND hDlg, const CStep& step)
{
    HWND hList = GetDlgItem(hDlg, kListId);
    HWND hHeader = reinterpret_cast<HWND>(SendMessageW(hList, LVM_GETHEADER, 0, 0));
    RECT rc = {};
    if (step.m_nColumn >= 0 &&
        !SendMessageWithData(hProcess, hHeader, HDM_GETITEMRECT, static_cast<WPARAM>(step.m_nColumn), &rc, sizeof(rc)))
        return -1;
    const LPARAM point = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    DWORD_PTR dwResult = 0;
    CStopwatch stopwatch;
    if (step.m_nColumn >= 0)
    {
        SendMessageTimeoutW(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, point, SMTO_NORMAL, 60000, &dwResult);
        SendMessageTimeoutW(hHeader, WM_LBUTTONUP, 0, point, SMTO_NORMAL, 60000, &dwResult);
    }
    else
        SendMessageTimeoutW(GetDlgItem(hDlg, kSearchId), WM_CHAR, step.m_chKey, 1, SMTO_NORMAL, 60000, &dwResult);
    RedrawWindow(hList, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return stopwatch.Milliseconds();
}

// Starts the program with the catalogue and takes the steps in its dialog;
// false when it showed none.
bool RunSteps(const CString& strExe, const CString& strArguments, std::vector<std::vector<double>>& times)
{
    // As on a user's first start: sorted by name.
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramSettingsKey);
    CProgramRunner program(strExe, strArguments);
    HWND hDlg = program.WaitForWindow(nullptr, 60000);
    if (!hDlg || WaitForInputIdle(program.Process(), 60000) != 0)
        return false;
    for (size_t i = 0; i < kStepCount; ++i)
    {
        const double ms = TimeStep(program.Process(), hDlg, kSteps[i]);
        if (ms < 0)
            return false;
        times[i].push_back(ms);
    }
    PostMessageW(hDlg, WM_CLOSE, 0, 0);
    program.WaitForExit(10000);
    return true;
}

double MedianOf(const std::vector<std::vector<double>>& times, bool bClicks)
{
    std::vector<double> values;
    for (size_t i = 0; i < kStepCount; ++i)
        if ((kSteps[i].m_nColumn >= 0) == bClicks)
            values.insert(values.end(), times[i].begin(), times[i].end());
    return Median(values);
}
}

int wmain(int argc, wchar_t** argv)
{
    const int nRounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    CTempFolder folder;
    CAppsIniAside appsIni;
    const CCatalogue products = MakeProducts(kProducts);
    const CString strRows = folder / L"rows.txt";
    if (!WriteCatalogue(appsIni.Path(), products) || !WriteRows(strRows, products))
    {
        std::fprintf(stderr, "the catalogue files could not be written\n");
        return 1;
    }
    const CString strProgram = DistFolder() + L"\\ZelSoftwareInfo.exe";
    const CString strFloor = BinFolder() + L"\\catalogue_floor.exe";
    std::vector<std::vector<double>> program(kStepCount), floor(kStepCount);
    // Round 0 warms the caches and is not counted.
    for (int nRound = 0; nRound <= nRounds; ++nRound)
    {
        std::vector<std::vector<double>> programRound(kStepCount), floorRound(kStepCount);
        if (!RunSteps(strProgram, CString(), programRound) ||
            !RunSteps(strFloor, L"rows \"" + strRows + L"\"", floorRound))
        {
            std::fprintf(stderr, "a program did not show its dialog\n");
            return 1;
        }
        for (size_t i = 0; nRound > 0 && i < kStepCount; ++i)
        {
            program[i].insert(program[i].end(), programRound[i].begin(), programRound[i].end());
            floor[i].insert(floor[i].end(), floorRound[i].begin(), floorRound[i].end());
        }
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramSettingsKey);

    std::printf("%d products: from the input to the repainted list, median of %d rounds\n", kProducts, nRounds);
    std::printf("%-40s %11s %11s %8s\n", "step", "program ms", "floor ms", "ratio");
    for (size_t i = 0; i < kStepCount; ++i)
    {
        const double p = Median(program[i]), f = Median(floor[i]);
        std::printf("%-40s %11.1f %11.1f %8.2f\n", kSteps[i].m_pszLabel, p, f, p / f);
    }
    for (bool bClicks : { true, false })
    {
        const double p = MedianOf(program, bClicks), f = MedianOf(floor, bClicks);
        std::printf("%-40s %11.1f %11.1f %8.2f\n", bClicks ? "every click on a heading" : "every key in the box", p, f,
                    p / f);
        std::printf("  goal: no more than the floor -> %s\n", p <= f ? "met" : "MISSED");
    }
    return 0;
}

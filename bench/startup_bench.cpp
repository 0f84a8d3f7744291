// Start-up bench: the time from process start to the main dialog being
// visible, for the program and for a minimal dialog program built the same
// way, and their ratio (target: at most 1.3). Run it under wine:
//   startup_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
struct Search
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner == search->processId && IsWindowVisible(hWnd))
    {
        wchar_t className[16] = {};
        GetClassNameW(hWnd, className, 16);
        if (lstrcmpW(className, L"#32770") == 0)
        {
            search->found = hWnd;
            return FALSE;
        }
    }
    return TRUE;
}

// Milliseconds from CreateProcess to a visible dialog; negative on failure.
double TimeToWindow(const std::wstring& exe)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    Search search = { pi.dwProcessId, nullptr };
    double elapsed = -1;
    for (int i = 0; i < 30000 && !search.found; ++i)
    {
        EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(1);
    }
    QueryPerformanceCounter(&now);
    if (search.found)
    {
        elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::wstring Folder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\'));
}
}

int wmain(int argc, wchar_t** argv)
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    const std::wstring bin = Folder();
    const std::wstring program = bin.substr(0, bin.find_last_of(L'\\')) + L"\\dist\\ZelSoftwareInfo.exe";
    const std::wstring minimal = bin + L"\\minimal_dialog.exe";

    TimeToWindow(program);  // warm the caches of both before measuring
    TimeToWindow(minimal);
    std::vector<double> programTimes, minimalTimes;
    for (int i = 0; i < runs; ++i)
    {
        programTimes.push_back(TimeToWindow(program));
        minimalTimes.push_back(TimeToWindow(minimal));
    }
    if (std::count_if(programTimes.begin(), programTimes.end(), [](double t) { return t < 0; })
        || std::count_if(minimalTimes.begin(), minimalTimes.end(), [](double t) { return t < 0; }))
    {
        std::fprintf(stderr, "a program did not show its dialog\n");
        return 1;
    }
    const double p = Median(programTimes), m = Median(minimalTimes);
    std::printf("start-up to visible dialog, median of %d runs\n", runs);
    std::printf("  ZelSoftwareInfo.exe  %8.1f ms\n", p);
    std::printf("  minimal dialog       %8.1f ms\n", m);
    std::printf("  ratio                %8.2f (target <= 1.30)\n", p / m);
    return 0;
}

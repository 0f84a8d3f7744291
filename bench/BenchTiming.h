#pragma once
// Timing helpers shared by the benches.
#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds since construction, from the performance counter.
class CStopwatch
{
public:
    CStopwatch() { QueryPerformanceCounter(&m_start); }
    double Milliseconds() const
    {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The fastest of several runs: on a machine busy with other work, the run
// least disturbed comes closest to the work's own cost.
inline double Fastest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

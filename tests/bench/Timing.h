// Time measured in the process that starts the program, and the medians and
// quartiles the reports give (a few slow runs on a busy machine do not move them).
#pragma once

#include "platform/win32/WinApi.h"

#include <algorithm>
#include <vector>

// Milliseconds since construction, from the performance counter.
class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }
    double ElapsedMs() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};

// The value a fraction `q` of the way through the sorted samples, between
// neighbours where it falls between two: 0.5 is the median, 0.25 and 0.75
// the quartiles, whose distance shows how noisy the runs were.
inline double Quantile(std::vector<double> samples, double q) {
    std::sort(samples.begin(), samples.end());
    double position = q * static_cast<double>(samples.size() - 1);
    size_t below = static_cast<size_t>(position);
    if (below + 1 >= samples.size()) return samples.back();
    return samples[below] + (position - static_cast<double>(below)) * (samples[below + 1] - samples[below]);
}

#pragma once
// Timing helpers of the benchmarks: run a step many times, print mean, median and worst.

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

inline void Report(const char* what, std::vector<double> ms, double target)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-50s n=%-5zu mean %8.1f us  median %8.1f us  max %8.1f us  (target < %.0f ms)\n", what,
                ms.size(), 1000 * sum / double(ms.size()), 1000 * ms[ms.size() / 2], 1000 * ms.back(),
                target);
}

// Milliseconds of each run; step gets the run's number.
inline std::vector<double> Time(int runs, const std::function<void(int)>& step)
{
    std::vector<double> ms;
    ms.reserve(size_t(runs));
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        t.start();
        step(i);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return ms;
}

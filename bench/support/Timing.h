#pragma once
// Timing helpers of the benchmarks: run a step many times, print mean, median and worst.

#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

inline void Report(const char* what, std::vector<double> ms, double target)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-56s n=%-5zu mean %8.3f  median %8.3f  max %8.3f ms  (target < %g)\n", what, ms.size(),
                sum / double(ms.size()), ms[ms.size() / 2], ms.back(), target);
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

// The offscreen platform says at every window that it cannot pass size hints, raise or grab: not
// news in a benchmark.
inline void QuietPlatform(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (!text.startsWith(u"This plugin does not support"))
        std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "warning: " : "", qPrintable(text));
}

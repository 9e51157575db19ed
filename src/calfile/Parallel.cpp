#include "calfile/Parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

int ParallelWorkers(int count)
{
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    return std::clamp(std::min(cores, 8), 1, std::max(count, 1));
}

void ParallelFor(int count, const std::function<void(int worker, int index)>& job)
{
    std::atomic<int> next{0};
    auto work = [&](int worker) {
        for (int i = next++; i < count; i = next++) job(worker, i);
    };
    std::vector<std::thread> helpers;
    const int workers = ParallelWorkers(count);
    for (int w = 1; w < workers; ++w) helpers.emplace_back(work, w);
    work(0);
    for (std::thread& t : helpers) t.join();
}

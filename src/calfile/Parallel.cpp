#include "calfile/Parallel.h"

#include <algorithm>
#include <atomic>
#include <sched.h>
#include <thread>
#include <vector>

namespace {

// The cores this process may run on (fewer than the machine's when it is pinned).
int UsableCores()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

} // namespace

int ParallelWorkers(int count)
{
    static const int cores = std::min(UsableCores(), 8);
    return std::clamp(cores, 1, std::max(count, 1));
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

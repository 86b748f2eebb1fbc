#include "Harness.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

double MedianMs(int repetitions, int calls, const std::function<void()>& body)
{
    std::vector<double> times;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int c = 0; c < calls; ++c)
            body();
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        times.push_back(spent.count() / calls);
    }
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

void PrintSummary(const std::string& name, int poolSize, double ms, double baselineMs)
{
    std::printf("case %s P=%d ms=%.4f ratio=%.4f\n", name.c_str(), poolSize, ms, ms / baselineMs);
    std::fflush(stdout);
}

long PeakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

#include "Harness.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

double TimeMs(int calls, const std::function<void()>& body)
{
    const auto start = std::chrono::steady_clock::now();
    for (int c = 0; c < calls; ++c)
        body();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

} // namespace

Timing Measure(int repetitions, int calls, const std::function<void()>& body, const std::function<void()>& baseline)
{
    std::vector<double> times;
    std::vector<double> baselineTimes;
    for (int r = 0; r < repetitions; ++r) {
        baselineTimes.push_back(TimeMs(1, baseline));
        times.push_back(TimeMs(calls, body));
    }
    return {Median(times), Median(baselineTimes)};
}

void PrintSummary(const std::string& name, int poolSize, const Timing& timing)
{
    std::printf("case %s P=%d ms=%.4f ratio=%.4f\n", name.c_str(), poolSize, timing.ms, timing.ms / timing.baselineMs);
    std::fflush(stdout);
}

long PeakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

#pragma once
// Times cases as medians of repeated runs and reports them against a
// baseline measured in the same process.

#include <functional>
#include <string>

struct Timing {
    double ms;
    double baselineMs;
};

// Median wall times in milliseconds of one call of body and of one call of
// baseline, run in turn so that both see the machine in the same state.
// Each repetition calls body `calls` times so that short cases still
// measure.
Timing Measure(int repetitions, int calls, const std::function<void()>& body, const std::function<void()>& baseline);

void PrintSummary(const std::string& name, int poolSize, const Timing& timing);

// The process's peak resident size so far, in KiB.
long PeakResidentKb();

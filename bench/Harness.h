#pragma once
// Times cases as medians of repeated runs and reports them against a
// baseline measured in the same process.

#include <functional>
#include <string>

// Median wall time in milliseconds of one call of body; each repetition
// runs body `calls` times so that very short cases can still be measured.
double MedianMs(int repetitions, int calls, const std::function<void()>& body);

void PrintSummary(const std::string& name, int poolSize, double ms, double baselineMs);

// The process's peak resident size so far, in KiB.
long PeakResidentKb();

#include "ReviewSchedule.h"

#include <algorithm>
#include <cmath>

namespace fsrs {

namespace {

// The default parameters w0 to w16 of FSRS-4.5.
constexpr double w[17] = {0.4872, 1.4003, 3.7145, 13.8206, 5.1618, 1.2298, 0.8975, 0.031, 1.6474,
                          0.1367, 1.0461, 2.1072, 0.0793,  0.3246, 1.587,  0.2272, 2.8755};
constexpr double kDecay = -0.5;
// Makes the chance of recall 90 % when the days equal the stability.
constexpr double kFactor = 19.0 / 81.0;
constexpr int kAgain = 1;
constexpr int kGood = 3;

int Grade(bool right)
{
    return right ? kGood : kAgain;
}

double InitialDifficulty(int grade)
{
    return std::clamp(w[4] - (grade - 3) * w[5], 1.0, 10.0);
}

// The difficulty moves with the grade and reverts a little to that of a
// first Good, so that it cannot stick at 10 ("ease hell").
double NextDifficulty(double difficulty, int grade)
{
    const double moved = difficulty - w[6] * (grade - 3);
    return std::clamp(w[7] * InitialDifficulty(kGood) + (1 - w[7]) * moved, 1.0, 10.0);
}

double StabilityAfterRecall(const MemoryState& state, double recall)
{
    // Hard's penalty (w15) and Easy's bonus (w16) never apply: the only
    // recall grade here is Good.
    return state.stability * (std::exp(w[8]) * (11 - state.difficulty) * std::pow(state.stability, -w[9]) *
                                  (std::exp(w[10] * (1 - recall)) - 1) +
                              1);
}

double StabilityAfterLapse(const MemoryState& state, double recall)
{
    return w[11] * std::pow(state.difficulty, -w[12]) * (std::pow(state.stability + 1, w[13]) - 1) *
           std::exp(w[14] * (1 - recall));
}

} // namespace

double Retrievability(double days, double stability)
{
    return std::pow(1 + kFactor * days / stability, kDecay);
}

double IntervalDays(double stability, double retention)
{
    return stability / kFactor * (std::pow(retention, 1 / kDecay) - 1);
}

MemoryState AfterFirstAnswer(bool right)
{
    const int grade = Grade(right);
    return {w[grade - 1], InitialDifficulty(grade)};
}

MemoryState AfterAnswer(const MemoryState& state, double elapsedDays, bool right)
{
    const double recall = Retrievability(std::max(elapsedDays, 0.0), state.stability);
    const double stability = right ? StabilityAfterRecall(state, recall) : StabilityAfterLapse(state, recall);
    return {stability, NextDifficulty(state.difficulty, Grade(right))};
}

} // namespace fsrs

namespace {
// Whole days between two answers, as the model counts them.
double DaysBetween(int64_t from, int64_t to)
{
    return std::floor(static_cast<double>(to - from) / kSecondsPerDay);
}
} // namespace

fsrs::MemoryState MemoryAfter(const std::vector<AnswerEvent>& answers)
{
    fsrs::MemoryState state;
    for (size_t i = 0; i < answers.size(); ++i)
        state = i == 0 ? fsrs::AfterFirstAnswer(answers[i].right)
                       : fsrs::AfterAnswer(state, DaysBetween(answers[i - 1].time, answers[i].time), answers[i].right);
    return state;
}

int64_t DueTime(const std::vector<AnswerEvent>& answers)
{
    // A century at most, as an interval no test needs and no clock overflows.
    constexpr double kLongestInterval = 36500;
    const double days =
        std::clamp(std::round(fsrs::IntervalDays(MemoryAfter(answers).stability)), 1.0, kLongestInterval);
    return answers.back().time + static_cast<int64_t>(days) * kSecondsPerDay;
}

double RecallChance(const std::vector<AnswerEvent>& answers, int64_t now)
{
    return fsrs::Retrievability(std::max(DaysBetween(answers.back().time, now), 0.0), MemoryAfter(answers).stability);
}

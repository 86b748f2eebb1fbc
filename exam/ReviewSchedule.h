#pragma once
// When a question is due for review, by FSRS-4.5, the Free Spaced
// Repetition Scheduler as its authors describe it ("The Algorithm", FSRS-4.5,
// github.com/open-spaced-repetition/fsrs4anki/wiki/The-Algorithm), with its
// default parameters and a retention of 90 %. A right answer is rated
// Good and a wrong one Again: the program knows no Hard or Easy.

#include "AnswerHistory.h"

#include <cstdint>
#include <vector>

namespace fsrs {

// What the model knows of one question: the days until the chance of
// recall falls to 90 %, and how hard the question is, from 1 to 10.
struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

// The chance of recall, days after the last answer.
double Retrievability(double days, double stability);
// The days after which the chance of recall falls to the retention asked.
double IntervalDays(double stability, double retention = 0.9);
MemoryState AfterFirstAnswer(bool right);
MemoryState AfterAnswer(const MemoryState& state, double elapsedDays, bool right);

} // namespace fsrs

constexpr int64_t kSecondsPerDay = 24 * 60 * 60;

// The state after a question's answers, oldest first, whole days apart as
// they were given.
fsrs::MemoryState MemoryAfter(const std::vector<AnswerEvent>& answers);
// When the question is next due: the last answer's time and the interval
// in whole days, at least one. Only for a question with answers.
int64_t DueTime(const std::vector<AnswerEvent>& answers);
// The chance of recall at `now` of a question with answers.
double RecallChance(const std::vector<AnswerEvent>& answers, int64_t now);

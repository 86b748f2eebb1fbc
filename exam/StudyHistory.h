#pragma once
// How much was answered, and how much of it right, day by day: the answer
// history of every book, counted by local day.

#include "AnswerHistory.h"

#include <cstdint>
#include <vector>

struct StudyDay {
    // The day's first second.
    int64_t start = 0;
    int answered = 0;
    int right = 0;
};

// The `days` days up to and including the one that holds `now`, oldest
// first.
std::vector<StudyDay> DailyAnswers(const AnswerHistory& history, int64_t now, int days);

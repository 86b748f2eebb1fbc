#pragma once
// The chance of passing a book's practice exam now: from each question's
// chance of being answered right, the exam's draw worked through exactly
// (every way the questions can be drawn, weighed by its chance), not
// simulated.

#include "BookQuestions.h"
#include "ExamSettings.h"

#include <cstdint>
#include <vector>

class COptions;

// The chance of answering a question right now: the scheduler's chance of
// recall where the history has it; else, from the record's sets, 0.9 for
// a question only ever right, 0.5 for one both missed and right, and a
// guess's 0.25 for one only missed or never answered.
double RightChance(const COptions& record, const CString& number, int64_t now);

// The chance that an exam drawn from book as settings say scores the pass
// mark or more, with rightChances[i] the chance of row i.
double PassChance(const std::vector<BookQuestion>& book, const std::vector<double>& rightChances,
                  const ExamSettings& settings);

// RightChance of each question of book, in its order.
std::vector<double> RightChances(const COptions& record, const std::vector<BookQuestion>& book, int64_t now);

// The right answers an exam of this many questions needs to pass.
int PassCount(const ExamSettings& settings, int questions);

// A chance as shown: whole percent, rounded down as every share is.
int ChancePercent(double chance);

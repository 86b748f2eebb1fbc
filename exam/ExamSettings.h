#pragma once
// What a practice exam asks: how many questions, the pass mark, the time
// allowed, and how the questions are drawn from the book.

#include "BookQuestions.h"

#include "afx/CrtRandom.h"

#include <optional>
#include <vector>

namespace litex {
struct StoredPracticeExam;
}

struct ExamSettings {
    int questions = 0;
    int passMarkPercent = 75;
    // 0: no time limit.
    int minutes = 0;
    // One question from each section, as licence exams draw them; else at
    // random from the whole book.
    bool perSection = false;
};

constexpr int kMaxExamMinutes = 600;

// The sections a book names, each once, in the order it first names them.
int CountSections(const std::vector<BookQuestion>& book);
// The rows of each of those sections; rows that name none are in none.
std::vector<std::vector<size_t>> RowsBySection(const std::vector<BookQuestion>& book);

// The exam the bank stores for the book when it is usable, else: a book of
// sections gets one question from each (at most 100), any other book 50
// questions at random; a minute a question, a pass mark of 75 percent.
// The questions never exceed the book.
ExamSettings DefaultExamSettings(const std::vector<BookQuestion>& book,
                                 const std::optional<litex::StoredPracticeExam>& stored);

// The rows of book the exam asks, by index. One from each section: the
// sections chosen at random when there are more than questions, the rest
// drawn at random from the whole book when there are fewer; the exam then
// runs in the book's order. At random: in the order drawn.
std::vector<size_t> DrawExam(const std::vector<BookQuestion>& book, const ExamSettings& settings,
                             afx::CrtRandom& random);

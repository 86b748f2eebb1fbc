#pragma once
// A practice exam under way: the questions drawn, the answer chosen for
// each (free to change until the end), the clock, and the result. Nothing
// is shown right or wrong until it finishes.

#include "BookQuestions.h"
#include "ExamSettings.h"
#include "Percent.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

class COptions;

struct ExamSectionResult {
    CString section;
    int questions = 0;
    int correct = 0;
};

struct ExamMiss {
    CString number;
    // -1: left unanswered.
    int chosen = -1;
    CString correct;
};

struct ExamResult {
    int questions = 0;
    int correct = 0;
    int passMarkPercent = 0;
    bool passed = false;
    bool timeRanOut = false;
    // In the order the exam asked them; empty when the book has no sections.
    std::vector<ExamSectionResult> sections;
    std::vector<ExamMiss> missed;

    int Percent() const { return WholePercent(correct, questions); }
};

class PracticeExam {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    PracticeExam(
        const ExamSettings& settings, std::vector<BookQuestion> questions,
        Clock clock = [] { return std::chrono::steady_clock::now(); });

    const ExamSettings& Settings() const { return m_settings; }
    int Size() const { return static_cast<int>(m_questions.size()); }
    const BookQuestion& Question(int index) const { return m_questions.at(static_cast<size_t>(index)); }

    // answer: 0 to 3 for A to D, -1 to take the answer back.
    void Choose(int index, int answer) { m_chosen.at(static_cast<size_t>(index)) = answer; }
    int Chosen(int index) const { return m_chosen.at(static_cast<size_t>(index)); }
    int AnsweredCount() const;

    bool HasTimeLimit() const { return m_settings.minutes > 0; }
    // Whole seconds left, never below 0; 0 without a time limit.
    int SecondsLeft() const;
    bool TimeIsUp() const { return HasTimeLimit() && SecondsLeft() == 0; }

    // Scores the exam and writes its outcomes to the record as commits do:
    // every question answered, and correct or missed; and keeps its score.
    // A question left unanswered counts as missed, as it would in the real
    // exam.
    ExamResult Finish(COptions& record, int64_t answeredAt) const;

private:
    ExamSettings m_settings;
    std::vector<BookQuestion> m_questions;
    std::vector<int> m_chosen;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_deadline;
};

#include "PracticeExam.h"

#include "COptions.h"

#include <algorithm>

PracticeExam::PracticeExam(const ExamSettings& settings, std::vector<BookQuestion> questions, Clock clock)
    : m_settings(settings), m_questions(std::move(questions)), m_chosen(m_questions.size(), -1),
      m_clock(std::move(clock)), m_deadline(m_clock() + std::chrono::minutes(settings.minutes))
{}

int PracticeExam::AnsweredCount() const
{
    return static_cast<int>(std::count_if(m_chosen.begin(), m_chosen.end(), [](int chosen) { return chosen >= 0; }));
}

int PracticeExam::SecondsLeft() const
{
    if (!HasTimeLimit())
        return 0;
    const auto left = std::chrono::duration_cast<std::chrono::seconds>(m_deadline - m_clock()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

ExamResult PracticeExam::Finish(COptions& record, int64_t answeredAt) const
{
    ExamResult result;
    result.questions = Size();
    result.passMarkPercent = m_settings.passMarkPercent;
    result.timeRanOut = TimeIsUp();
    SectionOrder sections;
    for (int i = 0; i < Size(); ++i) {
        const BookQuestion& question = Question(i);
        const bool right = IsCorrectAnswer(Chosen(i), question.correct);
        result.correct += right;
        // A question left open counts as missed in this result, but the
        // record keeps only what the user answered.
        if (Chosen(i) >= 0)
            record.AddOutcome(question.number, right, Chosen(i), answeredAt);
        if (!right)
            result.missed.push_back({question.number, Chosen(i), question.correct});
        if (question.section.IsEmpty())
            continue;
        const auto [place, added] = sections.Place(question.section);
        if (added)
            result.sections.push_back({question.section, 0, 0});
        ++result.sections[place].questions;
        result.sections[place].correct += right;
    }
    result.passed = 100LL * result.correct >= 1LL * result.passMarkPercent * result.questions && result.questions > 0;
    record.m_examScores.Add(
        {answeredAt, record.m_strTable, result.questions, result.correct, result.passMarkPercent, result.passed});
    return result;
}

#include "ExamScores.h"
#include "PackedBytes.h"

#include "afx/CArchive.h"

#include <algorithm>
#include <tuple>

namespace {

// A book's table name is short; a longer one is cut rather than let its
// length overflow its byte.
constexpr size_t kLongestTable = 0xFF;
// The questions an exam can have, as a bank may store it.
constexpr int kMostQuestions = 100000;

bool Earlier(const ExamScore& one, const ExamScore& other)
{
    return std::tie(one.time, one.table.Bytes(), one.questions, one.correct, one.passMarkPercent, one.passed) <
           std::tie(other.time, other.table.Bytes(), other.questions, other.correct, other.passMarkPercent,
                    other.passed);
}

void Tidy(std::vector<ExamScore>& scores)
{
    std::sort(scores.begin(), scores.end(), Earlier);
    scores.erase(std::unique(scores.begin(), scores.end()), scores.end());
    if (scores.size() > ExamScores::kKept)
        scores.erase(scores.begin(), scores.end() - static_cast<std::ptrdiff_t>(ExamScores::kKept));
}

} // namespace

bool ExamScore::IsSound() const
{
    return questions >= 1 && questions <= kMostQuestions && correct >= 0 && correct <= questions &&
           passMarkPercent >= 1 && passMarkPercent <= 100;
}

bool ExamScore::operator==(const ExamScore& other) const
{
    return !Earlier(*this, other) && !Earlier(other, *this);
}

void ExamScores::Add(const ExamScore& score)
{
    m_scores.push_back(score);
    Tidy(m_scores);
}

bool ExamScores::Merge(const ExamScores& other)
{
    const std::vector<ExamScore> before = m_scores;
    m_scores.insert(m_scores.end(), other.m_scores.begin(), other.m_scores.end());
    Tidy(m_scores);
    return m_scores != before;
}

// Each score: the time as eight bytes, low first; the table's length (one
// byte) and bytes; the questions and the correct as four bytes each; the
// pass mark and 1 or 0 for passed, a byte each.
void ExamScores::Store(CArchive& archive) const
{
    if (m_scores.empty())
        return;
    std::string packed;
    for (const ExamScore& score : m_scores) {
        const std::string& table = score.table.Bytes();
        const size_t length = std::min(table.size(), kLongestTable);
        PutNumber(packed, static_cast<uint64_t>(score.time), 8);
        packed += static_cast<char>(length);
        packed.append(table, 0, length);
        PutNumber(packed, static_cast<uint32_t>(score.questions), 4);
        PutNumber(packed, static_cast<uint32_t>(score.correct), 4);
        packed += static_cast<char>(score.passMarkPercent);
        packed += score.passed ? '\1' : '\0';
    }
    archive << CString(kMark) << CString(std::move(packed));
}

namespace {

// One exam's score; false where it is not one.
bool ReadScore(PackedBytes& packed, ExamScore& score)
{
    uint64_t time = 0;
    uint64_t length = 0;
    uint64_t questions = 0;
    uint64_t correct = 0;
    uint64_t passMark = 0;
    uint64_t passed = 0;
    if (!packed.Number(time, 8) || !packed.Number(length, 1) || !packed.Text(score.table, length) ||
        !packed.Number(questions, 4) || !packed.Number(correct, 4) || !packed.Number(passMark, 1) ||
        !packed.Number(passed, 1))
        return false;
    if (questions > kMostQuestions || correct > questions || passMark > 100 || passed > 1)
        return false;
    score.time = static_cast<int64_t>(time);
    score.questions = static_cast<int>(questions);
    score.correct = static_cast<int>(correct);
    score.passMarkPercent = static_cast<int>(passMark);
    score.passed = passed == 1;
    return score.IsSound();
}

} // namespace

bool ExamScores::Read(const std::string& packed)
{
    std::vector<ExamScore> read;
    PackedBytes reader(packed);
    while (!reader.AtEnd()) {
        ExamScore score;
        if (!ReadScore(reader, score))
            return false;
        read.push_back(std::move(score));
    }
    Tidy(read);
    m_scores = std::move(read);
    return true;
}

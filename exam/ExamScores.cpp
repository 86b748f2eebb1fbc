#include "ExamScores.h"

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

void PutNumber(std::string& packed, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        packed += static_cast<char>(value >> (8 * i));
}

} // namespace

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

class PackedScores {
public:
    explicit PackedScores(const std::string& bytes)
        : m_at(reinterpret_cast<const unsigned char*>(bytes.data())), m_end(m_at + bytes.size())
    {}

    bool AtEnd() const { return m_at == m_end; }

    bool Next(ExamScore& score)
    {
        uint64_t time = 0;
        uint64_t length = 0;
        uint64_t questions = 0;
        uint64_t correct = 0;
        if (!Number(time, 8) || !Number(length, 1) || static_cast<uint64_t>(m_end - m_at) < length)
            return false;
        score.table = CString(reinterpret_cast<const char*>(m_at), static_cast<int>(length));
        m_at += length;
        if (!Number(questions, 4) || !Number(correct, 4) || m_end - m_at < 2)
            return false;
        score.time = static_cast<int64_t>(time);
        score.questions = static_cast<int>(questions);
        score.correct = static_cast<int>(correct);
        score.passMarkPercent = *m_at++;
        const unsigned char passed = *m_at++;
        score.passed = passed == 1;
        return questions >= 1 && questions <= kMostQuestions && correct <= questions && score.passMarkPercent >= 1 &&
               score.passMarkPercent <= 100 && passed <= 1;
    }

private:
    bool Number(uint64_t& value, int bytes)
    {
        if (m_end - m_at < bytes)
            return false;
        value = 0;
        for (int b = bytes - 1; b >= 0; --b)
            value = (value << 8) | m_at[b];
        m_at += bytes;
        return true;
    }

    const unsigned char* m_at;
    const unsigned char* m_end;
};

} // namespace

bool ExamScores::Read(const std::string& packed)
{
    std::vector<ExamScore> read;
    PackedScores reader(packed);
    while (!reader.AtEnd()) {
        ExamScore score;
        if (!reader.Next(score))
            return false;
        read.push_back(std::move(score));
    }
    Tidy(read);
    m_scores = std::move(read);
    return true;
}

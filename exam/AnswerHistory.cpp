#include "AnswerHistory.h"

#include "afx/CArchive.h"

#include <algorithm>

namespace {
// Marks the block after the sets as a history, and its layout's version.
const char* const kMark = "Quillo answer history 1";

bool Earlier(const AnswerEvent& one, const AnswerEvent& other)
{
    if (one.time != other.time)
        return one.time < other.time;
    if (one.answer != other.answer)
        return one.answer < other.answer;
    return one.right < other.right;
}

// Sorted by time, each answer once, the newest kKeptPerQuestion kept.
void Tidy(std::vector<AnswerEvent>& answers)
{
    std::sort(answers.begin(), answers.end(), Earlier);
    answers.erase(std::unique(answers.begin(), answers.end()), answers.end());
    if (answers.size() > AnswerHistory::kKeptPerQuestion)
        answers.erase(answers.begin(), answers.end() - static_cast<std::ptrdiff_t>(AnswerHistory::kKeptPerQuestion));
}

bool IsAnswer(char answer)
{
    return answer == '?' || (answer >= 'A' && answer <= 'D');
}
} // namespace

void AnswerHistory::Add(const CString& key, const AnswerEvent& event)
{
    std::vector<AnswerEvent>& answers = m_answers[key];
    answers.push_back(event);
    if (answers.size() > 1 && !Earlier(answers[answers.size() - 2], event))
        Tidy(answers);
    else if (answers.size() > kKeptPerQuestion)
        answers.erase(answers.begin());
}

const std::vector<AnswerEvent>* AnswerHistory::Of(const CString& key) const
{
    const auto found = m_answers.find(key);
    return found != m_answers.end() ? &found->second : nullptr;
}

const AnswerEvent* AnswerHistory::Last(const CString& key) const
{
    const std::vector<AnswerEvent>* answers = Of(key);
    return answers != nullptr && !answers->empty() ? &answers->back() : nullptr;
}

size_t AnswerHistory::AnswerCount() const
{
    size_t count = 0;
    for (const auto& entry : m_answers)
        count += entry.second.size();
    return count;
}

bool AnswerHistory::Merge(const AnswerHistory& other)
{
    bool added = false;
    for (const auto& [key, theirs] : other.m_answers) {
        std::vector<AnswerEvent>& mine = m_answers[key];
        const std::vector<AnswerEvent> before = mine;
        mine.insert(mine.end(), theirs.begin(), theirs.end());
        Tidy(mine);
        added = added || mine != before;
    }
    return added;
}

// The mark as a string, the count of questions, then for each its key, the
// count of its answers and each answer: the time as two 4-byte halves, low
// first, then the letter and 1 or 0 for right, each a 4-byte integer.
void AnswerHistory::Store(CArchive& archive) const
{
    if (m_answers.empty())
        return;
    archive << CString(kMark);
    archive.WriteCount(static_cast<uint32_t>(m_answers.size()));
    for (const auto& [key, answers] : m_answers) {
        archive << key;
        archive.WriteCount(static_cast<uint32_t>(answers.size()));
        for (const AnswerEvent& event : answers) {
            const auto time = static_cast<uint64_t>(event.time);
            archive << static_cast<int32_t>(static_cast<uint32_t>(time)) << static_cast<int32_t>(time >> 32)
                    << static_cast<int32_t>(event.answer) << static_cast<int32_t>(event.right ? 1 : 0);
        }
    }
}

void AnswerHistory::Load(CArchive& archive)
{
    m_answers.clear();
    if (archive.AtEnd())
        return;
    Storage read;
    try {
        CString mark;
        archive >> mark;
        if (mark != kMark)
            return;
        const uint32_t questions = archive.ReadCount();
        for (uint32_t q = 0; q < questions; ++q) {
            CString key;
            archive >> key;
            const uint32_t count = archive.ReadCount();
            if (count == 0 || count > kKeptPerQuestion)
                return;
            std::vector<AnswerEvent>& answers = read[key];
            for (uint32_t i = 0; i < count; ++i) {
                int32_t low = 0;
                int32_t high = 0;
                int32_t answer = 0;
                int32_t right = 0;
                archive >> low >> high >> answer >> right;
                const uint64_t time =
                    (static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) | static_cast<uint32_t>(low);
                if (answer < 0 || answer > 127 || !IsAnswer(static_cast<char>(answer)) || (right != 0 && right != 1))
                    return;
                answers.push_back({static_cast<int64_t>(time), static_cast<char>(answer), right == 1});
            }
            Tidy(answers);
        }
    } catch (const CArchiveException&) {
        return;
    }
    m_answers = std::move(read);
}

#include "AnswerHistory.h"
#include "PackedBytes.h"

#include "afx/CArchive.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

namespace {
constexpr size_t kAnswerBytes = 10;
// A key is a book's table and a question's number; one longer than this is
// no bank's, and is cut rather than let its length overflow.
constexpr size_t kLongestKey = 0xFFFF;

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

// A history loaded into an empty one is taken whole, as a record opened
// at start-up is; otherwise each question's answers join in time order.
bool AnswerHistory::Merge(AnswerHistory other)
{
    if (m_answers.empty()) {
        m_answers = std::move(other.m_answers);
        return !m_answers.empty();
    }
    bool added = false;
    for (auto& [key, theirs] : other.m_answers) {
        std::vector<AnswerEvent>& mine = m_answers[key];
        const size_t size = mine.size();
        // Only a full list can change without growing: its oldest answers
        // give way to newer ones.
        const std::vector<AnswerEvent> before = size == kKeptPerQuestion ? mine : std::vector<AnswerEvent>();
        mine.insert(mine.end(), theirs.begin(), theirs.end());
        Tidy(mine);
        added = added || mine.size() != size || (size == kKeptPerQuestion && mine != before);
    }
    return added;
}

// The mark, then the whole history as one string: for each question its
// key (a 2-byte length, low first, and the bytes), the count of its
// answers (one byte) and the answers, kAnswerBytes each: the time as eight
// bytes, low first, the letter, and 1 or 0 for right.
void AnswerHistory::Store(CArchive& archive) const
{
    if (m_answers.empty())
        return;
    std::string packed;
    for (const auto& [key, answers] : m_answers) {
        if (answers.empty())
            continue;
        const std::string& bytes = key.Bytes();
        const size_t length = std::min<size_t>(bytes.size(), kLongestKey);
        PutNumber(packed, length, 2);
        packed.append(bytes, 0, length);
        PutNumber(packed, answers.size(), 1);
        for (const AnswerEvent& event : answers) {
            PutNumber(packed, static_cast<uint64_t>(event.time), 8);
            packed += event.answer;
            packed += event.right ? '\1' : '\0';
        }
    }
    archive << CString(kMark) << CString(std::move(packed));
}

namespace {

// One question's key and answers; false where they are not.
bool ReadQuestion(PackedBytes& packed, CString& key, std::vector<AnswerEvent>& answers)
{
    uint64_t length = 0;
    uint64_t count = 0;
    if (!packed.Number(length, 2) || !packed.Text(key, length) || !packed.Number(count, 1) || count == 0 ||
        count > AnswerHistory::kKeptPerQuestion || packed.Left() < count * kAnswerBytes)
        return false;
    answers.resize(count);
    for (AnswerEvent& event : answers) {
        uint64_t time = 0;
        uint64_t letter = 0;
        uint64_t right = 0;
        packed.Number(time, 8);
        packed.Number(letter, 1);
        packed.Number(right, 1);
        event = {static_cast<int64_t>(time), static_cast<char>(letter), right == 1};
        if (!IsAnswer(event.answer) || right > 1)
            return false;
    }
    return true;
}

} // namespace

bool AnswerHistory::Read(const std::string& packed)
{
    m_answers.clear();
    Storage read;
    PackedBytes reader(packed);
    while (!reader.AtEnd()) {
        CString key;
        std::vector<AnswerEvent> answers;
        if (!ReadQuestion(reader, key, answers))
            return false;
        if (!std::is_sorted(answers.begin(), answers.end(), Earlier))
            Tidy(answers);
        // Files of ours list the questions in order: each goes at the end.
        if (read.empty() || std::prev(read.end())->first < key) {
            read.emplace_hint(read.end(), std::move(key), std::move(answers));
        } else {
            std::vector<AnswerEvent>& held = read[key];
            held.insert(held.end(), answers.begin(), answers.end());
            Tidy(held);
        }
    }
    m_answers = std::move(read);
    return true;
}

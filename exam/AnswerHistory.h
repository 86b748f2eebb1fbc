#pragma once
// Every committed answer with its time, by question key, kept with the test
// record: the sets say what was ever missed or right, the history says in
// which order, so that a question missed and answered right since is told
// from one missed after being right.
//
// In a .nve file it follows the last set, where readers of the record's
// format read nothing: a record written with it loads field for field
// there, and one without it loads here as a record with no history.

#include "afx/CString.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CArchive;

struct AnswerEvent {
    int64_t time = 0;  // seconds since 1970, UTC
    char answer = '?'; // 'A' to 'D', '?' for none
    bool right = false;

    bool operator==(const AnswerEvent& other) const
    {
        return time == other.time && answer == other.answer && right == other.right;
    }
};

class AnswerHistory {
public:
    // Marks the block in the file, and its layout's version.
    static constexpr const char* kMark = "Quillo answer history 1";
    // Older answers than these are dropped: enough to schedule a question
    // and to draw weeks of progress, and a bound on the file.
    static constexpr size_t kKeptPerQuestion = 64;

    void Add(const CString& key, const AnswerEvent& event);
    // The question's answers, oldest first; null when it has none.
    const std::vector<AnswerEvent>* Of(const CString& key) const;
    const AnswerEvent* Last(const CString& key) const;
    bool IsEmpty() const { return m_answers.empty(); }
    size_t AnswerCount() const;
    void Clear() { m_answers.clear(); }

    // Takes in another history's answers; the same answer at the same time
    // is kept once. Returns whether anything was added.
    bool Merge(AnswerHistory other);

    using Storage = std::map<CString, std::vector<AnswerEvent>>;
    Storage::const_iterator begin() const { return m_answers.begin(); }
    Storage::const_iterator end() const { return m_answers.end(); }

    // Writes the mark and the history as one string; an empty one writes
    // nothing, so that the file is the record's format exactly.
    void Store(CArchive& archive) const;
    // Reads the string after the mark: false, and the history left empty,
    // where it is damaged anywhere.
    bool Read(const std::string& packed);

private:
    Storage m_answers;
};

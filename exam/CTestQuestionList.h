#pragma once
// The questions of the running test in test order, and the score over them.

#include "CTestQuestion.h"

#include <string>
#include <unordered_set>
#include <vector>

class CTestQuestionList {
public:
    virtual ~CTestQuestionList() = default;

    void Add(const CString& number);
    bool Contains(const CString& number) const;
    void RemoveAll();
    int GetSize() const { return static_cast<int>(m_entries.size()); }
    CTestQuestion GetAt(int index) const { return m_entries.at(static_cast<size_t>(index)); }
    CString GetNumber(int index) const { return m_entries.at(static_cast<size_t>(index)).m_strNumber; }
    void RecordAnswer(int index, int chosen, int correct, const CString& correctAnswer);

    // Method 0 scores against the whole test, any other against the answers.
    CString ScoreText(int method) const;

private:
    std::vector<CTestQuestion> m_entries;
    // Selection asks Contains for every candidate; the index keeps that cheap.
    std::unordered_set<std::string> m_numbers;
};

#pragma once
// The score of every practice exam taken, with its time, kept with the test
// record so that progress over the weeks shows in the exams as well as in
// the answers. In a .nve file it follows the answer history, where readers
// of the record's format read nothing.

#include "afx/CString.h"

#include <cstdint>
#include <string>
#include <vector>

class CArchive;

struct ExamScore {
    int64_t time = 0; // when it ended, seconds since 1970, UTC
    CString table;    // the book's table
    int questions = 0;
    int correct = 0;
    int passMarkPercent = 0;
    bool passed = false;

    // What an exam can be: 1 to 100,000 questions, no more correct than
    // asked, a pass mark of 1 to 100 percent.
    bool IsSound() const;
    bool operator==(const ExamScore& other) const;
};

class ExamScores {
public:
    // Marks the block in the file, and its layout's version.
    static constexpr const char* kMark = "Quillo exam scores 1";
    // Older exams than these are dropped: years of practice, and a bound
    // on the file.
    static constexpr size_t kKept = 1000;

    void Add(const ExamScore& score);
    // Oldest first.
    const std::vector<ExamScore>& All() const { return m_scores; }
    bool IsEmpty() const { return m_scores.empty(); }
    void Clear() { m_scores.clear(); }

    // Takes in another record's exams; the same exam is kept once. Returns
    // whether anything was added.
    bool Merge(const ExamScores& other);

    // Writes the mark and the scores as one string; none writes nothing.
    void Store(CArchive& archive) const;
    // Reads the string after the mark: false, and nothing kept, where any
    // of it is not a score.
    bool Read(const std::string& packed);

private:
    std::vector<ExamScore> m_scores;
};

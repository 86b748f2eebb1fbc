#pragma once
// A bank may hold the practice exam that fits each book in a table of its
// own, PRACTICE_EXAM (TableName, Questions, PassMark, Minutes, Draw), with
// Draw "section" for one question from each section, else "random". The
// table is optional: the book readers never look at it, and a bank without
// it, or with one this reader cannot read or whose figures are out of
// range, simply offers no stored exam.

#include "afx/CString.h"

#include <optional>

namespace litex {

class SQLiteDatabase;

struct StoredPracticeExam {
    int questions = 0;
    int passMark = 0;
    int minutes = 0;
    bool perSection = false;
};

constexpr const char* kPracticeExamTable = "PRACTICE_EXAM";
// A stored exam outside these bounds (or a pass mark outside 1 to 100
// percent) is not offered.
constexpr int kMostStoredQuestions = 100000;
constexpr int kMostStoredMinutes = 600;

std::optional<StoredPracticeExam> ReadStoredPracticeExam(SQLiteDatabase& database, const CString& table);

} // namespace litex

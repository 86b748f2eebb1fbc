#pragma once
// The plain forward-only cursor over a question table: every jump runs the
// query again from its first row and steps forward. Tests hold the question
// reader to it move by move.

#include "bank/CQuestionSet.h"

#include <sqlite3.h>

#include <ostream>
#include <string>
#include <vector>

// The thirteen fields of a question row as the reader's members hold them.
struct QuestionFields {
    int key = 0;
    std::vector<std::string> texts = std::vector<std::string>(12);

    bool operator==(const QuestionFields& other) const { return key == other.key && texts == other.texts; }
};
std::ostream& operator<<(std::ostream& out, const QuestionFields& fields);

QuestionFields FieldsOf(const CQuestionSet& reader);

class SteppingCursor {
public:
    SteppingCursor(sqlite3* db, const std::string& sql);
    ~SteppingCursor();
    SteppingCursor(const SteppingCursor&) = delete;
    SteppingCursor& operator=(const SteppingCursor&) = delete;

    int MoveFirst();
    int MoveNext();
    void Move(int n);
    void MovePrev() { Move(m_rowIndex - 1); }
    void MoveLast();
    int MoveToNumber(const std::string& number);
    // Counts from the first row, then goes back to the row it was on.
    int CountPool();

    int GetRowIndex() const { return m_rowIndex; }
    int HasRow() const { return m_hasRow; }
    const QuestionFields& Fields() const { return m_fields; }
    const std::string& Number() const { return m_fields.texts[1]; }

private:
    void Step();

    sqlite3_stmt* m_statement = nullptr;
    int m_rowIndex = -1;
    int m_hasRow = 0;
    QuestionFields m_fields;
};

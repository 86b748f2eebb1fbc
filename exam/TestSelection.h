#pragma once
// Turns the test record's settings into the questions of a test, taken
// from the question reader's current pool. Runs without a window: the view
// supplies the reader, the record, the list, the generator and the clock.

#include "afx/CString.h"
#include "afx/CrtRandom.h"

#include <ctime>
#include <functional>
#include <vector>

class COptions;
class CQuestionSet;
class CTestQuestionList;
namespace litex {
class SQLiteRecordset;
}

// Rows of the reader's query; the reader ends on the row it was on.
int CountPool(litex::SQLiteRecordset& reader);

// The count text read by the C library's atoi rules: 0 without leading digits.
int ParseTestSize(const CString& count);

class TestSelection {
public:
    using Clock = std::function<std::time_t()>;

    TestSelection(
        CQuestionSet& pool, const COptions& test, CTestQuestionList& list, afx::CrtRandom& random,
        Clock clock = [] { return std::time(nullptr); });

    // Empties the list and fills it with up to the smaller of testSize and
    // poolSize questions; returns how many it took.
    int SelectQuestions(int testSize, int poolSize);
    void SelectSequential(int n);
    void SelectRandom(int n, int poolSize);

private:
    // The first candidate is whatever the reader's fields hold.
    static constexpr int kCurrentFields = -2;
    // Adds the candidate of a row to the list when it passes and is new.
    void Consider(int row, std::vector<bool>& considered, int& n);

    CQuestionSet& m_pool;
    const COptions& m_test;
    CTestQuestionList& m_list;
    afx::CrtRandom& m_random;
    Clock m_clock;
};

#include "TestSelection.h"

#include "COptions.h"
#include "CTestQuestionList.h"

#include "bank/CQuestionSet.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

int CountPool(litex::SQLiteRecordset& reader)
{
    const int remembered = reader.GetRowIndex();
    const int count = reader.CountRows();
    reader.Move(remembered);
    return count;
}

// As Windows' atoi reads: a count past an int's range is the largest int,
// not the low bits of what was written.
int ParseTestSize(const CString& count)
{
    const long long value = std::strtoll(count, nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

TestSelection::TestSelection(CQuestionSet& pool, const COptions& test, CTestQuestionList& list, afx::CrtRandom& random,
                             Clock clock)
    : m_pool(pool), m_test(test), m_list(list), m_random(random), m_clock(std::move(clock))
{}

int TestSelection::SelectQuestions(int testSize, int poolSize)
{
    m_list.RemoveAll();
    const int n = std::min(testSize, poolSize);
    if (m_test.m_nMode == 0)
        SelectRandom(n, poolSize);
    else
        SelectSequential(n);
    return m_list.GetSize();
}

void TestSelection::SelectSequential(int n)
{
    if (n <= 0)
        return;
    do {
        if (m_test.Matches(m_pool.m_strNumber)) {
            m_list.Add(m_pool.m_strNumber);
            --n;
        }
        m_pool.MoveNext();
    } while (m_pool.HasRow() && n > 0);
}

// Draws land on row r * P / 32767, so only the largest draw steps past the
// last row; the product is 64-bit so that huge pools stay defined. A draw
// only names the row the reader would move to: the reader moves once, to
// the last draw. A row, once considered, can change nothing more, since the
// record does not change while a test is drawn and the list only grows; a
// filter that few rows pass takes all 10 * P draws, mostly of such rows.
void TestSelection::SelectRandom(int n, int poolSize)
{
    m_random.Seed(static_cast<unsigned>(m_clock()));
    if (n <= 0)
        return;
    std::vector<bool> considered(static_cast<size_t>(poolSize), false);
    const int64_t lastDraw = int64_t(10) * poolSize;
    int row = kCurrentFields;
    int target = 0;
    for (int64_t i = 0;; ++i) {
        if (row < 0 || row >= poolSize || !considered[static_cast<size_t>(row)])
            Consider(row, considered, n);
        const int64_t r = m_random.Next();
        target = static_cast<int>(r * poolSize / afx::RAND_MAX_CRT);
        row = m_pool.RowReachedBy(target);
        if (i == lastDraw || n == 0)
            break;
    }
    m_pool.Move(target);
}

// The class filter is asked once a row of the pool; the fields' own
// candidate and rows past the pool's size, every time.
void TestSelection::Consider(int row, std::vector<bool>& considered, int& n)
{
    if (row >= 0 && row < static_cast<int>(considered.size()))
        considered[static_cast<size_t>(row)] = true;
    const CString candidate = row == kCurrentFields ? m_pool.m_strNumber : m_pool.NumberAt(row);
    if (m_test.Matches(candidate) && !m_list.Contains(candidate)) {
        m_list.Add(candidate);
        --n;
    }
}

#include "TestSelection.h"

#include "COptions.h"
#include "CTestQuestionList.h"

#include "bank/CQuestionSet.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int CountPool(litex::SQLiteRecordset& reader)
{
    const int remembered = reader.GetRowIndex();
    int count = 0;
    reader.MoveFirst();
    while (reader.HasRow()) {
        reader.MoveNext();
        ++count;
    }
    reader.MoveFirst();
    reader.Move(remembered);
    return count;
}

int ParseTestSize(const CString& count)
{
    return std::atoi(count);
}

TestSelection::TestSelection(CQuestionSet& pool, const COptions& test, CTestQuestionList& list,
                             afx::CrtRandom& random, Clock clock)
    : m_pool(pool), m_test(test), m_list(list), m_random(random), m_clock(std::move(clock))
{
}

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
// last row; the product is 64-bit so that huge pools stay defined.
void TestSelection::SelectRandom(int n, int poolSize)
{
    m_random.Seed(static_cast<unsigned>(m_clock()));
    if (n <= 0)
        return;
    const int64_t lastDraw = int64_t(10) * poolSize;
    for (int64_t i = 0;; ++i) {
        const CString candidate = m_pool.m_strNumber;
        if (!m_list.Contains(candidate) && m_test.Matches(candidate)) {
            m_list.Add(candidate);
            --n;
        }
        const int64_t r = m_random.Next();
        m_pool.Move(static_cast<int>(r * poolSize / afx::RAND_MAX_CRT));
        if (i == lastDraw || n == 0)
            return;
    }
}

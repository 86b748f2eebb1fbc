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
    const int count = reader.CountRows();
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
// last row; the product is 64-bit so that huge pools stay defined. A draw
// only names the row the reader would move to: the reader moves once, to
// the last draw, and the class filter is asked once a row, since the record
// does not change while a test is drawn.
void TestSelection::SelectRandom(int n, int poolSize)
{
    m_random.Seed(static_cast<unsigned>(m_clock()));
    if (n <= 0)
        return;
    std::vector<Verdict> verdicts(static_cast<size_t>(poolSize), Verdict::Unknown);
    const int64_t lastDraw = int64_t(10) * poolSize;
    int row = kCurrentFields;
    int target = 0;
    for (int64_t i = 0;; ++i) {
        Consider(row, verdicts, n);
        const int64_t r = m_random.Next();
        target = static_cast<int>(r * poolSize / afx::RAND_MAX_CRT);
        row = m_pool.RowReachedBy(target);
        if (i == lastDraw || n == 0)
            break;
    }
    m_pool.Move(target);
}

void TestSelection::Consider(int row, std::vector<Verdict>& verdicts, int& n)
{
    Verdict* verdict = row >= 0 && row < static_cast<int>(verdicts.size()) ? &verdicts[static_cast<size_t>(row)]
                                                                             : nullptr;
    if (verdict != nullptr && *verdict == Verdict::Fails)
        return;
    const CString candidate = row == kCurrentFields ? m_pool.m_strNumber : m_pool.NumberAt(row);
    if (verdict == nullptr || *verdict == Verdict::Unknown) {
        const bool passes = m_test.Matches(candidate);
        if (verdict != nullptr)
            *verdict = passes ? Verdict::Passes : Verdict::Fails;
        if (!passes)
            return;
    }
    if (!m_list.Contains(candidate)) {
        m_list.Add(candidate);
        --n;
    }
}

// The test builder looks draws up without moving the reader; it must still
// build the very test, and leave the reader in the very state, that drawing
// by moving a re-run cursor does.

#include "OraclePools.h"
#include "SteppingCursor.h"
#include "TestBank.h"

#include "exam/COptions.h"
#include "exam/CTestQuestionList.h"
#include "exam/TestSelection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Selection as the plain rules state it, on the re-run cursor.
std::vector<std::string> OracleSelect(SteppingCursor& pool, const COptions& test, int testSize, int poolSize,
                                      std::time_t seed)
{
    std::vector<std::string> list;
    std::set<std::string> taken;
    const auto consider = [&](const std::string& number) {
        if (taken.count(number) == 0 && test.Matches(number.c_str())) {
            list.push_back(number);
            taken.insert(number);
            return true;
        }
        return false;
    };
    int n = std::min(testSize, poolSize);
    if (test.m_nMode != 0) {
        if (n <= 0)
            return list;
        do {
            if (test.Matches(pool.Number().c_str())) {
                list.push_back(pool.Number());
                --n;
            }
            pool.MoveNext();
        } while (pool.HasRow() && n > 0);
        return list;
    }
    afx::CrtRandom random;
    random.Seed(static_cast<unsigned>(seed));
    if (n <= 0)
        return list;
    for (long long i = 0;; ++i) {
        if (consider(pool.Number()))
            --n;
        pool.Move(static_cast<int>(random.Next() * static_cast<long long>(poolSize) / afx::RAND_MAX_CRT));
        if (i == 10LL * poolSize || n == 0)
            return list;
    }
}

std::vector<std::string> Numbers(const CTestQuestionList& list)
{
    std::vector<std::string> numbers;
    for (int i = 0; i < list.GetSize(); ++i)
        numbers.push_back(list.GetNumber(i).Bytes());
    return numbers;
}

// Records whose class filters pass everything, a few rows, or none.
std::vector<std::pair<std::string, COptions>> Records()
{
    std::vector<std::pair<std::string, COptions>> records(4);
    for (auto& record : records)
        record.second.m_strTable = "BOOK1";
    records[0].first = "every class";
    records[1].first = "missed only";
    for (const char* number : {"2", "5", "9", "33", "110"}) {
        records[1].second.AddAnswered(number);
        records[1].second.AddMissed(number);
    }
    records[1].second.m_bNew = 0;
    records[1].second.m_bCorrect = 0;
    records[2].first = "tagged only";
    records[2].second.AddTagged1("3");
    records[2].second.m_bUntagged = 0;
    records[3].first = "nothing passes";
    records[3].second.m_bNew = 0;
    return records;
}

} // namespace

TEST(SelectionOracle, SameTestAndSameReaderStateAsMovingTheCursor)
{
    for (const OraclePool& pool : OraclePools()) {
        TestBank bank(pool.sql);
        for (auto [recordName, record] : Records()) {
            for (int mode : {0, 1}) {
                record.m_nMode = mode;
                for (int size : {0, 4, 1000}) {
                    for (std::time_t seed : {1, 4242}) {
                        for (int startMove : {0, 1, 2}) {
                            SCOPED_TRACE(pool.name + ", " + recordName + ", mode " + std::to_string(mode) + ", size " +
                                         std::to_string(size) + ", seed " + std::to_string(seed) + ", start " +
                                         std::to_string(startMove));
                            CQuestionSet reader(bank.Database());
                            reader.Open(record.BuildSelectAll());
                            SteppingCursor oracle(bank.Database()->Handle(), record.BuildSelectAll().Bytes());
                            const int poolSize = CountPool(reader);
                            ASSERT_EQ(poolSize, oracle.CountPool());
                            // From the first row, from past the end, and from the middle.
                            if (startMove == 1) {
                                reader.MoveLast();
                                oracle.MoveLast();
                            } else if (startMove == 2) {
                                reader.Move(pool.rows / 2);
                                oracle.Move(pool.rows / 2);
                            }

                            CTestQuestionList list;
                            afx::CrtRandom random;
                            TestSelection selection(reader, record, list, random, [seed] { return seed; });
                            selection.SelectQuestions(size, poolSize);

                            ASSERT_EQ(Numbers(list), OracleSelect(oracle, record, size, poolSize, seed));
                            ASSERT_EQ(reader.GetRowIndex(), oracle.GetRowIndex());
                            ASSERT_EQ(reader.HasRow(), oracle.HasRow());
                            ASSERT_EQ(FieldsOf(reader), oracle.Fields());
                        }
                    }
                }
            }
        }
    }
}

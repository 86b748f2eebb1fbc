#include "TestBank.h"

#include "bank/CQuestionSet.h"
#include "exam/COptions.h"
#include "exam/CTestQuestionList.h"
#include "exam/TestSelection.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::string PoolSql(int rows)
{
    std::string sql = "CREATE TABLE BOOK1(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
                      " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT); BEGIN;";
    for (int i = 1; i <= rows; ++i)
        sql += "INSERT INTO BOOK1 VALUES(" + std::to_string(i) + ",'','Q" + std::to_string(i) + "','A','Question " +
               std::to_string(i) + "','','','','','','','','');";
    return sql + "COMMIT;";
}

std::vector<std::string> Numbers(const CTestQuestionList& list)
{
    std::vector<std::string> numbers;
    for (int i = 0; i < list.GetSize(); ++i)
        numbers.push_back(list.GetNumber(i).Bytes());
    return numbers;
}

class Selection : public testing::Test {
protected:
    explicit Selection(int rows = 20) : bank(PoolSql(rows)), pool(bank.Database())
    {
        test.m_strTable = "BOOK1";
        pool.Open(test.BuildSelectAll());
    }

    std::vector<std::string> Select(int testSize, std::time_t seed = 1000)
    {
        afx::CrtRandom random;
        TestSelection selection(pool, test, list, random, [seed] { return seed; });
        selection.SelectQuestions(testSize, CountPool(pool));
        return Numbers(list);
    }

    TestBank bank;
    CQuestionSet pool;
    COptions test;
    CTestQuestionList list;
};

} // namespace

TEST(TestSize, ReadsTheCountTextLikeAtoi)
{
    EXPECT_EQ(ParseTestSize("25"), 25);
    EXPECT_EQ(ParseTestSize("  +7 questions"), 7);
    EXPECT_EQ(ParseTestSize("-3"), -3);
    EXPECT_EQ(ParseTestSize("0"), 0);
    EXPECT_EQ(ParseTestSize(""), 0);
    EXPECT_EQ(ParseTestSize("abc"), 0);
    EXPECT_EQ(ParseTestSize("\xFF"), 0);
}

TEST_F(Selection, CountPoolLeavesTheReaderOnItsRow)
{
    pool.Move(7);
    EXPECT_EQ(CountPool(pool), 20);
    EXPECT_EQ(pool.GetRowIndex(), 7);
    EXPECT_EQ(pool.m_strNumber, "Q8");
}

TEST_F(Selection, SequentialTakesTheFirstRowsInQueryOrder)
{
    test.m_nMode = 1;
    EXPECT_EQ(Select(3), (std::vector<std::string>{"Q1", "Q2", "Q3"}));
    EXPECT_TRUE(Select(0).empty());
    EXPECT_TRUE(Select(-5).empty());
}

TEST_F(Selection, SequentialFromALaterRowNeverWraps)
{
    test.m_nMode = 1;
    pool.Move(17);
    EXPECT_EQ(Select(10), (std::vector<std::string>{"Q18", "Q19", "Q20"}));
}

TEST_F(Selection, SequentialSkipsWhatTheClassFilterTakesOut)
{
    test.m_nMode = 1;
    test.AddAnswered("Q2");
    test.AddCorrect("Q2");
    test.m_bCorrect = 0;
    EXPECT_EQ(Select(3), (std::vector<std::string>{"Q1", "Q3", "Q4"}));
}

TEST_F(Selection, ACountAboveThePoolTakesAtMostThePool)
{
    test.m_nMode = 1;
    EXPECT_EQ(Select(500).size(), 20u);
    test.m_nMode = 0;
    const auto numbers = Select(500);
    EXPECT_LE(numbers.size(), 20u);
    EXPECT_EQ(std::set<std::string>(numbers.begin(), numbers.end()).size(), numbers.size());
}

TEST_F(Selection, RandomStartsAtTheStartingRowAndRepeatsForTheSameSeed)
{
    test.m_nMode = 0;
    pool.Move(4);
    const auto first = Select(8, 42);
    ASSERT_EQ(first.size(), 8u);
    EXPECT_EQ(first[0], "Q5");
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 8u);
    pool.Move(4);
    EXPECT_EQ(Select(8, 42), first);
    pool.Move(4);
    EXPECT_NE(Select(8, 43), first);
}

TEST_F(Selection, RandomStopsAfterTenTimesThePoolPlusOneCandidates)
{
    test.m_nMode = 0;
    test.m_bNew = 0; // nothing answered yet: nothing passes
    afx::CrtRandom random;
    TestSelection selection(pool, test, list, random, [] { return std::time_t(77); });
    EXPECT_EQ(selection.SelectQuestions(5, 20), 0);

    afx::CrtRandom oracle;
    oracle.Seed(77);
    for (int draw = 0; draw < 10 * 20 + 1; ++draw)
        oracle.Next();
    EXPECT_EQ(random.Next(), oracle.Next());
}

TEST_F(Selection, RandomCanEndShortOfThePassingQuestions)
{
    test.m_nMode = 0;
    test.m_bNew = 0;
    test.AddAnswered("Q20");
    test.AddMissed("Q20");
    // Only the last row passes; it is reached by a jump to row 19 or by
    // the one draw that steps past the end.
    const auto numbers = Select(3, 5);
    EXPECT_LE(numbers.size(), 1u);
}

class LargePool : public Selection {
protected:
    LargePool() : Selection(70000) {}
};

TEST_F(LargePool, RandomSelectionStaysInsideThePoolAbove65538Rows)
{
    test.m_nMode = 0;
    const auto numbers = Select(30, 9);
    EXPECT_EQ(numbers.size(), 30u);
    for (const std::string& number : numbers)
        EXPECT_EQ(number[0], 'Q');
}

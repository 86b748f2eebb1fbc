// The reader remembers the rows it has read; whatever the moves, it must
// end every one of them exactly where a cursor that re-runs its query does.

#include "OraclePools.h"
#include "SteppingCursor.h"
#include "TestBank.h"

#include <gtest/gtest.h>

#include <random>

namespace {

void ExpectSameState(const CQuestionSet& reader, const SteppingCursor& oracle, const std::string& move)
{
    ASSERT_EQ(reader.GetRowIndex(), oracle.GetRowIndex()) << "after " << move;
    ASSERT_EQ(reader.HasRow(), oracle.HasRow()) << "after " << move;
    ASSERT_EQ(FieldsOf(reader), oracle.Fields()) << "after " << move;
}

std::string RandomNumber(std::mt19937& random, int rows)
{
    // Now and then a number no row has, or one written differently.
    switch (random() % 6) {
    case 0:
        return "999999";
    case 1:
        return "0" + std::to_string(random() % (rows + 1) + 1);
    default:
        return std::to_string(random() % (rows + 1) + 1);
    }
}

} // namespace

TEST(RememberedRows, EveryMoveEndsWhereARerunCursorEnds)
{
    for (const OraclePool& pool : OraclePools()) {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(pool.name + ", seed " + std::to_string(seed));
            TestBank bank(pool.sql);
            CQuestionSet reader(bank.Database());
            reader.Open("SELECT * FROM 'BOOK1'");
            SteppingCursor oracle(bank.Database()->Handle(), "SELECT * FROM 'BOOK1'");
            ExpectSameState(reader, oracle, "Open");

            std::mt19937 random(seed);
            for (int step = 0; step < 400; ++step) {
                const int n = static_cast<int>(random() % (pool.rows + 5)) - 2;
                std::string move;
                switch (random() % 7) {
                case 0:
                    reader.MoveFirst();
                    oracle.MoveFirst();
                    move = "MoveFirst";
                    break;
                case 1:
                case 2:
                    reader.MoveNext();
                    oracle.MoveNext();
                    move = "MoveNext";
                    break;
                case 3:
                    reader.Move(n);
                    oracle.Move(n);
                    move = "Move(" + std::to_string(n) + ")";
                    break;
                case 4:
                    reader.MovePrev();
                    oracle.MovePrev();
                    move = "MovePrev";
                    break;
                case 5:
                    reader.MoveLast();
                    oracle.MoveLast();
                    move = "MoveLast";
                    break;
                default: {
                    const std::string number = RandomNumber(random, pool.rows);
                    ASSERT_EQ(reader.MoveToNumber(number.c_str()), oracle.MoveToNumber(number));
                    move = "MoveToNumber(" + number + ")";
                }
                }
                ExpectSameState(reader, oracle, move);
            }
        }
    }
}

TEST(RememberedRows, ReopeningForgetsWhatWasRead)
{
    TestBank bank("CREATE TABLE T(k INTEGER, s TEXT, num TEXT); INSERT INTO T VALUES(1,'a','1'), (2,'b','2');");
    CQuestionSet reader(bank.Database());
    reader.Open("SELECT * FROM T");
    reader.MoveLast();
    reader.Open("SELECT * FROM T WHERE k = 2");
    EXPECT_EQ(reader.m_nKey, 2);
    EXPECT_EQ(reader.MoveToNumber("1"), 0);
    EXPECT_EQ(reader.CountRows(), 1);

    reader.Close();
    reader.Open("SELECT * FROM T");
    EXPECT_EQ(reader.MoveToNumber("1"), 1);
    EXPECT_EQ(reader.m_nKey, 1);
}

TEST(RememberedRows, PeekingAtRowsLeavesTheCursorAlone)
{
    TestBank bank(QuestionBankSql(1, 6));
    CQuestionSet reader(bank.Database());
    reader.Open("SELECT * FROM BOOK1");
    reader.MoveNext();

    EXPECT_EQ(reader.RowReachedBy(-3), 0);
    EXPECT_EQ(reader.RowReachedBy(4), 4);
    EXPECT_EQ(reader.RowReachedBy(40), 5);
    EXPECT_EQ(std::string(reader.NumberAt(5)), "6");
    EXPECT_EQ(reader.CountRows(), 6);
    EXPECT_EQ(reader.GetRowIndex(), 1);
    EXPECT_EQ(std::string(reader.m_strNumber), "2");
}

// Rows of several hundred kilobytes fill block after block of the reader's
// memory, which a new query reuses: every row must still read as written.
TEST(RememberedRows, LongRowsReadBackWholeAcrossBlocksAndQueries)
{
    TestBank bank("CREATE TABLE BOOK1(id, c1, num, correct, Question, a, b, c, d, diagram, folder, c11, c12);"
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40)"
                  " INSERT INTO BOOK1 SELECT i, '', i, 'A', printf('%d%.*c', i, 60000 + i * 7919 % 100000, 'x'),"
                  " '', '', '', '', '', '', '', '' FROM n;");
    CQuestionSet reader(bank.Database());
    for (const char* order : {"id", "id DESC"}) {
        reader.Open((std::string("SELECT * FROM BOOK1 ORDER BY ") + order).c_str());
        reader.MoveLast();
        reader.MoveFirst();
        for (int row = 0; row < 40; ++row, reader.MoveNext()) {
            const int id = order[2] == 0 ? row + 1 : 40 - row;
            EXPECT_EQ(std::string(reader.m_strQuestion),
                      std::to_string(id) + std::string(60000 + id * 7919 % 100000, 'x'));
        }
    }
}

#include "TestBank.h"

#include "MessageRecorder.h"

#include "afx/AbortSignal.h"
#include "bank/SQLiteException.h"

#include <gtest/gtest.h>

namespace {

const char* const kThreeRows = "CREATE TABLE T(k INTEGER, s TEXT);"
                               "INSERT INTO T VALUES(10,'ten');"
                               "INSERT INTO T VALUES(11,'eleven');"
                               "INSERT INTO T VALUES(12,'twelve');";

class Recordset : public testing::Test {
protected:
    TestBank bank{kThreeRows};
    PairReader reader{bank.Database()};
};

} // namespace

TEST_F(Recordset, EmptyResultIsBeforeAndAfterWithMembersUntouched)
{
    EXPECT_EQ(reader.Open("SELECT * FROM T WHERE k > 99"), 0);
    EXPECT_TRUE(reader.IsOpen());
    EXPECT_TRUE(reader.IsBOF());
    EXPECT_TRUE(reader.IsEOF());
    EXPECT_EQ(reader.GetRowIndex(), -1);
    EXPECT_EQ(reader.m_nFirst, -100);
    EXPECT_EQ(reader.m_strSecond, "untouched");
    EXPECT_EQ(reader.exchanges, 1); // called after the step even with no row
}

TEST_F(Recordset, OpenLandsOnTheFirstRow)
{
    EXPECT_EQ(reader.Open("SELECT * FROM T"), 1);
    EXPECT_TRUE(reader.IsFirst());
    EXPECT_FALSE(reader.IsBOF());
    EXPECT_EQ(reader.m_nFirst, 10);
    EXPECT_EQ(reader.m_strSecond, "ten");
}

TEST_F(Recordset, MoveLastKeepsTheLastRowThenMovePrevGoesToTheOneBefore)
{
    reader.Open("SELECT * FROM T");
    reader.MoveLast();
    EXPECT_TRUE(reader.IsEOF());
    EXPECT_EQ(reader.GetRowIndex(), 2);
    EXPECT_EQ(reader.m_strSecond, "twelve");
    reader.MovePrev();
    EXPECT_EQ(reader.GetRowIndex(), 1);
    EXPECT_EQ(reader.m_strSecond, "eleven");
    EXPECT_FALSE(reader.IsEOF());
}

TEST_F(Recordset, MovePrevOnTheFirstRowStaysThere)
{
    reader.Open("SELECT * FROM T");
    reader.MovePrev();
    EXPECT_EQ(reader.GetRowIndex(), 0);
    EXPECT_EQ(reader.m_strSecond, "ten");
    reader.Move(0);
    EXPECT_EQ(reader.GetRowIndex(), 0);
}

TEST_F(Recordset, MovePastTheEndOfTwoRowsKeepsTheLastRow)
{
    reader.Open("SELECT * FROM T WHERE k < 12");
    reader.Move(2);
    EXPECT_TRUE(reader.IsEOF());
    EXPECT_EQ(reader.GetRowIndex(), 1);
    EXPECT_EQ(reader.m_strSecond, "eleven");
    // Stepping on at the end neither restarts the query nor moves.
    EXPECT_EQ(reader.MoveNext(), 0);
    EXPECT_EQ(reader.GetRowIndex(), 1);
    EXPECT_EQ(reader.m_strSecond, "eleven");
}

TEST_F(Recordset, NullColumnsReadAsZeroAndEmpty)
{
    reader.Open("SELECT NULL, NULL");
    EXPECT_EQ(reader.m_nFirst, 0);
    EXPECT_EQ(reader.m_strSecond, "");
    // Past the last column reads as NULL too.
    EXPECT_EQ(reader.GetString(7), "");
    EXPECT_EQ(reader.GetInt(7), 0);
}

TEST_F(Recordset, FailedPrepareShowsTheMessageAndLeavesTheRecordsetClosed)
{
    MessageRecorder messages;
    reader.Open("SELECT * FROM T");
    try {
        reader.Open("SELECT * FROM 'BOOK1'");
        ADD_FAILURE() << "no abort signal";
    } catch (int code) {
        EXPECT_EQ(code, afx::kAbortSQLite);
    }
    EXPECT_FALSE(reader.IsOpen());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "SQLite exception.Error code: 1Error message: no such table: BOOK1");
}

TEST_F(Recordset, StepFailureReachesTheCallerWithoutAMessage)
{
    MessageRecorder messages;
    try {
        reader.Open("SELECT abs(-9223372036854775808)");
        ADD_FAILURE() << "no exception";
    } catch (const litex::SQLiteException& e) {
        EXPECT_EQ(e.Code(), 1);
        EXPECT_STREQ(e.what(), "integer overflow");
    }
    EXPECT_TRUE(messages.texts.empty());
    // The failed statement is still held; closing it reports the failure
    // once and releases it all the same.
    EXPECT_TRUE(reader.IsOpen());
    EXPECT_THROW(reader.Close(), litex::SQLiteException);
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_NO_THROW(reader.Close());
}

TEST_F(Recordset, ExceptionCopiesCarryCodeAndMessage)
{
    try {
        reader.Open("SELECT abs(-9223372036854775808)");
    } catch (const litex::SQLiteException& e) {
        // The copy is what is tested.
        // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
        const litex::SQLiteException copy = e;
        EXPECT_EQ(copy.Code(), 1);
        EXPECT_EQ(copy.Message(), "integer overflow");
    }
}

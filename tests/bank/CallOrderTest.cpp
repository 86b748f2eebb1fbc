#include "SqliteCallLog.h"
#include "TestBank.h"

#include "MessageRecorder.h"

#include "bank/SQLiteException.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using Calls = std::vector<std::string>;

TEST(SqliteCallOrder, OpenStepCloseAndDestroy)
{
    auto bank = std::make_unique<TestBank>(
        "CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(1,'a'); INSERT INTO T VALUES(2,NULL);");
    auto reader = std::make_unique<PairReader>(bank->Database());
    sqlite_log::Clear();

    // A row is copied whole, one value a column, as it is stepped.
    reader->Open("SELECT * FROM T");
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_prepare_v2", "sqlite3_reset", "sqlite3_step",
                                        "sqlite3_column_value", "sqlite3_column_value"}));
    sqlite_log::Clear();
    reader->MoveNext();
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_step", "sqlite3_column_value", "sqlite3_column_value"}));
    EXPECT_EQ(reader->m_nFirst, 2);
    EXPECT_EQ(std::string(reader->m_strSecond), "");
    sqlite_log::Clear();
    reader->MoveNext();  // end of rows: nothing is read
    reader->MoveNext();  // and nothing more is stepped
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_step"}));

    // Rows already read are not read again.
    sqlite_log::Clear();
    reader->MovePrev();
    reader->MoveFirst();
    reader->Move(1);
    reader->MoveLast();
    EXPECT_TRUE(sqlite_log::calls.empty());
    EXPECT_EQ(reader->m_nFirst, 2);

    sqlite_log::Clear();
    reader->Open("SELECT * FROM T");
    EXPECT_EQ(sqlite_log::WithoutColumnReads(),
              (Calls{"sqlite3_finalize", "sqlite3_prepare_v2", "sqlite3_reset", "sqlite3_step"}));

    sqlite_log::Clear();
    reader.reset();
    bank.reset();
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_finalize", "sqlite3_interrupt", "sqlite3_close"}));
}

TEST(SqliteCallOrder, Error14IsShownWithTheCodeAndSQLiteText)
{
    litex::SQLiteDatabase database;
    sqlite3_open("/nonexistent-folder/bank.db", &database.m_handle);
    PairReader reader(&database);
    MessageRecorder messages;
    sqlite_log::Clear();
    sqlite_log::failNextPrepareWith = 14;

    EXPECT_THROW(reader.Open("SELECT * FROM T"), int);
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_prepare_v2", "sqlite3_errmsg"}));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "SQLite exception.Error code: 14Error message: unable to open database file");
}

TEST(SqliteCallOrder, AFailedStepIsReportedAndTheNextMoveReadsOnWhereItStopped)
{
    TestBank bank("CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(1,'a'), (2,'b'), (3,'c');");
    PairReader reader(bank.Database());
    reader.Open("SELECT * FROM T");
    sqlite_log::failNextStepWith = SQLITE_IOERR;

    EXPECT_THROW(reader.MoveNext(), litex::SQLiteException);
    EXPECT_EQ(reader.GetRowIndex(), 0);
    EXPECT_EQ(reader.m_nFirst, 1);

    // SQLite starts the statement over; the row already held is passed by.
    sqlite_log::Clear();
    EXPECT_EQ(reader.MoveNext(), 1);
    EXPECT_EQ(sqlite_log::WithoutColumnReads(), (Calls{"sqlite3_reset", "sqlite3_step", "sqlite3_step"}));
    EXPECT_EQ(reader.m_nFirst, 2);
    reader.MoveNext();
    EXPECT_EQ(reader.m_nFirst, 3);
    EXPECT_EQ(reader.MoveNext(), 0);
}

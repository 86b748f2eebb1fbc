#include "SqliteCallLog.h"
#include "TestBank.h"

#include "MessageRecorder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using Calls = std::vector<std::string>;

TEST(SqliteCallOrder, OpenStepCloseAndDestroy)
{
    auto bank = std::make_unique<TestBank>(
        "CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(1,'a'); INSERT INTO T VALUES(2,NULL);");
    auto reader = std::make_unique<PairReader>(bank->Database());
    sqlite_log::Clear();

    // A row is copied whole as it is stepped: type first, then the integer
    // and the text of every column that is not NULL.
    reader->Open("SELECT * FROM T");
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_prepare_v2", "sqlite3_reset", "sqlite3_step",
                                        "sqlite3_column_type", "sqlite3_column_int", "sqlite3_column_text",
                                        "sqlite3_column_type", "sqlite3_column_int", "sqlite3_column_text"}));
    sqlite_log::Clear();
    reader->MoveNext();  // the NULL column is never fetched
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_step", "sqlite3_column_type", "sqlite3_column_int",
                                        "sqlite3_column_text", "sqlite3_column_type"}));
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

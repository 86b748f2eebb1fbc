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

    // Open reads the query to its end, each row whole, one value a column,
    // so that the statement holds no lock on the bank afterwards.
    reader->Open("SELECT * FROM T");
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_prepare_v2", "sqlite3_reset", "sqlite3_step", "sqlite3_column_value",
                                        "sqlite3_column_value", "sqlite3_step", "sqlite3_column_value",
                                        "sqlite3_column_value", "sqlite3_step"}));

    // Rows already read are not read again.
    sqlite_log::Clear();
    reader->MoveNext();
    EXPECT_EQ(reader->m_nFirst, 2);
    EXPECT_EQ(std::string(reader->m_strSecond), "");
    reader->MoveNext();
    reader->MoveNext();
    reader->MovePrev();
    reader->MoveFirst();
    reader->Move(1);
    reader->MoveLast();
    EXPECT_TRUE(sqlite_log::calls.empty());
    EXPECT_EQ(reader->m_nFirst, 2);

    sqlite_log::Clear();
    reader->Open("SELECT * FROM T");
    EXPECT_EQ(sqlite_log::WithoutColumnReads(), (Calls{"sqlite3_finalize", "sqlite3_prepare_v2", "sqlite3_reset",
                                                       "sqlite3_step", "sqlite3_step", "sqlite3_step"}));

    sqlite_log::Clear();
    reader.reset();
    bank.reset();
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_finalize", "sqlite3_interrupt", "sqlite3_close"}));
}

TEST(SqliteCallOrder, Error14IsShownWithTheCodeAndSQLiteText)
{
    litex::SQLiteDatabase database;
    database.Open("/nonexistent-folder/bank.db", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    PairReader reader(&database);
    MessageRecorder messages;
    sqlite_log::Clear();
    sqlite_log::failNextPrepareWith = 14;

    EXPECT_THROW(reader.Open("SELECT * FROM T"), int);
    EXPECT_EQ(sqlite_log::calls, (Calls{"sqlite3_prepare_v2", "sqlite3_errmsg"}));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "SQLite exception.Error code: 14Error message: unable to open database file");
}

TEST(SqliteCallOrder, AFailedStepIsReportedAndTheNextMoveReadsOnWhereItStopped)
{
    TestBank bank("CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(1,'a'), (2,'b'), (3,'c');");
    PairReader reader(bank.Database());
    sqlite_log::failNextStepWith = SQLITE_IOERR;
    sqlite_log::stepsBeforeFailure = 1;
    EXPECT_THROW(reader.Open("SELECT * FROM T"), litex::SQLiteException);

    sqlite_log::Clear();
    EXPECT_EQ(reader.MoveFirst(), 1);
    EXPECT_EQ(reader.m_nFirst, 1);
    EXPECT_TRUE(sqlite_log::calls.empty());

    // SQLite starts the statement over; the row already held is passed by.
    EXPECT_EQ(reader.MoveNext(), 1);
    EXPECT_EQ(sqlite_log::WithoutColumnReads(), (Calls{"sqlite3_reset", "sqlite3_step", "sqlite3_step"}));
    EXPECT_EQ(reader.m_nFirst, 2);
    reader.MoveNext();
    EXPECT_EQ(reader.m_nFirst, 3);
    EXPECT_EQ(reader.MoveNext(), 0);
}

// Nothing shows the default query's rows, so start-up reads its first row
// only; the bank stays free for writers, and a later move reads on.
TEST(SqliteCallOrder, TheDefaultQueryReadsOneRowHoldsNoLockAndReadsOnWhenMoved)
{
    TestBank bank("CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(1,'a'), (2,'b'), (3,'c');");
    struct DefaultReader : PairReader {
        using PairReader::PairReader;
        CString GetDefaultSQL() override { return "SELECT * FROM T"; }
    } reader(bank.Database());
    sqlite_log::Clear();
    reader.OpenDefault();
    EXPECT_EQ(sqlite_log::WithoutColumnReads(),
              (Calls{"sqlite3_prepare_v2", "sqlite3_reset", "sqlite3_step", "sqlite3_reset"}));
    EXPECT_EQ(reader.m_nFirst, 1);

    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(bank.Path().c_str(), &writer), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(writer, "INSERT INTO T VALUES(4,'d')", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(writer);

    sqlite_log::Clear();
    reader.MoveLast();
    EXPECT_EQ(reader.m_nFirst, 4);
    EXPECT_EQ(sqlite_log::WithoutColumnReads(),
              (Calls{"sqlite3_reset", "sqlite3_step", "sqlite3_step", "sqlite3_step", "sqlite3_step", "sqlite3_step"}));
}

// How a question bank is opened: only ever read, only the file it names,
// recovered as SQLite recovers it, and never past the limits.

#include "TestBank.h"

#include "MessageRecorder.h"

#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"
#include "bank/SQLiteException.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const kTwoRows = "CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(1,'one'), (2,'two');";

int Exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

} // namespace

TEST(QuestionBankFile, TheConnectionCanNeitherWriteNorLoadExtensions)
{
    TestBank bank(kTwoRows);
    sqlite3* db = bank.Database()->Handle();
    EXPECT_EQ(Exec(db, "INSERT INTO T VALUES(3,'three')"), SQLITE_READONLY);
    EXPECT_NE(Exec(db, "SELECT load_extension('/nonexistent/x')"), SQLITE_OK);
    EXPECT_NE(std::string(sqlite3_errmsg(db)).find("not authorized"), std::string::npos) << sqlite3_errmsg(db);
    EXPECT_NE(Exec(db, "ATTACH 'other.db' AS o"), SQLITE_OK);
}

// A name that reads as an SQLite URI is only ever a file name.
TEST(QuestionBankFile, AFileNameThatLooksLikeAUriOpensThatFile)
{
    TempFolder folder;
    BuildBankFile(folder.File("other.db"), "CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(9,'other');");
    std::string encoded;
    for (const char ch : folder.File("other.db"))
        encoded += ch == '/' ? std::string("%2F") : std::string(1, ch);
    const std::string name = "file:" + encoded + "?x=.db";
    BuildBankFile(folder.File(name), kTwoRows);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    litex::SQLiteDatabase database;
    const std::string problem = litex::OpenQuestionBank(database, name.c_str());
    std::filesystem::current_path(previous);
    EXPECT_EQ(problem, "");
    PairReader reader(&database);
    reader.Open("SELECT * FROM T");
    EXPECT_EQ(reader.m_nFirst, 1);
}

// The writer died mid-transaction, leaving a hot journal: the bank reads as
// it was before that transaction.
TEST(QuestionBankFile, ABankLeftHalfWrittenIsRolledBackAndRead)
{
    TempFolder folder;
    const std::string path = folder.File("crashed.db");
    BuildBankFile(path, kTwoRows);
    const pid_t writer = fork();
    if (writer == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        const int written = Exec(db, "PRAGMA cache_size=1; BEGIN; DELETE FROM T;"
                                     "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c LIMIT 2000)"
                                     " INSERT INTO T SELECT x, hex(randomblob(500)) FROM c;");
        _exit(written == SQLITE_OK ? 0 : 1);
    }
    int status = 0;
    waitpid(writer, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_EQ(access((path + "-journal").c_str(), F_OK), 0);
    struct stat info {};
    stat(path.c_str(), &info);
    ASSERT_GT(info.st_size, 100000); // the half-written pages reached the file

    litex::SQLiteDatabase database;
    EXPECT_EQ(litex::OpenQuestionBank(database, path.c_str()), "");
    PairReader reader(&database);
    reader.Open("SELECT * FROM T");
    EXPECT_EQ(reader.CountRows(), 2);
    EXPECT_EQ(std::string(reader.m_strSecond), "one");
    EXPECT_NE(access((path + "-journal").c_str(), F_OK), 0);
}

// The rows held keep no lock, so another program may change the bank; the
// next query asks before it reads a bank that is not the one opened, and a
// bank replaced by another file is told of while the opened one goes on.
TEST(QuestionBankFile, ABankChangedOrReplacedUnderTheProgramIsUsedOnlyAsTheUserConfirms)
{
    TestBank bank(kTwoRows);
    PairReader reader(bank.Database());
    reader.Open("SELECT * FROM T");
    sqlite3* writer = nullptr;
    sqlite3_open(bank.Path().c_str(), &writer);
    EXPECT_EQ(Exec(writer, "INSERT INTO T VALUES(3,'three')"), SQLITE_OK) << sqlite3_errmsg(writer);
    sqlite3_close(writer);
    EXPECT_EQ(reader.CountRows(), 2);

    MessageRecorder user;
    user.answers = {afx::IDNO, afx::IDYES};
    EXPECT_THROW(reader.Open("SELECT * FROM T"), int);
    reader.Open("SELECT * FROM T");
    EXPECT_EQ(reader.CountRows(), 3);
    ASSERT_EQ(user.texts.size(), 2u);
    EXPECT_NE(user.texts[0].find(bank.Path() + " was changed by another program"), std::string::npos);

    const std::string other = bank.Path() + ".new";
    BuildBankFile(other, "CREATE TABLE T(k INTEGER, s TEXT); INSERT INTO T VALUES(9,'nine');");
    ASSERT_EQ(std::rename(other.c_str(), bank.Path().c_str()), 0);
    reader.Open("SELECT * FROM T");
    reader.Open("SELECT * FROM T");
    EXPECT_EQ(reader.CountRows(), 3);
    ASSERT_EQ(user.texts.size(), 3u);
    EXPECT_NE(user.texts[2].find("was replaced or removed since Quillo opened it"), std::string::npos);
}

TEST(QuestionBankFile, AQueryWithoutEndStopsAtTheRowCeilingWithAMessageNamingTheBank)
{
    TestBank bank("CREATE VIEW T AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c)"
                  " SELECT x, '' FROM c;");
    PairReader reader(bank.Database());
    try {
        reader.Open("SELECT * FROM T");
        FAIL() << "no limit was reached";
    } catch (const litex::SQLiteException& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The question bank " + bank.Path() + " is too large to read: one query has more than 1000000 rows.");
    }
}

// The bank is read in runs of many pages; a run must never outlive a change
// another program makes, in either journal mode. The bank fits in one run.
TEST(QuestionBankFile, RowsChangedByAnotherProgramAreReadNewInEveryJournalMode)
{
    for (const char* mode : {"DELETE", "WAL"}) {
        SCOPED_TRACE(mode);
        std::string sql = std::string("PRAGMA journal_mode=") + mode +
                          "; CREATE TABLE T(k INTEGER, s TEXT); WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL "
                          "SELECT k + 1 FROM n WHERE k < 300) INSERT INTO T SELECT k, printf('old %0120d', k) FROM n;";
        TestBank bank(sql);
        PairReader reader(bank.Database());
        reader.Open("SELECT * FROM T");
        ASSERT_EQ(reader.CountRows(), 300);

        sqlite3* writer = nullptr;
        sqlite3_open(bank.Path().c_str(), &writer);
        ASSERT_EQ(Exec(writer, "UPDATE T SET s = printf('new %0120d', k) WHERE k % 7 = 3;"
                               "PRAGMA wal_checkpoint(TRUNCATE)"),
                  SQLITE_OK)
            << sqlite3_errmsg(writer);
        sqlite3_close(writer);

        MessageRecorder user;
        user.answers = {afx::IDYES};
        reader.Open("SELECT * FROM T");
        int rows = 0;
        for (reader.MoveFirst(); !reader.IsEOF(); reader.MoveNext(), ++rows) {
            const char* expected = reader.m_nFirst % 7 == 3 ? "new " : "old ";
            ASSERT_EQ(std::string(reader.m_strSecond).substr(0, 4), expected) << "row " << reader.m_nFirst;
        }
        EXPECT_EQ(rows, 300);
    }
}

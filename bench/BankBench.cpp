#include "bank/CQuestionSet.h"
#include "bank/SQLiteDatabase.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <string>

namespace {

// A question table of the given size, shared by both sides of a pair.
class BenchBank {
public:
    explicit BenchBank(int questions)
    {
        sqlite3_open(":memory:", &m_database.m_handle);
        sqlite3* db = m_database.m_handle;
        sqlite3_exec(db, "CREATE TABLE BOOK1(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
                         " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);"
                         "BEGIN;", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO BOOK1 VALUES(?1,'s',?1,'B','What is the answer to question ' || ?1 || '?',"
                               "'first','second','third','fourth','','','','')", -1, &insert, nullptr);
        for (int i = 1; i <= questions; ++i) {
            sqlite3_bind_int(insert, 1, i);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    }
    litex::SQLiteDatabase* Database() { return &m_database; }

private:
    litex::SQLiteDatabase m_database;
};

void PlainSqlitePass(benchmark::State& state)
{
    BenchBank bank(static_cast<int>(state.range(0)));
    sqlite3* db = bank.Database()->m_handle;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM 'BOOK1'", -1, &stmt, nullptr);
        size_t bytes = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int column = 1; column < 13; ++column)
                bytes += static_cast<size_t>(sqlite3_column_bytes(stmt, column)) +
                         (sqlite3_column_text(stmt, column) ? 1 : 0);
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(bytes);
    }
}

void QuestionSetPass(benchmark::State& state)
{
    BenchBank bank(static_cast<int>(state.range(0)));
    CQuestionSet questions(bank.Database());
    for (auto _ : state) {
        questions.OpenDefault();
        while (!questions.IsEOF())
            questions.MoveNext();
        benchmark::DoNotOptimize(questions.m_strQuestion.GetLength());
    }
}

} // namespace

BENCHMARK(PlainSqlitePass)->Arg(1000)->Arg(20000);
BENCHMARK(QuestionSetPass)->Arg(1000)->Arg(20000);
BENCHMARK_MAIN();

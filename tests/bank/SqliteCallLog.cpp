#include "SqliteCallLog.h"

#include <sqlite3.h>

namespace sqlite_log {

std::vector<std::string> calls;
int failNextPrepareWith = 0;
int failNextStepWith = 0;
int stepsBeforeFailure = 0;

void Clear()
{
    calls.clear();
    failNextPrepareWith = 0;
    failNextStepWith = 0;
    stepsBeforeFailure = 0;
}

std::vector<std::string> WithoutColumnReads()
{
    std::vector<std::string> kept;
    for (const std::string& call : calls)
        if (call.rfind("sqlite3_column_", 0) != 0)
            kept.push_back(call);
    return kept;
}

} // namespace sqlite_log

extern "C" {

int __real_sqlite3_open(const char*, sqlite3**);
int __real_sqlite3_prepare_v2(sqlite3*, const char*, int, sqlite3_stmt**, const char**);
int __real_sqlite3_step(sqlite3_stmt*);
int __real_sqlite3_reset(sqlite3_stmt*);
int __real_sqlite3_finalize(sqlite3_stmt*);
sqlite3_value* __real_sqlite3_column_value(sqlite3_stmt*, int);
const char* __real_sqlite3_errmsg(sqlite3*);
void __real_sqlite3_interrupt(sqlite3*);
int __real_sqlite3_close(sqlite3*);

int __wrap_sqlite3_open(const char* path, sqlite3** db)
{
    sqlite_log::calls.emplace_back("sqlite3_open");
    return __real_sqlite3_open(path, db);
}

int __wrap_sqlite3_prepare_v2(sqlite3* db, const char* sql, int length, sqlite3_stmt** stmt, const char** tail)
{
    sqlite_log::calls.emplace_back("sqlite3_prepare_v2");
    if (const int code = sqlite_log::failNextPrepareWith) {
        sqlite_log::failNextPrepareWith = 0;
        *stmt = nullptr;
        return code;
    }
    return __real_sqlite3_prepare_v2(db, sql, length, stmt, tail);
}

int __wrap_sqlite3_step(sqlite3_stmt* stmt)
{
    sqlite_log::calls.emplace_back("sqlite3_step");
    const int result = __real_sqlite3_step(stmt);
    if (sqlite_log::failNextStepWith != 0 && sqlite_log::stepsBeforeFailure-- == 0) {
        const int code = sqlite_log::failNextStepWith;
        sqlite_log::failNextStepWith = 0;
        return code;
    }
    return result;
}

int __wrap_sqlite3_reset(sqlite3_stmt* stmt)
{
    sqlite_log::calls.emplace_back("sqlite3_reset");
    return __real_sqlite3_reset(stmt);
}

int __wrap_sqlite3_finalize(sqlite3_stmt* stmt)
{
    sqlite_log::calls.emplace_back("sqlite3_finalize");
    return __real_sqlite3_finalize(stmt);
}

sqlite3_value* __wrap_sqlite3_column_value(sqlite3_stmt* stmt, int column)
{
    sqlite_log::calls.emplace_back("sqlite3_column_value");
    return __real_sqlite3_column_value(stmt, column);
}

const char* __wrap_sqlite3_errmsg(sqlite3* db)
{
    sqlite_log::calls.emplace_back("sqlite3_errmsg");
    return __real_sqlite3_errmsg(db);
}

void __wrap_sqlite3_interrupt(sqlite3* db)
{
    sqlite_log::calls.emplace_back("sqlite3_interrupt");
    __real_sqlite3_interrupt(db);
}

int __wrap_sqlite3_close(sqlite3* db)
{
    sqlite_log::calls.emplace_back("sqlite3_close");
    return __real_sqlite3_close(db);
}

} // extern "C"

#include "BankLimits.h"

#include "SQLiteDatabase.h"
#include "TextConversion.h"

#include <sqlite3.h>

namespace litex {
namespace {

struct Limit {
    int id;
    int value;
};

// SQLite's own advice for databases from untrusted sources, with room for
// long filters in the LIKE pattern and long questions in a cell.
constexpr Limit kLimits[] = {
    {SQLITE_LIMIT_LENGTH, kMaxCellBytes}, {SQLITE_LIMIT_SQL_LENGTH, 100'000}, {SQLITE_LIMIT_COLUMN, 100},
    {SQLITE_LIMIT_EXPR_DEPTH, 10},        {SQLITE_LIMIT_COMPOUND_SELECT, 3},  {SQLITE_LIMIT_VDBE_OP, 25'000},
    {SQLITE_LIMIT_FUNCTION_ARG, 8},       {SQLITE_LIMIT_ATTACHED, 0},         {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 1'000},
    {SQLITE_LIMIT_VARIABLE_NUMBER, 10},   {SQLITE_LIMIT_TRIGGER_DEPTH, 10},
};

int InterruptWhenTimeIsUp(void* database)
{
    return static_cast<const SQLiteDatabase*>(database)->StatementTimeIsUp() ? 1 : 0;
}

std::string Named(const SQLiteDatabase& database, const std::string& what)
{
    return "The question bank " + Utf8ToAnsi(database.m_strPath.c_str()) + " is too large to read: " + what + ".";
}

} // namespace

void ApplyBankLimits(SQLiteDatabase& database)
{
    for (const Limit& limit : kLimits)
        sqlite3_limit(database.Handle(), limit.id, limit.value);
    sqlite3_progress_handler(database.Handle(), 1000, InterruptWhenTimeIsUp, &database);
    sqlite3_hard_heap_limit64(kMaxHeapBytes);
}

std::string LimitMessage(const SQLiteDatabase& database, int code)
{
    switch (code & 0xFF) {
    case SQLITE_TOOBIG:
        return Named(database, "a text in it is longer than " + std::to_string(kMaxCellBytes) + " bytes");
    case SQLITE_INTERRUPT:
        return Named(database, "a query ran longer than " + std::to_string(kStatementTime.count()) + " seconds");
    case SQLITE_NOMEM:
        return Named(database, "reading it needs more memory than Quillo may use");
    default:
        return std::string();
    }
}

std::string RowLimitMessage(const SQLiteDatabase& database, bool bytes)
{
    return Named(database, bytes
                               ? "one query brings in more than " + std::to_string(kMaxBytesHeld >> 20) + " MB of text"
                               : "one query has more than " + std::to_string(kMaxRowsHeld) + " rows");
}

} // namespace litex

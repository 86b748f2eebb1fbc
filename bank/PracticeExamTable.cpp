#include "PracticeExamTable.h"

#include "SQLiteDatabase.h"
#include "TextConversion.h"

#include <sqlite3.h>

#include <cstring>
#include <memory>

namespace litex {

std::optional<StoredPracticeExam> ReadStoredPracticeExam(SQLiteDatabase& database, const CString& table)
{
    if (database.m_handle == nullptr)
        return std::nullopt;
    database.ArmStatementClock();
    sqlite3_stmt* raw = nullptr;
    const std::string sql =
        std::string("SELECT Questions, PassMark, Minutes, Draw FROM ") + kPracticeExamTable + " WHERE TableName = ?1";
    if (sqlite3_prepare_v2(database.m_handle, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        return std::nullopt;
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    const std::string name = AnsiToUtf8(table);
    sqlite3_bind_text(raw, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(raw) != SQLITE_ROW)
        return std::nullopt;
    const auto* draw = reinterpret_cast<const char*>(sqlite3_column_text(raw, 3));
    return StoredPracticeExam{sqlite3_column_int(raw, 0), sqlite3_column_int(raw, 1), sqlite3_column_int(raw, 2),
                              draw != nullptr && std::strcmp(draw, "section") == 0};
}

} // namespace litex

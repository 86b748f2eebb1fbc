#include "PracticeExamTable.h"

#include "SQLiteDatabase.h"
#include "SQLiteStatement.h"
#include "TextConversion.h"

#include <sqlite3.h>

#include <cstring>

namespace litex {

std::optional<StoredPracticeExam> ReadStoredPracticeExam(SQLiteDatabase& database, const CString& table)
{
    if (database.Handle() == nullptr)
        return std::nullopt;
    database.ArmStatementClock();
    SQLiteStatement statement(&database);
    const std::string sql =
        std::string("SELECT Questions, PassMark, Minutes, Draw FROM ") + kPracticeExamTable + " WHERE TableName = ?1";
    if (statement.Prepare(sql.c_str()) != SQLITE_OK)
        return std::nullopt;
    sqlite3_stmt* raw = statement.Handle();
    const std::string name = AnsiToUtf8(table);
    sqlite3_bind_text(raw, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(raw) != SQLITE_ROW)
        return std::nullopt;
    const auto* draw = reinterpret_cast<const char*>(sqlite3_column_text(raw, 3));
    return StoredPracticeExam{sqlite3_column_int(raw, 0), sqlite3_column_int(raw, 1), sqlite3_column_int(raw, 2),
                              draw != nullptr && std::strcmp(draw, "section") == 0};
}

} // namespace litex

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
    // Read whole and held to what the exam can be: a count of 2^32 + 10
    // must not become 10.
    const sqlite3_int64 questions = sqlite3_column_int64(raw, 0);
    const sqlite3_int64 passMark = sqlite3_column_int64(raw, 1);
    const sqlite3_int64 minutes = sqlite3_column_int64(raw, 2);
    if (questions < 1 || questions > kMostStoredQuestions || passMark < 1 || passMark > 100 || minutes < 0 ||
        minutes > kMostStoredMinutes)
        return std::nullopt;
    const auto* draw = reinterpret_cast<const char*>(sqlite3_column_text(raw, 3));
    return StoredPracticeExam{static_cast<int>(questions), static_cast<int>(passMark), static_cast<int>(minutes),
                              draw != nullptr && std::strcmp(draw, "section") == 0};
}

} // namespace litex

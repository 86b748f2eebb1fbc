#include "ExplanationTable.h"

#include "SQLiteDatabase.h"
#include "SQLiteStatement.h"
#include "TextConversion.h"

#include <sqlite3.h>

#include <string>

namespace litex {

std::optional<CString> ReadExplanation(SQLiteDatabase& database, const CString& table, const CString& number)
{
    if (database.Handle() == nullptr)
        return std::nullopt;
    database.ArmStatementClock();
    SQLiteStatement statement(&database);
    const std::string sql =
        std::string("SELECT Explanation FROM ") + kExplanationTable + " WHERE TableName = ?1 AND Number = ?2";
    if (statement.Prepare(sql.c_str()) != SQLITE_OK)
        return std::nullopt;
    sqlite3_stmt* raw = statement.Handle();
    const std::string tableName = AnsiToUtf8(table);
    const std::string questionNumber = AnsiToUtf8(number);
    sqlite3_bind_text(raw, 1, tableName.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(raw, 2, questionNumber.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(raw) != SQLITE_ROW)
        return std::nullopt;
    // Text only: a number or a blob stored there by another program is not
    // an explanation. The connection's own limits bound its length.
    if (sqlite3_column_type(raw, 0) != SQLITE_TEXT)
        return std::nullopt;
    const std::string explanation = Utf8ToAnsi(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0)));
    if (explanation.find_first_not_of(" \t\r\n") == std::string::npos)
        return std::nullopt;
    return CString(explanation);
}

} // namespace litex

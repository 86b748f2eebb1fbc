#include "SQLiteException.h"

#include "TextConversion.h"

#include <sqlite3.h>

#include <utility>

namespace litex {

SQLiteException::SQLiteException(sqlite3* connection, int code)
    : std::runtime_error(""), m_nCode(code), m_strMessage(Utf8ToAnsi(sqlite3_errmsg(connection)))
{}

SQLiteException::SQLiteException(int code, std::string message)
    : std::runtime_error(""), m_nCode(code), m_strMessage(std::move(message))
{}

void RaiseIfError(sqlite3* connection, int code)
{
    if (code != SQLITE_OK)
        throw SQLiteException(connection, code);
}

} // namespace litex

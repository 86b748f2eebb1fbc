#include "SQLiteException.h"

#include "TextConversion.h"

#include <sqlite3.h>

namespace litex {

SQLiteException::SQLiteException(sqlite3* connection, int code)
    : std::runtime_error(""), m_nCode(code), m_strMessage(Utf8ToAnsi(sqlite3_errmsg(connection)))
{
}

void RaiseIfError(sqlite3* connection, int code)
{
    if (code != SQLITE_OK)
        throw SQLiteException(connection, code);
}

} // namespace litex

#include "SQLiteStatement.h"

#include <sqlite3.h>

namespace litex {

SQLiteStatement::~SQLiteStatement()
{
    if (m_handle != nullptr)
        sqlite3_finalize(m_handle);
}

} // namespace litex

#include "SQLiteStatement.h"

#include "SQLiteDatabase.h"

#include <sqlite3.h>

namespace litex {

SQLiteStatement::~SQLiteStatement()
{
    Finalize();
}

int SQLiteStatement::Prepare(const char* sql)
{
    return sqlite3_prepare_v2(m_pDatabase->Handle(), sql, -1, &m_handle, nullptr);
}

int SQLiteStatement::Finalize()
{
    if (m_handle == nullptr)
        return SQLITE_OK;
    const int result = sqlite3_finalize(m_handle);
    m_handle = nullptr;
    return result;
}

} // namespace litex

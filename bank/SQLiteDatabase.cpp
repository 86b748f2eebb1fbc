#include "SQLiteDatabase.h"

#include <sqlite3.h>

namespace litex {

SQLiteDatabase::~SQLiteDatabase()
{
    if (m_handle != nullptr) {
        sqlite3_interrupt(m_handle);
        sqlite3_close(m_handle);
    }
}

} // namespace litex

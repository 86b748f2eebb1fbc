#include "SQLiteDatabase.h"

#include "BankLimits.h"

#include <sqlite3.h>

namespace litex {

SQLiteDatabase::~SQLiteDatabase()
{
    if (m_handle != nullptr) {
        sqlite3_interrupt(m_handle);
        sqlite3_close(m_handle);
    }
}

void SQLiteDatabase::ArmStatementClock()
{
    m_deadline = std::chrono::steady_clock::now() + kStatementTime;
}

bool SQLiteDatabase::StatementTimeIsUp() const
{
    return std::chrono::steady_clock::now() > m_deadline;
}

} // namespace litex

#include "SQLiteDatabase.h"

#include "BankLimits.h"

#include "afx/AbortSignal.h"
#include "afx/MessageBox.h"

#include <sqlite3.h>

namespace litex {

SQLiteDatabase::~SQLiteDatabase()
{
    if (m_handle != nullptr) {
        sqlite3_interrupt(m_handle);
        sqlite3_close(m_handle);
    }
}

int SQLiteDatabase::Open(const char* name, int flags, const char* vfs)
{
    Close();
    return sqlite3_open_v2(name, &m_handle, flags, vfs);
}

void SQLiteDatabase::Close()
{
    sqlite3_close(m_handle);
    m_handle = nullptr;
}

void SQLiteDatabase::ArmStatementClock()
{
    m_deadline = std::chrono::steady_clock::now() + kStatementTime;
}

bool SQLiteDatabase::StatementTimeIsUp() const
{
    return std::chrono::steady_clock::now() > m_deadline;
}

void SQLiteDatabase::RememberBankFile()
{
    m_bankFile = afx::IdentityOf(m_strPath.c_str());
}

void SQLiteDatabase::ConfirmBankUnchanged()
{
    if (!m_bankFile.exists)
        return;
    const afx::FileIdentity now = afx::IdentityOf(m_strPath.c_str());
    if (now == m_bankFile)
        return;
    const CString path(m_strPath);
    if (!now.SameFile(m_bankFile)) {
        m_bankFile = now;
        afx::MessageBoxNamingFile("The question bank %1 was replaced or removed since Quillo opened it. Quillo "
                                  "goes on with the questions it opened; start Quillo again to use the new bank.",
                                  path);
        return;
    }
    const int answer = afx::MessageBoxNamingFile(
        "The question bank %1 was changed by another program since Quillo opened it: its books and questions "
        "may no longer be the ones this test was set up on.\nGo on with the bank as it is now?",
        path, afx::MB_YESNO);
    if (answer != afx::IDYES)
        afx::ThrowAbortSignal(afx::kAbortBankChanged);
    m_bankFile = now;
}

} // namespace litex

#include "SQLiteRecordset.h"

#include "SQLiteDatabase.h"
#include "SQLiteException.h"
#include "SQLiteStatement.h"
#include "TextConversion.h"

#include "afx/AbortSignal.h"
#include "afx/MessageBox.h"

#include <sqlite3.h>

namespace litex {

SQLiteRecordset::SQLiteRecordset(SQLiteDatabase* database)
    : m_pDatabase(database), m_pStatement(nullptr), m_nRowIndex(-1), m_bHasRow(0)
{
}

SQLiteRecordset::~SQLiteRecordset()
{
    // A destructor cannot report: the statement is released either way.
    try {
        Close();
    } catch (const SQLiteException&) {
    }
}

int SQLiteRecordset::Open(const CString& sql)
{
    m_strSQL = sql;
    if (m_pStatement != nullptr)
        Close();

    auto* statement = new SQLiteStatement(m_pDatabase);
    try {
        const std::string utf8 = AnsiToUtf8(m_strSQL);
        RaiseIfError(m_pDatabase->m_handle,
                     sqlite3_prepare_v2(m_pDatabase->m_handle, utf8.c_str(), -1,
                                        &statement->m_handle, nullptr));
    } catch (const SQLiteException& e) {
        delete statement;
        CString text;
        text.Format("SQLite exception.Error code: %dError message: %s", e.Code(), e.what());
        AfxMessageBox(text);
        afx::ThrowAbortSignal(afx::kAbortSQLite);
    }
    m_pStatement = statement;
    return MoveFirst();
}

void SQLiteRecordset::OpenDefault()
{
    Open(GetDefaultSQL());
}

CString SQLiteRecordset::GetDefaultConnect()
{
    return CString();
}

CString SQLiteRecordset::GetDefaultSQL()
{
    return CString();
}

void SQLiteRecordset::Close()
{
    if (m_pStatement == nullptr)
        return;
    const int result = sqlite3_finalize(m_pStatement->m_handle);
    m_pStatement->m_handle = nullptr;
    delete m_pStatement;
    m_pStatement = nullptr;
    RaiseIfError(m_pDatabase->m_handle, result);
}

bool SQLiteRecordset::IsOpen() const
{
    return m_pStatement != nullptr;
}

int SQLiteRecordset::MoveFirst()
{
    RaiseIfError(m_pDatabase->m_handle, sqlite3_reset(m_pStatement->m_handle));
    m_nRowIndex = -1;
    m_bHasRow = 0;
    return Step();
}

// Once the query has run to its end there is nothing further to read:
// stepping again would make SQLite start the query over, so the cursor
// stays where it is.
int SQLiteRecordset::MoveNext()
{
    if (m_bHasRow == 0)
        return 0;
    return Step();
}

int SQLiteRecordset::Step()
{
    const int result = sqlite3_step(m_pStatement->m_handle);
    if (result == SQLITE_ROW) {
        m_bHasRow = 1;
        ++m_nRowIndex;
    } else if (result == SQLITE_DONE || result == SQLITE_OK) {
        m_bHasRow = 0;
    } else {
        throw SQLiteException(m_pDatabase->m_handle, result);
    }
    DoFieldExchange();
    return m_bHasRow;
}

void SQLiteRecordset::Move(int n)
{
    MoveFirst();
    for (int i = 0; i < n; ++i)
        MoveNext();
}

void SQLiteRecordset::MovePrev()
{
    Move(m_nRowIndex - 1);
}

void SQLiteRecordset::MoveLast()
{
    while (m_bHasRow == 1)
        MoveNext();
}

int SQLiteRecordset::GetInt(int column) const
{
    if (sqlite3_column_type(m_pStatement->m_handle, column) == SQLITE_NULL)
        return 0;
    return sqlite3_column_int(m_pStatement->m_handle, column);
}

CString SQLiteRecordset::GetString(int column) const
{
    if (sqlite3_column_type(m_pStatement->m_handle, column) == SQLITE_NULL)
        return CString();
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement->m_handle, column));
    return CString(Utf8ToAnsi(text));
}

} // namespace litex

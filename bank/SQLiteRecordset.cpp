#include "SQLiteRecordset.h"

#include "BankLimits.h"
#include "SQLiteDatabase.h"
#include "SQLiteException.h"
#include "SQLiteStatement.h"
#include "TextConversion.h"

#include "afx/AbortSignal.h"
#include "afx/MessageBox.h"

#include <sqlite3.h>

#include <algorithm>
#include <limits>

namespace litex {

SQLiteRecordset::SQLiteRecordset(SQLiteDatabase* database) : m_pDatabase(database), m_nRowIndex(-1), m_bHasRow(0) {}

SQLiteRecordset::~SQLiteRecordset()
{
    // A destructor cannot report: the statement is released either way.
    try {
        Close();
    } catch (const SQLiteException&) {}
}

int SQLiteRecordset::Open(const CString& sql)
{
    return OpenReading(sql, std::numeric_limits<int>::max());
}

// Nothing shows the default query's rows before the reader is opened on
// another query, so only its first row is read: a big book is then read
// once at start-up, for the test's pool.
void SQLiteRecordset::OpenDefault()
{
    OpenReading(GetDefaultSQL(), 0);
}

int SQLiteRecordset::OpenReading(const CString& sql, int lastRowRead)
{
    m_pDatabase->ConfirmBankUnchanged();
    m_strSQL = sql;
    // The rows of the old query go; their storage is kept for the new one.
    FinalizeStatement();

    auto statement = std::make_unique<SQLiteStatement>(m_pDatabase);
    m_pDatabase->ArmStatementClock();
    try {
        const std::string utf8 = AnsiToUtf8(m_strSQL);
        RaiseIfError(m_pDatabase->Handle(), statement->Prepare(utf8.c_str()));
    } catch (const SQLiteException& e) {
        CString text(LimitMessage(*m_pDatabase, e.Code()));
        if (text.IsEmpty())
            text.Format("SQLite exception.Error code: %dError message: %s", e.Code(), e.what());
        AfxMessageBox(text);
        afx::ThrowAbortSignal(afx::kAbortSQLite);
    }
    m_pStatement = std::move(statement);
    RaiseIfError(m_pDatabase->Handle(), sqlite3_reset(m_pStatement->Handle()));
    // The rows are read at once and the statement then ends, or is reset
    // when rows are left, and with it the read lock on the bank, so other
    // programs may change the bank while this one runs.
    FetchRow(lastRowRead);
    if (!m_bQueryDone) {
        sqlite3_reset(m_pStatement->Handle());
        m_bPaused = true;
    }
    return MoveFirst();
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
    m_rows.Release();
    FinalizeStatement();
}

void SQLiteRecordset::FinalizeStatement()
{
    if (m_pStatement == nullptr)
        return;
    m_rows.Clear();
    m_bQueryDone = false;
    m_bStepFailed = false;
    m_bPaused = false;
    const int result = m_pStatement->Finalize();
    m_pStatement.reset();
    RaiseIfError(m_pDatabase->Handle(), result);
}

bool SQLiteRecordset::IsOpen() const
{
    return m_pStatement != nullptr;
}

int SQLiteRecordset::MoveFirst()
{
    Land(0);
    return m_bHasRow;
}

// Past the last row there is nothing further to read, so the cursor stays
// where it is.
int SQLiteRecordset::MoveNext()
{
    if (m_bHasRow == 0)
        return 0;
    if (FetchRow(m_nRowIndex + 1))
        Exchange(m_nRowIndex + 1, 1);
    else
        Exchange(m_nRowIndex, 0);
    return m_bHasRow;
}

void SQLiteRecordset::Move(int n)
{
    Land(std::max(n, 0));
}

void SQLiteRecordset::MovePrev()
{
    Move(m_nRowIndex - 1);
}

void SQLiteRecordset::MoveLast()
{
    if (m_bHasRow == 1)
        Land(std::numeric_limits<int>::max());
}

int SQLiteRecordset::MoveToFirstMatch(int column, const CString& text)
{
    // Compared as C strings, as the readers' callers compare numbers.
    const std::string key(static_cast<const char*>(text));
    int row = m_rows.FindFirst(column, key);
    while (row < 0 && FetchRow(m_rows.RowCount()))
        row = m_rows.FindFirst(column, key);
    if (row < 0) {
        MoveFirst();
        MoveLast();
        return 0;
    }
    Land(row);
    return 1;
}

int SQLiteRecordset::CountRows()
{
    FetchRow(std::numeric_limits<int>::max());
    return m_rows.RowCount();
}

int SQLiteRecordset::RowReachedByReading(int target)
{
    return FetchRow(target) ? target : m_rows.RowCount() - 1;
}

CString SQLiteRecordset::GetColumnName(int column) const
{
    if (m_pStatement == nullptr)
        return CString();
    const char* name = sqlite3_column_name(m_pStatement->Handle(), column);
    return CString(name != nullptr ? Utf8ToAnsi(name).c_str() : "");
}

CString SQLiteRecordset::GetStringAt(int row, int column) const
{
    return CString(m_rows.GetAnsiText(row, column));
}

void SQLiteRecordset::Land(int n)
{
    if (FetchRow(n)) {
        Exchange(n, 1);
        return;
    }
    const int last = m_rows.RowCount() - 1;
    if (last < 0) {
        Exchange(-1, 0);
        return;
    }
    // Stepping past the end leaves the fields holding the last row.
    Exchange(last, 1);
    Exchange(last, 0);
}

void SQLiteRecordset::Exchange(int rowIndex, int hasRow)
{
    m_nRowIndex = rowIndex;
    m_bHasRow = hasRow;
    DoFieldExchange();
}

bool SQLiteRecordset::FetchRow(int index)
{
    // A paused query is read on to its end, so that it holds no lock.
    const int target = m_bPaused && index >= m_rows.RowCount() ? std::numeric_limits<int>::max() : index;
    while (m_pStatement != nullptr && !m_bQueryDone && m_rows.RowCount() <= target) {
        if (m_bStepFailed || m_bPaused)
            RestartQuery();
        if (m_bQueryDone)
            break;
        if (StepQuery())
            m_rows.Capture(m_pStatement->Handle());
        else
            m_bQueryDone = true;
        if (m_rows.RowCount() >= kMaxRowsHeld || m_rows.BytesHeld() > kMaxBytesHeld)
            StopAtRowLimit();
    }
    return index < m_rows.RowCount();
}

// The rows held so far stay; the query is ended so that it holds no lock.
void SQLiteRecordset::StopAtRowLimit()
{
    const bool bytes = m_rows.BytesHeld() > kMaxBytesHeld;
    m_bQueryDone = true;
    sqlite3_reset(m_pStatement->Handle());
    throw SQLiteException(SQLITE_TOOBIG, RowLimitMessage(*m_pDatabase, bytes));
}

bool SQLiteRecordset::StepQuery()
{
    const int result = sqlite3_step(m_pStatement->Handle());
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE || result == SQLITE_OK)
        return false;
    m_bStepFailed = true;
    const std::string limit = LimitMessage(*m_pDatabase, result);
    if (!limit.empty())
        throw SQLiteException(result, limit);
    throw SQLiteException(m_pDatabase->Handle(), result);
}

// SQLite runs a statement whose step failed, or that was paused, from its
// start again; the rows already held are passed over. The reset only
// repeats the failure that was already reported.
void SQLiteRecordset::RestartQuery()
{
    sqlite3_reset(m_pStatement->Handle());
    m_bStepFailed = false;
    m_bPaused = false;
    for (int row = 0; row < m_rows.RowCount(); ++row)
        if (!StepQuery()) {
            m_bQueryDone = true;
            return;
        }
}

int SQLiteRecordset::GetInt(int column) const
{
    if (m_bHasRow == 0 || m_rows.IsNull(m_nRowIndex, column))
        return 0;
    return m_rows.GetInt(m_nRowIndex, column);
}

CString SQLiteRecordset::GetString(int column) const
{
    if (m_bHasRow == 0)
        return CString();
    return GetStringAt(m_nRowIndex, column);
}

} // namespace litex

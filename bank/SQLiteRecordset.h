#pragma once
// A cursor over one SQL query, modelled on a framework recordset. Readers
// derive from it and copy the current row in DoFieldExchange. Open steps
// the query to its end once: every row it yields is remembered until Close
// or the next Open, so reaching any row is a look-up. OpenDefault reads the
// first row only, and the rest when a row past it is first wanted.

#include "afx/CObject.h"
#include "afx/CString.h"

#include "RowCache.h"
#include "SQLiteStatement.h"

#include <memory>

namespace litex {

class SQLiteDatabase;
class SQLiteStatement;

class SQLiteRecordset : public CObject {
public:
    explicit SQLiteRecordset(SQLiteDatabase* database);
    SQLiteRecordset(const SQLiteRecordset&) = delete;
    SQLiteRecordset& operator=(const SQLiteRecordset&) = delete;
    ~SQLiteRecordset() override;

    // Prepares sql and moves to its first row; returns has-row. A prepare
    // failure is shown to the user and ends in the abort signal -3.
    virtual int Open(const CString& sql);
    virtual void OpenDefault();
    virtual CString GetDefaultConnect();
    virtual CString GetDefaultSQL();
    // Called after every step; copies nothing when there is no row.
    virtual void DoFieldExchange() = 0;

    void Close();
    bool IsOpen() const;

    int MoveFirst();
    int MoveNext();
    void Move(int n);
    void MovePrev();
    void MoveLast();
    // Moves to the first row whose column reads as text, as MoveFirst and
    // then MoveNext until it matches would; returns has-row, which is 0 when
    // no row matches and the cursor ended past the last row.
    int MoveToFirstMatch(int column, const CString& text);

    // Reads the query to its end and returns how many rows it has; the
    // cursor stays where it is.
    int CountRows();
    // The row whose values Move(n) would leave in the fields, or -1 when
    // the query has no rows; the cursor stays where it is. A test's draws
    // ask this hundreds of thousands of times, mostly of rows held already.
    int RowReachedBy(int n)
    {
        const int target = n > 0 ? n : 0;
        return target < m_rows.RowCount() ? target : RowReachedByReading(target);
    }
    // A column of a row that RowReachedBy has named, read as GetString would.
    CString GetStringAt(int row, int column) const;

    bool IsBOF() const { return m_nRowIndex == -1; }
    bool IsEOF() const { return m_bHasRow == 0; }
    bool IsFirst() const { return m_nRowIndex == 0; }
    int HasRow() const { return m_bHasRow; }
    int GetRowIndex() const { return m_nRowIndex; }

    int GetInt(int column) const;
    CString GetString(int column) const;
    // The name the open query gives a column; empty when none is open.
    CString GetColumnName(int column) const;

protected:
    // A column the reader's callers look up row after row, kept packed.
    void KeepColumnPacked(int column) { m_rows.KeepColumnPacked(column); }

private:
    void FinalizeStatement();
    // Makes row index available if the query has it; false past its end.
    bool FetchRow(int index);
    int RowReachedByReading(int target);
    int OpenReading(const CString& sql, int lastRowRead);
    bool StepQuery();
    [[noreturn]] void StopAtRowLimit();
    void RestartQuery();
    // The state Move(n) leaves for n of 0 or more.
    void Land(int n);
    void Exchange(int rowIndex, int hasRow);

    SQLiteDatabase* const m_pDatabase;
    // Finalised when the query ends, before the connection closes.
    std::unique_ptr<SQLiteStatement> m_pStatement;
    int m_nRowIndex;
    int m_bHasRow;
    CString m_strSQL;
    RowCache m_rows;
    bool m_bQueryDone = false;
    // A failed step leaves the statement to start over on the next one.
    bool m_bStepFailed = false;
    // Reset after its first rows; read on from its start when more are wanted.
    bool m_bPaused = false;
};

} // namespace litex

#pragma once
// A forward cursor over one SQL query, modelled on a framework recordset.
// Readers derive from it and copy the current row in DoFieldExchange.
// Reaching an earlier row re-runs the query from the start.

#include "afx/CObject.h"
#include "afx/CString.h"

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

    bool IsBOF() const { return m_nRowIndex == -1; }
    bool IsEOF() const { return m_bHasRow == 0; }
    bool IsFirst() const { return m_nRowIndex == 0; }
    int HasRow() const { return m_bHasRow; }
    int GetRowIndex() const { return m_nRowIndex; }

    int GetInt(int column) const;
    CString GetString(int column) const;

private:
    int Step();

    SQLiteDatabase* const m_pDatabase;
    SQLiteStatement* m_pStatement;
    int m_nRowIndex;
    int m_bHasRow;
    CString m_strSQL;
};

} // namespace litex

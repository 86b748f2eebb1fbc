#pragma once

#include "SQLiteRecordset.h"

// The book list: one row per book, naming the table of its questions.
class CBookNamesSet : public litex::SQLiteRecordset {
public:
    explicit CBookNamesSet(litex::SQLiteDatabase* database) : SQLiteRecordset(database) {}

    int m_nBookKey = 0;
    CString m_strTable;
    CString m_strTitle;

    CString GetDefaultSQL() override;
    void DoFieldExchange() override;
};

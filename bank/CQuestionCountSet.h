#pragma once

#include "SQLiteRecordset.h"

// The choices offered for the number of questions in a test.
class CQuestionCountSet : public litex::SQLiteRecordset {
public:
    explicit CQuestionCountSet(litex::SQLiteDatabase* database) : SQLiteRecordset(database) {}

    int m_nCountKey = 0;
    CString m_strCount;

    CString GetDefaultSQL() override;
    void DoFieldExchange() override;
};

#pragma once

#include "SQLiteRecordset.h"

#include <functional>

// The questions of one book; its current row is the question on the form.
class CQuestionSet : public litex::SQLiteRecordset {
public:
    explicit CQuestionSet(litex::SQLiteDatabase* database) : SQLiteRecordset(database)
    {
        KeepColumnPacked(kNumberColumn);
    }

    CString m_strColumn1;
    CString m_strNumber;
    CString m_strCorrect;
    CString m_strQuestion;
    CString m_strAnswerA;
    CString m_strAnswerB;
    CString m_strAnswerC;
    CString m_strAnswerD;
    CString m_strDiagram;
    CString m_strColumn11;
    CString m_strColumn12;
    int m_nKey = 0;
    CString m_strDiagramFolder;

    static constexpr int kNumberColumn = 2;

    // Choosing the bank file needs the user, which this layer cannot reach;
    // the document supplies the chooser.
    using BankChooser = std::function<CString()>;
    void SetBankChooser(BankChooser chooser) { m_chooseBank = std::move(chooser); }

    // Moves to the first row of the query whose number is number and returns
    // has-row; when no row has it the reader ends past the last row.
    int MoveToNumber(const CString& number);
    // The number of a row that RowReachedBy has named.
    CString NumberAt(int row) const;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange() override;

private:
    BankChooser m_chooseBank;
};

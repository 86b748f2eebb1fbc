#include "BankStart.h"

#include "COptions.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionCountSet.h"
#include "bank/CQuestionSet.h"

void OpenReadersOnDefaults(CQuestionCountSet& counts, CBookNamesSet& books, CQuestionSet& questions)
{
    for (litex::SQLiteRecordset* reader :
         {static_cast<litex::SQLiteRecordset*>(&counts), static_cast<litex::SQLiteRecordset*>(&books),
          static_cast<litex::SQLiteRecordset*>(&questions)}) {
        if (reader->IsOpen())
            reader->Close();
        reader->OpenDefault();
    }
    books.MoveFirst();
}

void TakeFirstBook(COptions& record, const CBookNamesSet& books, const CQuestionCountSet& counts)
{
    record.m_strTable = books.m_strTable;
    record.m_strTitle = books.m_strTitle;
    record.m_strCount = counts.m_strCount;
}

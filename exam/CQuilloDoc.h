#pragma once
// The document: the question bank, its three readers, and the test record
// that File Save and File Open move. The bank is chosen at the first new
// document and kept until the user opens another.

#include "COptions.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionCountSet.h"
#include "bank/CQuestionSet.h"
#include "bank/SQLiteDatabase.h"

#include "afx/ui/CDocument.h"

#include <memory>

class CQuilloDoc : public afx::CDocument {
public:
    CQuilloDoc();
    ~CQuilloDoc() override;

    CQuestionSet* m_pQuestions = nullptr;
    CBookNamesSet* m_pBooks = nullptr;
    CQuestionCountSet* m_pCounts = nullptr;
    litex::SQLiteDatabase m_db;
    COptions m_test;

    void Serialize(CArchive& archive) override;
    bool OnNewDocument() override;
    // A record opened before any new document (a file named at start-up)
    // first opens the bank as a new document would, then loads the file.
    bool OnOpenDocument(const CString& path) override;

    // The bank the next new document opens instead of the one open now
    // (full path; empty: keep the bank). Open Question Bank sets it around
    // File New, so that the record is offered for saving first.
    void SetBankToOpen(const CString& bank) { m_bankToOpen = bank; }
    const CString& BankPath() const { return m_bankPath; }

protected:
    bool MergeSavedElsewhere(CArchive& archive) override;
    void OnSyncedWithFile(const CString& path) override;

private:
    void OpenBank(const CString& record);
    void ReopenBank();
    void StartRecordFromBank();
    void ConfirmBookOf(COptions& loaded);

    // The tags as the record file held them when this window last read or
    // wrote it, to tell this window's changes from another's.
    COptions m_synced;
    CString m_bankPath;
    CString m_bankToOpen;
    // The owners of the three readers, declared after the connection so
    // that they go, with their statements, before it closes.
    std::unique_ptr<CQuestionSet> m_questions;
    std::unique_ptr<CBookNamesSet> m_books;
    std::unique_ptr<CQuestionCountSet> m_counts;
};

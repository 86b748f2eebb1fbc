#include "CQuilloDoc.h"

#include "BankStart.h"
#include "CSelectDatabase.h"
#include "RememberedBanks.h"

#include "bank/QuestionBankFile.h"

#include "afx/AbortSignal.h"
#include "afx/CArchive.h"
#include "afx/FilePath.h"
#include "afx/MessageBox.h"

CQuilloDoc::CQuilloDoc() = default;

CQuilloDoc::~CQuilloDoc() = default;

void CQuilloDoc::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        m_test.Serialize(archive);
        return;
    }
    COptions loaded;
    loaded.Serialize(archive);
    ConfirmBookOf(loaded);
    m_test.MergeFrom(std::move(loaded));
}

// A record kept on another bank whose book has the same table name would
// show this bank's questions under the record's book title, and take the
// answers against them. The user hears of it before the test starts; going
// on, the form shows the bank's own title; not, nothing is loaded.
void CQuilloDoc::ConfirmBookOf(COptions& loaded)
{
    if (m_pBooks == nullptr || !m_pBooks->IsOpen())
        return;
    bool found = false;
    for (int more = m_pBooks->MoveFirst(); more != 0; more = m_pBooks->MoveNext())
        if (m_pBooks->m_strTable == loaded.m_strTable) {
            found = true;
            break;
        }
    const CString title = m_pBooks->m_strTitle;
    m_pBooks->MoveFirst();
    if (!found || title == loaded.m_strTitle)
        return;
    const CString prompt = "The record's book " + loaded.m_strTable + " is \"" + loaded.m_strTitle +
                           "\", but in the question bank %1 it is \"" + title +
                           "\": its questions may not be the ones the record was kept on.\nGo on with this bank?";
    if (afx::MessageBoxNamingFile(prompt, CString(m_db.m_strPath), afx::MB_YESNO) != afx::IDYES)
        afx::ThrowAbortSignal(afx::kAbortBankSelection);
    loaded.m_strTitle = title;
}

bool CQuilloDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    if (m_pQuestions == nullptr)
        OpenBank(CString());
    else if (!m_bankToOpen.IsEmpty())
        ReopenBank();
    StartRecordFromBank();
    return true;
}

bool CQuilloDoc::OnOpenDocument(const CString& path)
{
    if (litex::IsDatabaseFile(path)) {
        afx::MessageBoxNamingFile("%1 is a question bank, not a test record. Quillo opens the question bank it "
                                  "finds in the folder it starts in; a test record is a .nve file.",
                                  path);
        return false;
    }
    if (m_pQuestions == nullptr) {
        OpenBank(afx::FullPath(path));
        StartRecordFromBank();
    }
    return CDocument::OnOpenDocument(path);
}

// The bank layer decides how a bank is opened; the document only names it.
// A record being opened lends its remembered bank to a folder without one.
void CQuilloDoc::OpenBank(const CString& record)
{
    m_questions = std::make_unique<CQuestionSet>(&m_db);
    m_books = std::make_unique<CBookNamesSet>(&m_db);
    m_counts = std::make_unique<CQuestionCountSet>(&m_db);
    m_pQuestions = m_questions.get();
    m_pBooks = m_books.get();
    m_pCounts = m_counts.get();
    m_pQuestions->SetBankChooser([record] { return SelectQuestionBank(record); });
    const CString name = m_pQuestions->GetDefaultConnect();
    std::string problem;
    try {
        problem = litex::OpenQuestionBank(m_db, name);
        if (m_db.Handle() == nullptr) {
            AfxMessageBox("Unable to open database. Contact Norvane");
            afx::ThrowAbortSignal(afx::kAbortBankSelection);
        }
    } catch (...) {
        AfxMessageBox("Unknown. Contact Norvane");
        afx::ThrowAbortSignal(afx::kAbortBankSelection);
    }
    if (!problem.empty()) {
        afx::MessageBoxNamingFile(problem.c_str(), afx::FullPath(name));
        afx::ThrowAbortSignal(afx::kAbortBankSelection);
    }
    m_bankPath = afx::FullPath(name);
    remembered::NoteBankOpened(m_bankPath);
}

// The readers' statements go before the connection closes; the new bank
// was tried by the caller, and a failure now keeps the readers closed
// until a bank opens, as the message says.
void CQuilloDoc::ReopenBank()
{
    const CString bank = m_bankToOpen;
    m_bankToOpen = CString();
    for (litex::SQLiteRecordset* reader :
         std::initializer_list<litex::SQLiteRecordset*>{m_pQuestions, m_pBooks, m_pCounts})
        if (reader->IsOpen())
            reader->Close();
    m_db.Close();
    const CString name = EnterFolderOf(bank);
    const std::string problem = litex::OpenQuestionBank(m_db, name);
    if (!problem.empty() || m_db.Handle() == nullptr) {
        afx::MessageBoxNamingFile(problem.empty() ? "%1 cannot be opened." : problem.c_str(), bank);
        afx::ThrowAbortSignal(afx::kAbortBankSelection);
    }
    m_bankPath = bank;
    remembered::NoteBankOpened(m_bankPath);
}

void CQuilloDoc::StartRecordFromBank()
{
    OpenReadersOnDefaults(*m_pCounts, *m_pBooks, *m_pQuestions);
    m_test.Reset();
    TakeFirstBook(m_test, *m_pBooks, *m_pCounts);
}

bool CQuilloDoc::MergeSavedElsewhere(CArchive& archive)
{
    COptions saved;
    saved.Serialize(archive);
    return m_test.MergeSavedElsewhere(saved, m_synced);
}

// The record now read or written is remembered with its bank, which a
// later start from the record's own folder may not hold.
void CQuilloDoc::OnSyncedWithFile(const CString& path)
{
    remembered::NoteRecordOnBank(path, m_bankPath);
    m_synced.m_tagged1 = m_test.m_tagged1;
    m_synced.m_tagged2 = m_test.m_tagged2;
}

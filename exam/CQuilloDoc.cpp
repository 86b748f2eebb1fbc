#include "CQuilloDoc.h"

#include "CSelectDatabase.h"

#include "bank/TextConversion.h"

#include "afx/AbortSignal.h"
#include "afx/MessageBox.h"

#include <sqlite3.h>

CQuilloDoc::CQuilloDoc() = default;

CQuilloDoc::~CQuilloDoc()
{
    delete m_pQuestions;
    delete m_pBooks;
    delete m_pCounts;
}

void CQuilloDoc::Serialize(CArchive& archive)
{
    m_test.Serialize(archive);
}

bool CQuilloDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    if (m_pQuestions == nullptr)
        OpenBank();
    StartRecordFromBank();
    return true;
}

bool CQuilloDoc::OnOpenDocument(const CString& path)
{
    if (m_pQuestions == nullptr) {
        OpenBank();
        StartRecordFromBank();
    }
    return CDocument::OnOpenDocument(path);
}

// Banks may come from anywhere, and the program only ever reads them: the
// file is opened read-only, and neither its schema nor SQL text may reach
// extension loading or other dangerous features.
void CQuilloDoc::OpenBank()
{
    m_pQuestions = new CQuestionSet(&m_db);
    m_pBooks = new CBookNamesSet(&m_db);
    m_pCounts = new CQuestionCountSet(&m_db);
    m_pQuestions->SetBankChooser(SelectQuestionBank);
    const CString name = m_pQuestions->GetDefaultConnect();
    try {
        const std::string utf8 = litex::AnsiToUtf8(name);
        sqlite3_open_v2(utf8.c_str(), &m_db.m_handle, SQLITE_OPEN_READONLY, nullptr);
        if (m_db.m_handle == nullptr) {
            AfxMessageBox("Unable to open database. Contact Norvane");
            afx::ThrowAbortSignal(afx::kAbortBankSelection);
        }
        sqlite3_db_config(m_db.m_handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(m_db.m_handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(m_db.m_handle, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    } catch (...) {
        AfxMessageBox("Unknown. Contact Norvane");
        afx::ThrowAbortSignal(afx::kAbortBankSelection);
    }
}

void CQuilloDoc::StartRecordFromBank()
{
    for (litex::SQLiteRecordset* reader : {static_cast<litex::SQLiteRecordset*>(m_pCounts),
                                           static_cast<litex::SQLiteRecordset*>(m_pBooks),
                                           static_cast<litex::SQLiteRecordset*>(m_pQuestions)}) {
        if (reader->IsOpen())
            reader->Close();
        reader->OpenDefault();
    }
    m_pBooks->MoveFirst();
    m_test.Reset();
    m_test.m_strTable = m_pBooks->m_strTable;
    m_test.m_strTitle = m_pBooks->m_strTitle;
    m_test.m_strCount = m_pCounts->m_strCount;
}

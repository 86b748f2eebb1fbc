// The test builder's half of the form: the pool, the first showing of a
// test, and the Setup command.

#include "CQuilloView.h"

#include "CSetupDlg.h"

#include "exam/COptions.h"
#include "exam/TestSelection.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionCountSet.h"
#include "bank/CQuestionSet.h"

#include "afx/MessageBox.h"
#include "afx/ui/CDocument.h"

void CQuilloView::OpenPool(const CString& statement)
{
    m_pQuestions->Close();
    m_pQuestions->Open(statement);
    m_pQuestions->m_strQuestion.Empty();
    m_pQuestions->m_strAnswerA.Empty();
    m_pQuestions->m_strAnswerB.Empty();
    m_pQuestions->m_strAnswerC.Empty();
    m_pQuestions->m_strAnswerD.Empty();
    ClearAnswer();
}

// A filter that finds nothing falls back to the whole book. When the book
// itself is empty the filter is not to blame: no message here, and the
// test start says there is nothing to test.
void CQuilloView::RunPoolQuery(const CString& statement)
{
    OpenPool(statement);
    if (m_pQuestions->IsBOF()) {
        const CString wholeBook = m_pTest->BuildSelectAll();
        if (statement == wholeBook)
            return;
        OpenPool(wholeBook);
        if (m_pQuestions->IsBOF())
            return;
        AfxMessageBox("Invalid Filter. No questions found");
    }
    m_pQuestions->MoveFirst();
}

int CQuilloView::CountPoolWithWaitCursor()
{
    BeginWaitCursor();
    try {
        const int count = CountPool(*m_pQuestions);
        EndWaitCursor();
        return count;
    } catch (...) {
        EndWaitCursor();
        throw;
    }
}

void CQuilloView::StartTest()
{
    UpdateData(true);
    m_nPoolSize = CountPoolWithWaitCursor();
    m_nTestSize = ParseTestSize(m_pTest->m_strCount);
    m_nCurrent = 1;
    if (SelectQuestions() == 0) {
        AfxMessageBox("No matching criteria for test. Run setup again.");
        return;
    }
    FindQuestion(m_testList.GetNumber(0));
    m_strBookName = m_pTest->m_strTitle;
    m_strScore = m_testList.ScoreText(m_pTest->m_nScoring);
    ShowQuestion(true);
}

int CQuilloView::SelectQuestions()
{
    TestSelection selection(*m_pQuestions, *m_pTest, m_testList, m_random);
    m_nTestSize = selection.SelectQuestions(m_nTestSize, m_nPoolSize);
    return m_nTestSize;
}

// A filter that makes the statement invalid has been reported by the access
// layer; the pool falls back to the whole book so the form keeps working,
// and the filter stays in the record for the user to mend.
void CQuilloView::RunFilteredPool()
{
    try {
        RunPoolQuery(m_pTest->BuildSelectWhere());
    } catch (int) {
        if (m_pTest->m_strFilter.IsEmpty())
            throw;
        RunPoolQuery(m_pTest->BuildSelectAll());
    }
}

void CQuilloView::OnSetup()
{
    StopViewer();
    UpdateData(true);

    CMapStringToString bookMap(10);
    for (m_pBooks->MoveFirst(); !m_pBooks->IsEOF(); m_pBooks->MoveNext())
        bookMap.SetAt(m_pBooks->m_strTitle, m_pBooks->m_strTable);
    CStringArray countList;
    for (m_pCounts->MoveFirst(); !m_pCounts->IsEOF(); m_pCounts->MoveNext())
        countList.Add(m_pCounts->m_strCount);

    CSetupDlg dialog(this, &bookMap, &countList);
    dialog.m_strTitle = m_pTest->m_strTitle;
    dialog.m_strTable = m_pTest->m_strTable;
    dialog.m_strFilter = m_pTest->m_strFilter;
    dialog.m_bCorrect = m_pTest->m_bCorrect;
    dialog.m_bMissed = m_pTest->m_bMissed;
    dialog.m_bNew = m_pTest->m_bNew;
    dialog.m_bTagged1 = m_pTest->m_bTagged1;
    dialog.m_bTagged2 = m_pTest->m_bTagged2;
    dialog.m_bUntagged = m_pTest->m_bUntagged;
    dialog.m_nMode = m_pTest->m_nMode;
    dialog.m_strCount = m_pTest->m_strCount;
    dialog.m_nScoring = m_pTest->m_nScoring;
    if (dialog.DoModal() != afx::IDOK)
        return;

    m_pTest->m_strTitle = dialog.m_strTitle;
    m_pTest->m_strTable = dialog.m_strTable;
    m_pTest->m_strFilter = dialog.m_strFilter;
    m_pTest->m_bCorrect = dialog.m_bCorrect;
    m_pTest->m_bMissed = dialog.m_bMissed;
    m_pTest->m_bNew = dialog.m_bNew;
    m_pTest->m_bTagged1 = dialog.m_bTagged1;
    m_pTest->m_bTagged2 = dialog.m_bTagged2;
    m_pTest->m_bUntagged = dialog.m_bUntagged;
    m_pTest->m_nMode = dialog.m_nMode;
    m_pTest->m_strCount = dialog.m_strCount;
    m_pTest->m_nScoring = dialog.m_nScoring;
    GetDocument()->SetModifiedFlag();

    if (dialog.m_bPoolOnly == 0)
        RunPoolQuery(m_pTest->BuildSelectAll());
    RunFilteredPool();
    StartTest();
}

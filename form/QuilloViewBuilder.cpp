// The test builder's half of the form: the pool, the first showing of a
// test, and the Setup command.

#include "CQuilloView.h"

#include "exam/COptions.h"
#include "exam/TestSelection.h"

#include "bank/CQuestionSet.h"

#include "afx/MessageBox.h"

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

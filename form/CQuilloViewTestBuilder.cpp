// The test builder's half of the form: the pool, the first showing of a
// test, and the Setup command.

#include "CQuilloView.h"

#include "CSetupDlg.h"

#include "exam/COptions.h"
#include "exam/RetryMissed.h"
#include "exam/ReviewDue.h"
#include "exam/TestSelection.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionCountSet.h"
#include "bank/CQuestionSet.h"

#include "afx/AbortSignal.h"
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
    const afx::CWaitCursor wait;
    return CountPool(*m_pQuestions);
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
    AnnounceQuestion();
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
    } catch (int code) {
        if (code != afx::kAbortSQLite || m_pTest->m_strFilter.IsEmpty())
            throw;
        RunPoolQuery(m_pTest->BuildSelectAll());
    }
}

namespace {

// The twelve settings the Setup dialog edits; the record and the dialog
// name them alike.
template <class From, class To>
void CopySettings(const From& from, To& to)
{
    to.m_strTitle = from.m_strTitle;
    to.m_strTable = from.m_strTable;
    to.m_strFilter = from.m_strFilter;
    to.m_bCorrect = from.m_bCorrect;
    to.m_bMissed = from.m_bMissed;
    to.m_bNew = from.m_bNew;
    to.m_bTagged1 = from.m_bTagged1;
    to.m_bTagged2 = from.m_bTagged2;
    to.m_bUntagged = from.m_bUntagged;
    to.m_nMode = from.m_nMode;
    to.m_strCount = from.m_strCount;
    to.m_nScoring = from.m_nScoring;
}

} // namespace

void CQuilloView::OnSetup()
{
    if (ExamBlocks())
        return;
    StopViewer();
    UpdateData(true);

    CMapStringToString bookMap(10);
    for (m_pBooks->MoveFirst(); !m_pBooks->IsEOF(); m_pBooks->MoveNext())
        bookMap.SetAt(m_pBooks->m_strTitle, m_pBooks->m_strTable);
    CStringArray countList;
    for (m_pCounts->MoveFirst(); !m_pCounts->IsEOF(); m_pCounts->MoveNext())
        countList.Add(m_pCounts->m_strCount);

    CSetupDlg dialog(this, &bookMap, &countList);
    CopySettings(*m_pTest, dialog);
    if (dialog.DoModal() != afx::IDOK)
        return;

    CopySettings(dialog, *m_pTest);
    GetDocument()->SetModifiedFlag();

    if (dialog.m_bPoolOnly == 0)
        RunPoolQuery(m_pTest->BuildSelectAll());
    RunFilteredPool();
    StartTest();
}

// Setup with the choice made: the book's missed questions, shuffled.
void CQuilloView::OnRetryMissed()
{
    if (!ReadyForNewTest())
        return;
    if (!HasMissedToRetry(*m_pTest)) {
        AfxMessageBox("No missed questions to retry in this book.");
        return;
    }
    {
        const RetryMissedChoice retry(*m_pTest);
        RunPoolQuery(m_pTest->BuildSelectAll());
        RunFilteredPool();
        StartTest();
    }
    m_strBookName = m_pTest->m_strTitle + ", missed questions";
    UpdateData(false);
}

// Questions the bank no longer holds are left out; new ones are never due.
void CQuilloView::OnReviewDue()
{
    if (!ReadyForNewTest())
        return;
    RunPoolQuery(m_pTest->BuildSelectAll());
    std::vector<CString> due;
    for (const CString& number : DueNumbers(*m_pTest, m_wallClock()))
        if (m_pQuestions->MoveToNumber(number) != 0)
            due.push_back(number);
    if (due.empty()) {
        AfxMessageBox("No question of this book is due for review. Questions you have never answered are not due; "
                      "Setup with New checked brings them in.");
        return;
    }
    StartTestOfNumbers(due, ", due for review");
}

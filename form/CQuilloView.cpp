#include "CQuilloView.h"

#include "FormIds.h"
#include "QuilloFormTemplate.h"

#include "exam/CQuilloDoc.h"

#include "afx/MessageBox.h"
#include "afx/ui/CFrameWnd.h"
#include "afx/ui/CommandIds.h"
#include "afx/ui/DataExchange.h"
#include "afx/ui/DialogKeys.h"

using namespace form;

const afx::CommandEntry<CQuilloView> CQuilloView::kMessageMap[] = {
    {IDC_COMMIT, &CQuilloView::OnCommit, nullptr},
    {IDC_NEXT, &CQuilloView::OnNext, nullptr},
    {IDC_PREVIOUS, &CQuilloView::OnPrevious, nullptr},
    {IDC_GO, &CQuilloView::OnGo, nullptr},
    {IDC_SETUP, &CQuilloView::OnSetup, nullptr},
    {ID_SETUP, &CQuilloView::OnSetup, nullptr},
    {ID_RETRY_MISSED, &CQuilloView::OnRetryMissed, nullptr},
    {ID_REVIEW_DUE, &CQuilloView::OnReviewDue, nullptr},
    {ID_PROGRESS, &CQuilloView::OnProgress, nullptr},
    {ID_PRACTICE_EXAM, &CQuilloView::OnPracticeExam, nullptr},
    {ID_FINISH_EXAM, &CQuilloView::OnFinishExam, &CQuilloView::OnUpdateExamRunning},
    {ID_TIME_LEFT, &CQuilloView::OnTimeLeft, &CQuilloView::OnUpdateExamRunning},
    {ID_EXAM_TICK, &CQuilloView::OnExamTick, nullptr},
    {ID_EXPLANATION, &CQuilloView::OnExplanation, &CQuilloView::OnUpdateExplanation},
    {IDC_DISPLAY, &CQuilloView::OnDisplay, nullptr},
    {IDC_RADIO_A, &CQuilloView::OnAnswer, nullptr},
    {IDC_RADIO_B, &CQuilloView::OnAnswer, nullptr},
    {IDC_RADIO_C, &CQuilloView::OnAnswer, nullptr},
    {IDC_RADIO_D, &CQuilloView::OnAnswer, nullptr},
    {IDC_TAG_IT, &CQuilloView::OnTagChanged, nullptr},
    {IDC_TAG_1, &CQuilloView::OnTagChanged, nullptr},
    {IDC_TAG_2, &CQuilloView::OnTagChanged, nullptr},
    {ID_FIRST_QUESTION, &CQuilloView::OnFirstQuestion, &CQuilloView::OnUpdateFirstQuestion},
    {ID_LAST_QUESTION, &CQuilloView::OnLastQuestion, &CQuilloView::OnUpdateNextQuestion},
    {ID_NEXT_QUESTION, &CQuilloView::OnNextQuestion, &CQuilloView::OnUpdateNextQuestion},
    {ID_PREVIOUS_QUESTION, &CQuilloView::OnPreviousQuestion, &CQuilloView::OnUpdateFirstQuestion},
    {afx::ID_FILE_PRINT, &CQuilloView::OnFilePrint, nullptr},
    {afx::ID_FILE_PRINT_DIRECT, &CQuilloView::OnFilePrint, nullptr},
    {afx::ID_FILE_PRINT_PREVIEW, &CQuilloView::OnFilePrintPreview, nullptr},
};

CQuilloView::CQuilloView() : CFormView(QuilloFormTemplate())
{
    // Return in the number edit goes to that question rather than
    // committing an answer to the one shown.
    Keys().PressOnReturn(IDC_NUMBER, IDC_GO);
    InstallAnswerKeys();
    InstallScreenReaderTexts();
}

CQuilloView::~CQuilloView()
{
    StopViewer();
}

bool CQuilloView::OnCmdMsg(int id, afx::CCmdUI* ui)
{
    return afx::DispatchCommand(this, kMessageMap, id, ui);
}

bool CQuilloView::PoolIsOpen() const
{
    return m_pQuestions != nullptr && m_pQuestions->IsOpen();
}

void CQuilloView::DoDataExchange(afx::CDataExchange& dx)
{
    afx::DDX_Radio(dx, IDC_RADIO_A, m_nAnswer);
    afx::DDX_Text(dx, IDC_STATUS, m_strStatus);
    afx::DDX_Text(dx, IDC_CORRECT_ANSWER, m_strCorrectAnswer);
    afx::DDX_Text(dx, IDC_TEST_SIZE, m_nTestSize);
    afx::DDX_Text(dx, IDC_BOOK_NAME, m_strBookName);
    afx::DDX_Text(dx, IDC_CURRENT, m_nCurrent);
    afx::DDX_Text(dx, IDC_SCORE, m_strScore);
    afx::DDX_Text(dx, IDC_POOL_SIZE, m_nPoolSize);
    afx::DDX_Radio(dx, IDC_TAG_1, m_nTagChoice);
    afx::DDX_Check(dx, IDC_TAG_IT, m_bTagIt);
    CQuestionSet* record = GetQuestionSet();
    if (record == nullptr)
        return;
    afx::DDX_Text(dx, IDC_NUMBER, record->m_strNumber);
    afx::DDX_Text(dx, IDC_QUESTION, record->m_strQuestion);
    afx::DDX_Text(dx, IDC_ANSWER_A, record->m_strAnswerA);
    afx::DDX_Text(dx, IDC_ANSWER_B, record->m_strAnswerB);
    afx::DDX_Text(dx, IDC_ANSWER_C, record->m_strAnswerC);
    afx::DDX_Text(dx, IDC_ANSWER_D, record->m_strAnswerD);
    afx::DDX_Text(dx, IDC_DIAGRAM, record->m_strDiagram);
}

void CQuilloView::OnInitialUpdate()
{
    // A record opened or begun during an exam ends it without a result.
    if (m_exam)
        EndExamMode();
    auto* document = static_cast<CQuilloDoc*>(GetDocument());
    m_pQuestions = document->m_pQuestions;
    m_pBooks = document->m_pBooks;
    m_pCounts = document->m_pCounts;
    m_pTest = &document->m_test;
    CFormView::OnInitialUpdate();
    if (afx::CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
    ResizeParentToFit(true);
    RunFilteredPool();
    StartTest();
}

void CQuilloView::ShowQuestion(bool bRefreshTags)
{
    const CTestQuestion entry = m_testList.GetAt(m_nCurrent - 1);
    m_strStatus = "Pending";
    if (entry.m_bAnswered)
        m_strStatus = entry.m_bCorrect ? "Correct" : "Incorrect";
    if (bRefreshTags) {
        m_nTagChoice = m_pTest->IsTagged2(entry.m_strNumber) ? 1 : 0;
        m_bTagIt = (m_pTest->IsTagged1(entry.m_strNumber) || m_nTagChoice == 1) ? 1 : 0;
    }
    m_nAnswer = entry.m_nChosen;
    m_strCorrectAnswer = entry.m_strCorrect;
    m_strScore = m_testList.ScoreText(m_pTest->m_nScoring);
    if (m_exam)
        ShowExamState();
    FindQuestion(entry.m_strNumber);
    EnableWindow(IDC_COMMIT, m_exam || (!entry.m_bAnswered && m_nAnswer != -1));
    UpdateData(false);
}

void CQuilloView::FindQuestion(const CString& number)
{
    StopViewer();
    if (m_pQuestions->MoveToNumber(number) == 0) {
        AfxMessageBox("Question not found");
        m_pQuestions->MoveFirst();
    }
}

void CQuilloView::ClearAnswer()
{
    m_nAnswer = -1;
    m_strCorrectAnswer.Empty();
    UpdateData(false);
}

void CQuilloView::StopViewer()
{
    m_hViewer.Stop();
}

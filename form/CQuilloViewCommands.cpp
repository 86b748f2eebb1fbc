// Answering, moving through the test, and browsing the pool.

#include "CQuilloView.h"

#include "FormIds.h"

#include "exam/COptions.h"
#include "exam/CQuilloDoc.h"

#include "bank/CQuestionSet.h"

#include "afx/MessageBox.h"
#include "afx/ui/QtText.h"

#include <cstring>

using namespace form;

// A test with no questions has no entry to answer or move to. In an exam
// the choice is kept at once and may change until the exam ends.
void CQuilloView::OnAnswer()
{
    if (m_exam && HasTestQuestion()) {
        UpdateData(true);
        m_exam->Choose(m_nCurrent - 1, m_nAnswer);
        ShowExamState();
        UpdateData(false);
        return;
    }
    EnableWindow(IDC_COMMIT, HasTestQuestion() && !m_testList.GetAt(m_nCurrent - 1).m_bAnswered);
}

void CQuilloView::OnCommit()
{
    if (m_exam) {
        OnFinishExam();
        return;
    }
    StopViewer();
    UpdateData(true);
    if (!HasTestQuestion())
        return;
    const int chosen = m_nAnswer;
    ShowQuestion(false);
    m_nAnswer = chosen;
    UpdateData(false);

    const CString& correctAnswer = m_pQuestions->m_strCorrect;
    const int correct = IsCorrectAnswer(m_nAnswer, correctAnswer) ? 1 : 0;
    m_testList.RecordAnswer(m_nCurrent - 1, m_nAnswer, correct, correctAnswer);

    const CTestQuestion entry = m_testList.GetAt(m_nCurrent - 1);
    StoreTags(entry.m_strNumber);
    m_pTest->AddOutcome(entry.m_strNumber, entry.m_bCorrect != 0, m_nAnswer, m_wallClock());
    ShowQuestion(true);
    AnnounceResult();
    GetDocument()->SetModifiedFlag();
}

// The tag controls as the record's tag sets: unchecked "Tag it" takes the
// question out of both.
void CQuilloView::StoreTags(const CString& number)
{
    m_pTest->RemoveTagged1(number);
    m_pTest->RemoveTagged2(number);
    if (m_bTagIt != 0) {
        if (m_nTagChoice == 0)
            m_pTest->AddTagged1(number);
        else
            m_pTest->AddTagged2(number);
    }
}

// Before the commit, the tag controls wait for it, which stores them with
// the answer. Once the question is answered there is no commit to come, so
// a change is stored at once; otherwise the controls would show a tag the
// record never gets.
void CQuilloView::OnTagChanged()
{
    if (m_exam || !HasTestQuestion())
        return;
    const CTestQuestion entry = m_testList.GetAt(m_nCurrent - 1);
    if (!entry.m_bAnswered)
        return;
    UpdateData(true);
    StoreTags(entry.m_strNumber);
    GetDocument()->SetModifiedFlag();
}

void CQuilloView::OnNext()
{
    StopViewer();
    UpdateData(true);
    if (!HasTestQuestion())
        return;
    if (m_nCurrent < m_nTestSize) {
        ++m_nCurrent;
        ShowQuestion(true);
        AnnounceQuestion();
    } else if (m_exam) {
        AfxMessageBox("This is the last question of the exam. Press Finish when you are done.");
    } else {
        AfxMessageBox(R"(Test has completed. Bang on "Setup" or "Go" for a new test.)");
    }
}

void CQuilloView::OnPrevious()
{
    StopViewer();
    UpdateData(true);
    if (!HasTestQuestion())
        return;
    if (m_nCurrent > 1)
        --m_nCurrent;
    ShowQuestion(true);
    AnnounceQuestion();
}

void CQuilloView::OnGo()
{
    if (ExamBlocks() || !PoolIsOpen())
        return;
    UpdateData(true);
    const CString number = m_pQuestions->m_strNumber;
    FindQuestion(number);
    UpdateData(false);
    StartTest();
}

void CQuilloView::OnFirstQuestion()
{
    if (m_exam || !PoolIsOpen())
        return;
    ClearAnswer();
    m_pQuestions->MoveFirst();
    UpdateData(false);
}

void CQuilloView::OnLastQuestion()
{
    if (m_exam || !PoolIsOpen())
        return;
    ClearAnswer();
    m_pQuestions->MoveLast();
    UpdateData(false);
}

void CQuilloView::OnNextQuestion()
{
    if (m_exam || !PoolIsOpen())
        return;
    ClearAnswer();
    m_pQuestions->MoveNext();
    UpdateData(false);
}

void CQuilloView::OnPreviousQuestion()
{
    if (m_exam || !PoolIsOpen())
        return;
    ClearAnswer();
    m_pQuestions->MovePrev();
    UpdateData(false);
}

void CQuilloView::OnUpdateFirstQuestion(afx::CCmdUI* ui)
{
    ui->Enable(!m_exam && PoolIsOpen() && !m_pQuestions->IsFirst());
}

void CQuilloView::OnUpdateNextQuestion(afx::CCmdUI* ui)
{
    ui->Enable(!m_exam && PoolIsOpen() && !m_pQuestions->IsEOF());
}

// The viewer gets the bitmap path as one argument, with no shell between;
// the folder's backslashes are read as separators.
void CQuilloView::OnDisplay()
{
    StopViewer();
    UpdateData(true);
    if (!PoolIsOpen())
        return;
    if (std::strcmp(m_pQuestions->m_strDiagram, "") == 0) {
        AfxMessageBox("No diagram for this question");
        return;
    }
    QString path = afx::ToQt(m_pQuestions->m_strDiagramFolder + "\\");
    path.replace('\\', '/');
    path += afx::ToQt(m_pQuestions->m_strDiagram + ".bmp");
    if (!m_hViewer.Start("diagview", path))
        AfxMessageBox("Installation Error. Image viewer not found.");
}

// What a screen reader hears of the test beyond the focused control: the
// question that comes up, and the result of an answer, in the form's words.

#include "CQuilloView.h"

#include "FormIds.h"

#include "exam/BookQuestions.h"

#include "bank/CQuestionSet.h"

#include "afx/ui/ControlAccessibility.h"
#include "afx/ui/QtText.h"
#include "afx/ui/ScreenReaderNotice.h"

using namespace form;

// Each answer radio is heard with its answer's text.
void CQuilloView::InstallScreenReaderTexts()
{
    const int radios[] = {IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C, IDC_RADIO_D};
    const int texts[] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_ANSWER_D};
    for (int i = 0; i < 4; ++i)
        afx::NameAfterText(GetDlgItem(radios[i]), GetDlgItem(texts[i]));
}

// "C, Four": the letter the bank gives as right, with its answer's text;
// a correct answer the bank spells otherwise is said as it stands.
QString CQuilloView::CorrectAnswerSpoken() const
{
    const int letter = CorrectLetter(m_strCorrectAnswer);
    if (letter < 0 || letter > 3)
        return afx::ToQt(m_strCorrectAnswer);
    const CString* answers[] = {&m_pQuestions->m_strAnswerA, &m_pQuestions->m_strAnswerB, &m_pQuestions->m_strAnswerC,
                                &m_pQuestions->m_strAnswerD};
    return QString("%1, %2").arg(QChar('A' + letter)).arg(afx::ToQt(*answers[letter]).simplified());
}

// A question that needs its diagram says so: nothing else on the form
// tells a listener there is one. Coming back to a question answered in
// this test says the answer given and how it went; in an exam, only the
// answer chosen.
void CQuilloView::AnnounceQuestion()
{
    QString text = QString("Question %1 of %2: %3")
                       .arg(m_nCurrent)
                       .arg(m_nTestSize)
                       .arg(afx::ToQt(m_pQuestions->m_strQuestion).simplified());
    if (!m_pQuestions->m_strDiagram.IsEmpty())
        text += " With a diagram: the Display button shows it.";
    const bool answered = HasTestQuestion() && m_testList.GetAt(m_nCurrent - 1).m_bAnswered;
    if (m_exam && m_nAnswer >= 0)
        text += QString(" Your answer: %1.").arg(QChar('A' + m_nAnswer));
    else if (!m_exam && answered)
        text += QString(" Your answer: %1. %2.")
                    .arg(m_nAnswer >= 0 ? QString(QChar('A' + m_nAnswer)) : QString("none"), afx::ToQt(m_strStatus)) +
                (m_strStatus == "Correct" ? QString() : " Correct Answer: " + CorrectAnswerSpoken() + ".");
    afx::ScreenReaderNotice::In(this)->Say(text);
}

// "Incorrect. Correct Answer: B, Ampere. Score: 50%": the status, the
// answer when it was missed, and the score, as the form's header shows
// them; once every question is answered, that the test is complete.
void CQuilloView::AnnounceResult()
{
    QString result = afx::ToQt(m_strStatus) + ".";
    if (m_strStatus != "Correct")
        result += " Correct Answer: " + CorrectAnswerSpoken() + ".";
    result += " Score: " + afx::ToQt(m_strScore);
    bool complete = true;
    for (int i = 0; i < m_testList.GetSize() && complete; ++i)
        complete = m_testList.GetAt(i).m_bAnswered != 0;
    if (complete)
        result += ". Test complete: final score " + afx::ToQt(m_strScore) + ".";
    afx::ScreenReaderNotice::In(this)->Say(result);
}

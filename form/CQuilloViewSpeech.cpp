// What a screen reader hears of the test beyond the focused control: the
// question that comes up, and the result of an answer, in the form's words.

#include "CQuilloView.h"

#include "FormIds.h"

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

// A question that needs its diagram says so: nothing else on the form
// tells a listener there is one. In an exam, coming back to a question
// says the answer chosen there.
void CQuilloView::AnnounceQuestion()
{
    QString text = QString("Question %1 of %2: %3")
                       .arg(m_nCurrent)
                       .arg(m_nTestSize)
                       .arg(afx::ToQt(m_pQuestions->m_strQuestion).simplified());
    if (!m_pQuestions->m_strDiagram.IsEmpty())
        text += " With a diagram: the Display button shows it.";
    if (m_exam && m_nAnswer >= 0)
        text += QString(" Your answer: %1.").arg(QChar('A' + m_nAnswer));
    afx::ScreenReaderNotice::In(this)->Say(text);
}

// "Incorrect. Correct Answer: B. Score: 50%": the status, the answer when
// it was missed, and the score, as the form's header shows them.
void CQuilloView::AnnounceResult()
{
    QString result = afx::ToQt(m_strStatus) + ".";
    if (m_strStatus != "Correct")
        result += " Correct Answer: " + afx::ToQt(m_strCorrectAnswer) + ".";
    afx::ScreenReaderNotice::In(this)->Say(result + " Score: " + afx::ToQt(m_strScore));
}

// The bank's explanation of the question on the form, once it is answered:
// before, it would give the answer away; in an exam, the result page
// carries the explanations of what was missed.

#include "CQuilloView.h"

#include "ExplanationDlg.h"

#include "exam/COptions.h"

#include "bank/ExplanationTable.h"

#include "afx/MessageBox.h"
#include "afx/ui/CFrameWnd.h"
#include "afx/ui/CWinApp.h"
#include "afx/ui/QtText.h"

void CQuilloView::OnExplanation()
{
    StopViewer();
    if (m_exam || !HasTestQuestion())
        return;
    const CTestQuestion entry = m_testList.GetAt(m_nCurrent - 1);
    // Browsing the book shows another question, with no answer beside it.
    if (entry.m_bAnswered == 0 || m_strCorrectAnswer.IsEmpty()) {
        AfxMessageBox("Answer the question first: its explanation gives the answer away.");
        return;
    }
    const std::optional<CString> explanation =
        litex::ReadExplanation(Database(), m_pTest->m_strTable, entry.m_strNumber);
    if (!explanation) {
        AfxMessageBox("This question bank has no explanation for question " + entry.m_strNumber + ".");
        return;
    }
    form::ExplanationDlg dialog(this, {afx::ToQt(entry.m_strNumber), CorrectAnswerSpoken(), afx::ToQt(*explanation)});
    afx::AfxGetApp()->GetDialogRunner().RunStandard(dialog);
}

void CQuilloView::OnUpdateExplanation(afx::CCmdUI* ui)
{
    ui->Enable(!m_exam && HasTestQuestion());
}

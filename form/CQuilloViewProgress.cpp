// The Progress command: the figures of every book and section, and a test
// of the one the user picks there.

#include "CQuilloView.h"

#include "ProgressDlg.h"

#include "exam/COptions.h"
#include "exam/CQuilloDoc.h"
#include "exam/PassChance.h"
#include "exam/Progress.h"
#include "exam/ReviewDue.h"
#include "exam/StudyHistory.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionSet.h"
#include "bank/PracticeExamTable.h"

#include "afx/AbortSignal.h"
#include "afx/ui/CWinApp.h"
#include "afx/ui/QtText.h"

litex::SQLiteDatabase& CQuilloView::Database() const
{
    return static_cast<CQuilloDoc*>(GetDocument())->m_db;
}

QString CQuilloView::PassOutlook(const CString& title, const std::vector<BookQuestion>& book, int64_t now)
{
    const ExamSettings exam = DefaultExamSettings(book, litex::ReadStoredPracticeExam(Database(), m_pTest->m_strTable));
    const int questions = std::min(exam.questions, static_cast<int>(book.size()));
    return QString("Chance to pass the practice exam of %1 now (%2 questions, pass mark %3 %, %4): %5 %")
        .arg(afx::ToQt(title))
        .arg(questions)
        .arg(exam.passMarkPercent)
        .arg(exam.perSection ? "one from each section" : "drawn at random")
        .arg(ChancePercent(PassChance(book, RightChances(*m_pTest, book, now), exam)));
}

void CQuilloView::OnProgress()
{
    if (ExamBlocks())
        return;
    StopViewer();
    UpdateData(true);
    std::vector<BookProgress> books;
    const int64_t now = m_wallClock();
    const int64_t dueBefore = EndOfDay(now);
    QString outlook;
    {
        const afx::CWaitCursor wait;
        CQuestionSet reader(&Database());
        for (m_pBooks->MoveFirst(); !m_pBooks->IsEOF(); m_pBooks->MoveNext()) {
            std::vector<BookQuestion> questions;
            // A book whose table cannot be read has been reported; it shows
            // with no questions and the others still count.
            try {
                questions = ReadBookQuestions(reader, m_pBooks->m_strTable);
            } catch (int code) {
                if (code != afx::kAbortSQLite)
                    throw;
            }
            books.push_back(MeasureBook(*m_pTest, m_pBooks->m_strTable, m_pBooks->m_strTitle, questions, dueBefore));
            if (m_pBooks->m_strTable == m_pTest->m_strTable && !questions.empty() && outlook.isEmpty())
                outlook = PassOutlook(m_pBooks->m_strTitle, questions, now);
        }
    }

    constexpr int kDaysShown = 28;
    form::ProgressDlg dialog(this, books, m_pTest->m_strTable, outlook,
                             {DailyAnswers(m_pTest->m_history, now, kDaysShown), m_pTest->m_examScores.All()});
    if (afx::AfxGetApp()->GetDialogRunner().RunStandard(dialog) != QDialog::Accepted)
        return;
    StartTestOf(dialog.m_strTable, dialog.m_strTitle, dialog.m_section);
}

// As Setup with only the book changed; a section narrows the pool further
// for this test alone, since the record has no place for it.
void CQuilloView::StartTestOf(const CString& table, const CString& title, const std::optional<CString>& section)
{
    if (table != m_pTest->m_strTable || title != m_pTest->m_strTitle) {
        m_pTest->m_strTable = table;
        m_pTest->m_strTitle = title;
        GetDocument()->SetModifiedFlag();
    }
    RunPoolQuery(m_pTest->BuildSelectAll());
    RunFilteredPool();
    if (section && PoolIsOpen())
        RunPoolQuery(BuildSelectSection(*m_pTest, m_pQuestions->GetColumnName(1), *section));
    StartTest();
    if (section) {
        m_strBookName = title + (section->IsEmpty() ? CString(", no section") : ", section " + *section);
        UpdateData(false);
    }
}

// The practice exam on the form: no right or wrong while it runs, answers
// free to change, a clock in the status bar and the title, then the result
// and a review of the questions with their answers shown.

#include "CQuilloView.h"

#include "Counted.h"
#include "ExamResultDlg.h"
#include "FormIds.h"
#include "PracticeExamDlg.h"

#include "exam/COptions.h"
#include "exam/PassChance.h"

#include "bank/CQuestionSet.h"
#include "bank/ExplanationTable.h"
#include "bank/PracticeExamTable.h"

#include "afx/MessageBox.h"
#include "afx/ui/CDocument.h"
#include "afx/ui/CFrameWnd.h"
#include "afx/ui/CWinApp.h"
#include "afx/ui/DialogKeys.h"
#include "afx/ui/LongText.h"
#include "afx/ui/QtText.h"
#include "afx/ui/ScreenReaderNotice.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <ctime>

using namespace form;

namespace {
// Said once each as the clock passes them.
constexpr int kWarningSeconds[] = {5 * 60, 60};
} // namespace

bool CQuilloView::ExamBlocks() const
{
    if (!m_exam)
        return false;
    AfxMessageBox("A practice exam is under way. Finish it first (Questions menu, Finish Exam).");
    return true;
}

bool CQuilloView::ReadyForNewTest()
{
    if (ExamBlocks())
        return false;
    StopViewer();
    UpdateData(true);
    return PoolIsOpen();
}

void CQuilloView::OnPracticeExam()
{
    if (!ReadyForNewTest())
        return;
    std::vector<BookQuestion> book;
    {
        const afx::CWaitCursor wait;
        CQuestionSet reader(&Database());
        book = ReadBookQuestions(reader, m_pTest->m_strTable);
    }
    if (book.empty()) {
        AfxMessageBox("This book has no questions for an exam.");
        return;
    }
    const ExamSettings defaults =
        DefaultExamSettings(book, litex::ReadStoredPracticeExam(Database(), m_pTest->m_strTable));
    // Each question's chance is the same whatever the settings; only the
    // draw over them changes as the user changes those.
    const std::vector<double> chances = RightChances(*m_pTest, book, m_wallClock());
    PracticeExamDlg dialog(
        this, afx::ToQt(m_pTest->m_strTitle), static_cast<int>(book.size()), CountSections(book), defaults,
        [&book, &chances](const ExamSettings& settings) { return PassChance(book, chances, settings); });
    if (afx::AfxGetApp()->GetDialogRunner().RunStandard(dialog) != QDialog::Accepted)
        return;
    StartExam(dialog.Settings(), book);
}

// The exam asks its questions from the whole book, so the pool becomes the
// whole book whatever the filter.
void CQuilloView::StartExam(const ExamSettings& settings, const std::vector<BookQuestion>& book)
{
    m_random.Seed(static_cast<unsigned>(std::time(nullptr)));
    std::vector<BookQuestion> drawn;
    for (const size_t row : DrawExam(book, settings, m_random))
        drawn.push_back(book[row]);
    RunPoolQuery(m_pTest->BuildSelectAll());
    m_nPoolSize = CountPoolWithWaitCursor();
    m_testList.RemoveAll();
    for (const BookQuestion& question : drawn)
        m_testList.Add(question.number);
    m_exam = std::make_unique<PracticeExam>(settings, std::move(drawn), m_examClock);
    m_nTestSize = m_exam->Size();
    m_nCurrent = 1;
    m_strBookName = ExamBookName();
    BeginExamMode();
    ShowQuestion(true);
    const QString limit = m_exam->HasTimeLimit() ? Counted(settings.minutes, "minute") : "no time limit";
    afx::ScreenReaderNotice::In(this)->Say(
        QString("Practice exam: %1 questions, %2. Question 1 of %1: %3")
            .arg(QString::number(m_nTestSize), limit, afx::ToQt(m_pQuestions->m_strQuestion).simplified()));
}

// The book's title as far as the field holds it with the exam's mark after
// it: a long title gives way, never the mark. The whole title is in the
// field's tooltip.
CString CQuilloView::ExamBookName()
{
    const QString mark = ", practice exam";
    const QString title = afx::ToQt(m_pTest->m_strTitle);
    auto* label = static_cast<QLabel*>(GetDlgItem(IDC_BOOK_NAME));
    const QFontMetrics metrics = label->fontMetrics();
    const QString shown =
        metrics.elidedText(title, Qt::ElideRight, std::max(0, label->width() - metrics.horizontalAdvance(mark)));
    label->setToolTip(shown != title ? afx::PlainToolTip(title) : QString());
    return afx::FromQt(shown + mark);
}

// Finish ends the exam for good, so it is pressed on purpose only: Return,
// which commits in a test, presses nothing here.
void CQuilloView::BeginExamMode()
{
    auto* finish = static_cast<QPushButton*>(GetDlgItem(IDC_COMMIT));
    finish->setText("Finish");
    finish->setDefault(false);
    Keys().ReturnPressesDefault(false);
    for (const int id : {IDC_TAG_IT, IDC_TAG_1, IDC_TAG_2})
        EnableWindow(id, false);
    m_titleMinutes = -1;
    // An exam shorter than a warning's time does not open with it.
    m_warningsGiven = 0;
    while (m_warningsGiven < static_cast<int>(std::size(kWarningSeconds)) &&
           m_exam->SecondsLeft() <= kWarningSeconds[m_warningsGiven])
        ++m_warningsGiven;
    if (afx::CFrameWnd* frame = GetParentFrame()) {
        m_examClockLabel = new QLabel;
        m_examClockLabel->setTextFormat(Qt::PlainText);
        frame->statusBar()->addPermanentWidget(m_examClockLabel);
    }
    if (m_examTimer == nullptr) {
        m_examTimer = new QTimer(this);
        m_examTimer->setInterval(1000);
        connect(m_examTimer, &QTimer::timeout, this, [this] {
            if (afx::CFrameWnd* frame = GetParentFrame())
                frame->RouteCommand(ID_EXAM_TICK);
        });
    }
    m_examTimer->start();
    ShowExamClock();
}

void CQuilloView::EndExamMode()
{
    if (m_examTimer != nullptr)
        m_examTimer->stop();
    delete m_examClockLabel;
    if (afx::CFrameWnd* frame = GetParentFrame())
        frame->SetCaptionPrefix(QString());
    GetDlgItem(IDC_BOOK_NAME)->setToolTip(QString());
    auto* commit = static_cast<QPushButton*>(GetDlgItem(IDC_COMMIT));
    commit->setText("Commit");
    commit->setDefault(true);
    Keys().ReturnPressesDefault(true);
    for (const int id : {IDC_TAG_IT, IDC_TAG_1, IDC_TAG_2})
        EnableWindow(id, true);
    m_exam.reset();
}

// The answer chosen, never whether it is right.
void CQuilloView::ShowExamState()
{
    m_nAnswer = m_exam->Chosen(m_nCurrent - 1);
    m_strStatus = m_nAnswer >= 0 ? "Answered" : "Pending";
    m_strCorrectAnswer.Empty();
    // The score is the exam's secret until it ends.
    m_strScore = "-";
    ShowExamClock();
}

QString CQuilloView::TimeLeftText() const
{
    const QString answered = QString("%1 of %2 answered").arg(m_exam->AnsweredCount()).arg(m_exam->Size());
    if (!m_exam->HasTimeLimit())
        return answered + ", no time limit";
    const int seconds = m_exam->SecondsLeft();
    return answered + QString(", time left %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

// The status bar counts every second; the title, which window lists and
// screen readers repeat, changes once a minute.
void CQuilloView::ShowExamClock()
{
    if (m_examClockLabel)
        m_examClockLabel->setText(TimeLeftText());
    if (!m_exam->HasTimeLimit()) {
        if (afx::CFrameWnd* frame = GetParentFrame())
            frame->SetCaptionPrefix("Practice exam");
        return;
    }
    const int minutes = (m_exam->SecondsLeft() + 59) / 60;
    if (minutes != m_titleMinutes) {
        m_titleMinutes = minutes;
        if (afx::CFrameWnd* frame = GetParentFrame())
            frame->SetCaptionPrefix(QString("Exam: %1 min left").arg(minutes));
    }
}

// The clock waits while a box or dialog of the program is open: the exam
// ends under nothing the user is still reading or answering, and ends as
// soon as it closes.
void CQuilloView::OnExamTick()
{
    if (!m_exam)
        return;
    ShowExamClock();
    if (QApplication::activeModalWidget() != nullptr)
        return;
    if (m_exam->TimeIsUp()) {
        FinishExam();
        return;
    }
    const int left = m_exam->SecondsLeft();
    const int warnings = static_cast<int>(std::size(kWarningSeconds));
    if (m_exam->HasTimeLimit() && m_warningsGiven < warnings && left <= kWarningSeconds[m_warningsGiven]) {
        while (m_warningsGiven < warnings && left <= kWarningSeconds[m_warningsGiven])
            ++m_warningsGiven;
        afx::ScreenReaderNotice::In(this)->Say(
            QString("%1 left in the exam.")
                .arg(left >= 120 ? Counted((left + 59) / 60, "minute") : QString("Less than 2 minutes")));
    }
}

void CQuilloView::OnTimeLeft()
{
    if (!m_exam)
        return;
    QString text = "No time limit";
    if (m_exam->HasTimeLimit()) {
        const int seconds = m_exam->SecondsLeft();
        text = QString("%1 %2 left").arg(Counted(seconds / 60, "minute"), Counted(seconds % 60, "second"));
    }
    text += QString(". %1 of %2 answered.").arg(m_exam->AnsweredCount()).arg(m_exam->Size());
    afx::ScreenReaderNotice::In(this)->Say(text);
    if (afx::CFrameWnd* frame = GetParentFrame())
        frame->SetMessageText(afx::FromQt(text));
}

void CQuilloView::OnUpdateExamRunning(afx::CCmdUI* ui)
{
    ui->Enable(m_exam != nullptr);
}

void CQuilloView::OnFinishExam()
{
    if (!m_exam)
        return;
    UpdateData(true);
    const int unanswered = m_exam->Size() - m_exam->AnsweredCount();
    CString prompt = "Finish the practice exam?";
    if (unanswered > 0)
        prompt.Format("Finish the practice exam? %d of %d questions are not answered; they count as missed.",
                      unanswered, m_exam->Size());
    const int answer = AfxMessageBox(prompt, afx::MB_YESNO | afx::MB_DEFBUTTON2);
    // The clock may have finished the exam while the question was open.
    if (answer == afx::IDYES && m_exam)
        FinishExam();
}

// The exam's answers become the test's, shown right or wrong from now on,
// so the user can go through them after the result.
void CQuilloView::FinishExam()
{
    const ExamResult result = m_exam->Finish(*m_pTest, m_wallClock());
    for (int i = 0; i < m_exam->Size(); ++i) {
        const BookQuestion& question = m_exam->Question(i);
        const int chosen = m_exam->Chosen(i);
        m_testList.RecordAnswer(i, chosen, IsCorrectAnswer(chosen, question.correct) ? 1 : 0, question.correct);
    }
    EndExamMode();
    GetDocument()->SetModifiedFlag();
    ShowQuestion(true);
    if (result.timeRanOut) {
        afx::ScreenReaderNotice::In(this)->Say("Time is up.");
        if (afx::CFrameWnd* frame = GetParentFrame())
            frame->SetMessageText("Time is up.");
    }
    ShowExamResult(result);
}

void CQuilloView::ShowExamResult(const ExamResult& result)
{
    std::vector<MissedWording> wordings;
    for (const ExamMiss& miss : result.missed) {
        MissedWording wording;
        if (m_pQuestions->MoveToNumber(miss.number) != 0) {
            wording.question = afx::ToQt(m_pQuestions->m_strQuestion).simplified();
            const CString* answers[] = {&m_pQuestions->m_strAnswerA, &m_pQuestions->m_strAnswerB,
                                        &m_pQuestions->m_strAnswerC, &m_pQuestions->m_strAnswerD};
            for (int letter = 0; letter < 4; ++letter)
                wording.answers[letter] = afx::ToQt(*answers[letter]).simplified();
        }
        if (const std::optional<CString> explanation =
                litex::ReadExplanation(Database(), m_pTest->m_strTable, miss.number))
            wording.explanation = afx::ToQt(*explanation);
        wordings.push_back(wording);
    }
    FindQuestion(m_testList.GetNumber(m_nCurrent - 1));
    UpdateData(false);

    ExamResultDlg dialog(this, result, wordings);
    if (afx::AfxGetApp()->GetDialogRunner().RunStandard(dialog) != ExamResultDlg::kRetry)
        return;
    std::vector<CString> numbers;
    for (const ExamMiss& miss : result.missed)
        numbers.push_back(miss.number);
    StartTestOfNumbers(numbers, ", missed in the exam");
}

void CQuilloView::StartTestOfNumbers(const std::vector<CString>& numbers, const CString& name)
{
    m_testList.RemoveAll();
    for (const CString& number : numbers)
        m_testList.Add(number);
    m_nTestSize = m_testList.GetSize();
    m_nCurrent = 1;
    m_strBookName = m_pTest->m_strTitle + name;
    ShowQuestion(true);
    AnnounceQuestion();
}

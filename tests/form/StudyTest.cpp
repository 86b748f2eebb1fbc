// Progress and the practice exam as a user meets them on the form.

#include "FormTest.h"

#include "form/ExamResultDlg.h"
#include "form/ExplanationDlg.h"
#include "form/PracticeExamDlg.h"
#include "form/ProgressDlg.h"
#include "form/StudyChart.h"

#include "afx/ui/QtText.h"
#include "afx/ui/ReadableDocument.h"
#include "afx/ui/ScreenReaderNotice.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace form;

namespace {

// Book 1 in three sections of four, S1 to S3; book 2 without sections. The
// bank stores an exam for book 1.
std::string SectionedBank()
{
    return QuestionBankSql(2, 12) +
           "UPDATE BOOK1 SET c1 = 'S' || ((id - 1) / 4 + 1);"
           "CREATE TABLE PRACTICE_EXAM (TableName TEXT, Questions INTEGER, PassMark INTEGER, Minutes INTEGER,"
           " Draw TEXT);"
           "INSERT INTO PRACTICE_EXAM VALUES ('BOOK1', 3, 60, 10, 'section');";
}

std::string Str(const CString& text)
{
    return static_cast<const char*>(text);
}

void PressButton(QDialog& dialog, const QString& caption)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == caption) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

class StudyTest : public FormTest {
protected:
    std::chrono::steady_clock::time_point now;
    void UseTestClock()
    {
        View()->SetExamClock([this] { return now; });
    }
};

} // namespace

// The table shows what the record holds; a section chosen there starts a
// test of that section alone, in the book it belongs to.
TEST_F(StudyTest, ProgressShowsTheRecordAndStartsATestOfASection)
{
    StartOn(SectionedBank());
    Record().m_strTable = "BOOK1";
    Record().AddAnswered("5");
    Record().AddMissed("5");
    Record().AddAnswered("6");
    Record().AddCorrect("6");

    dialogs.ThenStandard([](QDialog& dialog) {
        auto& progress = dynamic_cast<ProgressDlg&>(dialog);
        QTreeWidget* table = progress.Table();
        EXPECT_EQ(table->topLevelItemCount(), 2);
        QTreeWidgetItem* book = table->topLevelItem(0);
        EXPECT_EQ(book->text(0), "Book 1");
        EXPECT_EQ(book->childCount(), 3);
        EXPECT_EQ(book->text(1), "12");
        EXPECT_EQ(book->text(9), "8% correct, 8% missed") << "the bar in words";
        EXPECT_EQ(book->text(8), "0") << "a record without answer history has nothing due";
        EXPECT_EQ(table->topLevelItem(1)->childCount(), 0) << "a book without sections";

        progress.WeakestFirst()->setChecked(true);
        EXPECT_EQ(book->child(0)->text(0), "S2") << "one missed of two answered, the others never answered";
        EXPECT_EQ(book->child(1)->text(0), "S1");
        table->setCurrentItem(book->child(0));
        PressButton(dialog, "&Start Test");
        return dialog.result();
    });
    Command(ID_PROGRESS);
    EXPECT_EQ(messages.texts, std::vector<std::string>{});
    EXPECT_EQ(Str(Record().m_strTable), "BOOK1");
    EXPECT_EQ(View()->m_nPoolSize, 4);
    EXPECT_EQ(Text(IDC_BOOK_NAME), "Book 1, section S2");
    for (int i = 0; i < View()->m_testList.GetSize(); ++i) {
        const int number = std::atoi(View()->m_testList.GetNumber(i));
        EXPECT_TRUE(number >= 5 && number <= 8) << number;
    }
}

// A whole exam: the bank's stored settings offered, no right or wrong
// while it runs, an answer changed, the clock running out, the result
// page, the record updated as commits would, and Retry These.
TEST_F(StudyTest, PracticeExamRunsOutOfTimeThenRetriesTheMissed)
{
    StartOn(SectionedBank() + "CREATE TABLE EXPLANATION(TableName TEXT, Number TEXT, Explanation TEXT);"
                              "INSERT INTO EXPLANATION SELECT 'BOOK1', num, 'Why ' || num FROM BOOK1;");
    UseTestClock();
    dialogs.ThenStandard([](QDialog& dialog) {
        auto& exam = dynamic_cast<PracticeExamDlg&>(dialog);
        EXPECT_EQ(exam.Questions()->value(), 3);
        EXPECT_EQ(exam.PassMark()->value(), 60);
        EXPECT_EQ(exam.Minutes()->value(), 10);
        EXPECT_TRUE(exam.PerSection()->isChecked());
        return QDialog::Accepted;
    });
    Command(ID_PRACTICE_EXAM);
    ASSERT_TRUE(View()->ExamIsRunning());
    EXPECT_EQ(View()->m_nTestSize, 3);
    EXPECT_EQ(Text(IDC_COMMIT), "Finish");
    EXPECT_TRUE(Enabled(ID_FINISH_EXAM));
    EXPECT_FALSE(Enabled(ID_NEXT_QUESTION)) << "no browsing the pool for answers";
    EXPECT_EQ(Frame()->windowTitle().left(19).toStdString(), "Exam: 10 min left -");

    // Question 1 right (odd numbers are A), question 2 wrong, then changed
    // to wrong again; question 3 left open.
    const bool firstIsOdd = std::atoi(View()->m_testList.GetNumber(0)) % 2 == 1;
    Click(firstIsOdd ? IDC_RADIO_A : IDC_RADIO_C);
    EXPECT_EQ(Text(IDC_STATUS), "Answered");
    EXPECT_EQ(Text(IDC_CORRECT_ANSWER), "") << "no answer given away";
    Click(IDC_NEXT);
    const bool secondIsOdd = std::atoi(View()->m_testList.GetNumber(1)) % 2 == 1;
    Click(IDC_RADIO_D);
    Click(secondIsOdd ? IDC_RADIO_B : IDC_RADIO_A);
    Click(IDC_SETUP);
    EXPECT_EQ(messages.texts.back(), "A practice exam is under way. Finish it first (Questions menu, Finish Exam).");

    QString page;
    dialogs.ThenStandard([&page](QDialog& dialog) {
        page = dynamic_cast<ExamResultDlg&>(dialog).Page()->toPlainText();
        PressButton(dialog, "&Retry These");
        return dialog.result();
    });
    now += std::chrono::minutes(10);
    Command(ID_EXAM_TICK);
    EXPECT_FALSE(View()->ExamIsRunning());
    EXPECT_TRUE(page.startsWith("Time is up. Not passed: 1 of 3 correct, 33%. Pass mark 60%.")) << page.toStdString();
    EXPECT_TRUE(page.contains("1 question left unanswered")) << page.toStdString();
    EXPECT_TRUE(page.contains("Your answer: none")) << page.toStdString();
    EXPECT_EQ(page.count(" of 1 correct"), 3) << "one line a section";
    const std::string lastMissed = Str(View()->m_testList.GetNumber(1));
    EXPECT_TRUE(page.contains(QString::fromStdString("Explanation:\nWhy " + lastMissed))) << page.toStdString();
    EXPECT_EQ(page.count("Explanation:"), 2) << "under each question missed";

    EXPECT_EQ(Record().m_answered.GetCount(), 2) << "the question left open is not answered";
    EXPECT_EQ(Record().m_missed.GetCount(), 1);
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(Text(IDC_COMMIT), "Commit");
    EXPECT_FALSE(Frame()->windowTitle().startsWith("Exam"));
    EXPECT_EQ(View()->m_testList.GetSize(), 2) << "Retry These: the two missed";
    EXPECT_EQ(Text(IDC_STATUS), "Pending");

    // Progress lists the exam's score over time, and a reader hears it.
    dialogs.ThenStandard([](QDialog& dialog) {
        QTableWidget* exams = dynamic_cast<ProgressDlg&>(dialog).Exams();
        EXPECT_EQ(exams->rowCount(), 1);
        EXPECT_EQ(exams->item(0, 1)->text(), "Book 1");
        EXPECT_EQ(exams->item(0, 2)->text(), "33 %");
        EXPECT_EQ(exams->item(0, 2)->data(Qt::AccessibleTextRole).toString(), "33 %, 1 of 3 right, pass mark 60 %");
        EXPECT_EQ(exams->item(0, 3)->text(), "Not passed");
        EXPECT_EQ(exams->accessibleDescription(), "1 practice exam taken, 0 passed; the last 33 %, not passed.");
        return QDialog::Rejected;
    });
    Command(ID_PROGRESS);
}

// Finish asks first, and names the questions left open.
TEST_F(StudyTest, FinishAsksAndTheExamGoesOnWhenTheAnswerIsNo)
{
    StartOn(SectionedBank());
    dialogs.ThenStandard([](QDialog& dialog) {
        dynamic_cast<PracticeExamDlg&>(dialog).AtRandom()->setChecked(true);
        return QDialog::Accepted;
    });
    Command(ID_PRACTICE_EXAM);
    messages.answers = {afx::IDNO};
    Click(IDC_COMMIT);
    EXPECT_EQ(messages.texts.back(),
              "Finish the practice exam? 3 of 3 questions are not answered; they count as missed.");
    EXPECT_TRUE(View()->ExamIsRunning());
    messages.answers = {afx::IDYES};
    Command(ID_FINISH_EXAM);
    EXPECT_FALSE(View()->ExamIsRunning());
    EXPECT_EQ(dialogs.captions.back(), "Practice Exam Result");
}

// "(no section)" is a test of the questions without one, not of the book.
TEST_F(StudyTest, TheRowWithoutASectionStartsATestOfJustThoseQuestions)
{
    StartOn(SectionedBank() + "UPDATE BOOK1 SET c1 = '' WHERE id > 8;");
    dialogs.ThenStandard([](QDialog& dialog) {
        QTreeWidgetItem* book = dynamic_cast<ProgressDlg&>(dialog).Table()->topLevelItem(0);
        EXPECT_EQ(book->child(2)->text(0), "(no section)");
        dynamic_cast<ProgressDlg&>(dialog).Table()->setCurrentItem(book->child(2));
        PressButton(dialog, "&Start Test");
        return dialog.result();
    });
    Command(ID_PROGRESS);
    EXPECT_EQ(View()->m_nPoolSize, 4);
    EXPECT_EQ(Text(IDC_BOOK_NAME), "Book 1, no section");
}

// Time running out under an open box waits for it: the result never opens
// on top of a question the user is still answering.
TEST_F(StudyTest, TheClockWaitsForAnOpenBoxBeforeItEndsTheExam)
{
    StartOn(SectionedBank());
    UseTestClock();
    dialogs.ThenStandard([](QDialog&) { return int(QDialog::Accepted); });
    Command(ID_PRACTICE_EXAM);
    now += std::chrono::minutes(11);
    {
        QDialog box(View()->window());
        box.setModal(true);
        box.show();
        Command(ID_EXAM_TICK);
        EXPECT_TRUE(View()->ExamIsRunning()) << "not while the box is open";
    }
    Command(ID_EXAM_TICK);
    EXPECT_FALSE(View()->ExamIsRunning());
    EXPECT_EQ(dialogs.captions.back(), "Practice Exam Result");
}

// The spoken warnings come once each as the clock passes five minutes and
// one minute left, in words that agree with their number.
TEST_F(StudyTest, TheExamWarnsAtFiveMinutesAndAtOneMinuteLeft)
{
    StartOn(SectionedBank());
    UseTestClock();
    dialogs.ThenStandard([](QDialog&) { return int(QDialog::Accepted); });
    Command(ID_PRACTICE_EXAM);
    const auto heard = [this] { return afx::ScreenReaderNotice::In(View())->Message().toStdString(); };
    now += std::chrono::minutes(5);
    Command(ID_EXAM_TICK);
    EXPECT_EQ(heard(), "5 minutes left in the exam.");
    now += std::chrono::minutes(4) + std::chrono::seconds(1);
    Command(ID_EXAM_TICK);
    EXPECT_EQ(heard(), "Less than 2 minutes left in the exam.");
    Command(ID_TIME_LEFT);
    EXPECT_EQ(heard(), "0 minutes 59 seconds left. 0 of 3 answered.");
    now += std::chrono::seconds(58);
    Command(ID_TIME_LEFT);
    EXPECT_EQ(heard(), "0 minutes 1 second left. 0 of 3 answered.");
}

// A tag changed once the question is answered has no commit to wait for:
// it is in the record at once, and taking it off is too.
TEST_F(StudyTest, ATagSetAfterTheCommitIsKept)
{
    StartOn(SectionedBank());
    Click(IDC_RADIO_A);
    Click(IDC_COMMIT);
    const CString number = View()->m_testList.GetNumber(0);
    Document()->SetModifiedFlag(false);
    Click(IDC_TAG_IT);
    Click(IDC_TAG_2);
    EXPECT_TRUE(Record().IsTagged2(number));
    EXPECT_FALSE(Record().IsTagged1(number));
    EXPECT_TRUE(Document()->IsModified());
    Click(IDC_TAG_IT);
    EXPECT_FALSE(Record().IsTagged2(number));

    Click(IDC_NEXT);
    Click(IDC_TAG_IT);
    EXPECT_FALSE(Record().IsTagged1(View()->m_testList.GetNumber(1))) << "before the commit it waits for it";
}

// A bank's own text is shown as it stands, whatever it holds.
TEST(ExamResultPageTest, ShowsTheBanksTextAsItStands)
{
    ExamResult result;
    result.questions = 1;
    result.sections = {{"Loads <%2>", 1, 0}};
    result.missed = {{"E1%3", 1, "C"}};
    MissedWording wording{"What is %3 of <b>?", {"a %4", "b %1", "c", "d"}, "Since <i>%1</i>\n\nSee %2."};
    const QString page = QTextDocumentFragment::fromHtml(ExamResultPage(result, {wording})).toPlainText();
    EXPECT_TRUE(page.contains("Explanation:\nSince <i>%1</i>\nSee %2.")) << page.toStdString();
    EXPECT_TRUE(page.contains("Loads <%2>: 0 of 1 correct")) << page.toStdString();
    EXPECT_TRUE(page.contains("E1%3: What is %3 of <b>?")) << page.toStdString();
    EXPECT_TRUE(page.contains("Your answer: B, b %1")) << page.toStdString();
    EXPECT_TRUE(page.contains("Correct answer: C, c")) << page.toStdString();
}

// Today's bar stands at the right end of the chart however wide it is
// drawn, and the first day's at the left.
TEST(StudyChartTest, TheDaysShareTheWholeWidth)
{
    std::vector<StudyDay> days(28);
    days.front() = {0, 2, 2};
    days.back() = {27, 2, 2};
    StudyChart chart(days);
    chart.resize(700, 90);
    const QImage drawn = chart.grab().toImage();
    const auto isGreen = [&drawn](int x) {
        const QColor color = drawn.pixelColor(x, 80);
        return color.green() > 120 && color.red() < 100;
    };
    EXPECT_TRUE(isGreen(10));
    EXPECT_TRUE(isGreen(690));
    EXPECT_FALSE(isGreen(350));
}

// Right, wrong, then right over three days on a moved clock: missed only
// while the last answer is wrong; Review Due brings the question back on
// the day the scheduler says (a Good the day after an Again holds it 3.59
// days: due four days after the last answer) and not the day before, and
// Progress counts it due that day.
TEST_F(StudyTest, ReviewDueBringsAQuestionBackOnTheDayTheSchedulerSays)
{
    StartOn(SectionedBank());
    constexpr int64_t kDay = 24 * 60 * 60;
    int64_t now = 1796083200 + 12 * 60 * 60; // 2026-12-01, noon
    View()->SetWallClock([&now] { return now; });
    const CString number = View()->m_testList.GetNumber(0);
    const int right = std::atoi(number) % 2 == 1 ? IDC_RADIO_A : IDC_RADIO_C;
    const CString key = Record().MakeKey(number);
    const auto answerOnDay = [&](int day, int choice) {
        now = 1796083200 + 12 * 60 * 60 + day * kDay;
        if (day > 0)
            View()->StartTestOfNumbers({number}, ", again");
        Click(choice);
        Click(IDC_COMMIT);
    };
    answerOnDay(0, right);
    EXPECT_FALSE(Record().IsStillMissed(key));
    answerOnDay(1, IDC_RADIO_D);
    EXPECT_TRUE(Record().IsStillMissed(key));
    answerOnDay(2, right);
    EXPECT_FALSE(Record().IsStillMissed(key));

    now += 3 * kDay;
    Command(ID_REVIEW_DUE);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0].rfind("No question of this book is due for review.", 0), 0u);

    now += kDay;
    Command(ID_REVIEW_DUE);
    EXPECT_EQ(messages.texts.size(), 1u);
    ASSERT_EQ(View()->m_testList.GetSize(), 1);
    EXPECT_EQ(Str(View()->m_testList.GetNumber(0)), Str(number));
    EXPECT_EQ(Text(IDC_BOOK_NAME), "Book 1, due for review");

    dialogs.ThenStandard([](QDialog& dialog) {
        QTreeWidgetItem* book = dynamic_cast<ProgressDlg&>(dialog).Table()->topLevelItem(0);
        EXPECT_EQ(book->text(8), "1");
        EXPECT_EQ(book->data(8, Qt::AccessibleTextRole).toString(), "1 due today");
        // Over time: a day a row for the three days with answers, newest first.
        QTableWidget* days = dynamic_cast<ProgressDlg&>(dialog).Days();
        EXPECT_EQ(days->rowCount(), 3);
        EXPECT_EQ(days->item(1, 3)->text(), "0 %");
        EXPECT_EQ(days->item(0, 1)->data(Qt::AccessibleTextRole).toString(), "1 answered");
        return QDialog::Rejected;
    });
    Command(ID_PROGRESS);
}

// Once the question is answered, Explanation shows the bank's text for it,
// as written, and a screen reader hears it whole; before, it would give the
// answer away, and a question the bank does not explain says so.
TEST_F(StudyTest, TheExplanationFollowsTheCommitAndSaysWhenThereIsNone)
{
    StartOn(SectionedBank() +
            "CREATE TABLE EXPLANATION(TableName TEXT, Number TEXT, Explanation TEXT);"
            "INSERT INTO EXPLANATION VALUES('BOOK1', '1', 'Since <b> %1' || char(10, 10) || 'See %2.');"
            "INSERT INTO EXPLANATION VALUES('BOOK2', '2', 'Another book''s');");
    View()->StartTestOfNumbers({"1", "2"}, ", explained");
    ASSERT_TRUE(Enabled(ID_EXPLANATION));
    Command(ID_EXPLANATION);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Answer the question first: its explanation gives the answer away.");

    Click(IDC_RADIO_B);
    Click(IDC_COMMIT);
    dialogs.ThenStandard([](QDialog& dialog) {
        auto& shown = dynamic_cast<ExplanationDlg&>(dialog);
        EXPECT_EQ(shown.Page()->toPlainText(), "Question 1\nCorrect answer: A, first 1\nSince <b> %1\nSee %2.");
        EXPECT_EQ(afx::ScreenReaderNotice::In(&dialog)->Message(),
                  "Question 1. Correct answer: A, first 1. Since <b> %1 See %2.");
        return QDialog::Rejected;
    });
    Command(ID_EXPLANATION);
    EXPECT_EQ(messages.texts.size(), 1u);
    // Browsing shows another question than the one answered.
    Command(ID_LAST_QUESTION);
    Command(ID_EXPLANATION);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1], messages.texts[0]);

    Click(IDC_NEXT);
    Click(IDC_RADIO_C);
    Click(IDC_COMMIT);
    Command(ID_EXPLANATION);
    ASSERT_EQ(messages.texts.size(), 3u);
    EXPECT_EQ(messages.texts[2], "This question bank has no explanation for question 2.");
}

// Progress and the practice exam's dialog tell the chance to pass the
// book's exam now, and a screen reader hears it: with the table, which has
// the focus, in Progress; each time it changes with the settings in the
// dialog. Every question right once, by the sets alone: 0.9 each.
TEST_F(StudyTest, TheChanceToPassIsShownAndHeard)
{
    StartOn(SectionedBank());
    for (int number = 1; number <= 12; ++number) {
        Record().AddAnswered(std::to_string(number).c_str());
        Record().AddCorrect(std::to_string(number).c_str());
    }
    dialogs.ThenStandard([](QDialog& dialog) {
        auto& progress = dynamic_cast<ProgressDlg&>(dialog);
        // Two of three, one from each section: 0.9^3 + 3 x 0.9^2 x 0.1.
        EXPECT_EQ(progress.Outlook()->text(), "Chance to pass the practice exam of Book 1 now (3 questions, pass "
                                              "mark 60 %, one from each section): 97 %");
        EXPECT_EQ(progress.Table()->accessibleDescription(), progress.Outlook()->text());
        return QDialog::Rejected;
    });
    Command(ID_PROGRESS);
    dialogs.ThenStandard([](QDialog& dialog) {
        auto& exam = dynamic_cast<PracticeExamDlg&>(dialog);
        EXPECT_EQ(exam.ChanceLabel()->text(), "Chance to pass now: 97 %");
        exam.PassMark()->setValue(100); // all three: 0.9^3
        EXPECT_EQ(exam.ChanceLabel()->text(), "Chance to pass now: 72 %");
        EXPECT_EQ(afx::ScreenReaderNotice::In(&dialog)->Message(), "Chance to pass now: 72 %");
        return QDialog::Rejected;
    });
    Command(ID_PRACTICE_EXAM);
    EXPECT_FALSE(View()->ExamIsRunning());
}

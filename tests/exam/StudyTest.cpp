// Progress figures, the practice exam's draw, its clock and its result.

#include "exam/COptions.h"
#include "exam/ExamSettings.h"
#include "exam/Percent.h"
#include "exam/PracticeExam.h"
#include "exam/Progress.h"

#include "bank/PracticeExamTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

// Six sections S1.. of three questions each, numbered 1..18, correct B.
std::vector<BookQuestion> Book(int sections = 6, int perSection = 3)
{
    std::vector<BookQuestion> book;
    for (int s = 1; s <= sections; ++s)
        for (int q = 1; q <= perSection; ++q)
            book.push_back({std::to_string(book.size() + 1).c_str(), ("S" + std::to_string(s)).c_str(), "B"});
    return book;
}

std::string Str(const CString& text)
{
    return static_cast<const char*>(text);
}

} // namespace

// A question missed and later answered right counts as correct, not
// missed; keys of another book and of questions the bank no longer holds
// count nowhere.
TEST(ProgressTest, CountsTheRecordsSetsPerBookAndSection)
{
    COptions record;
    record.m_strTable = "BOOK1";
    for (const char* number : {"1", "2", "4", "99"})
        record.AddAnswered(number);
    record.AddCorrect("1");
    record.AddMissed("2");
    record.AddMissed("4");
    record.AddCorrect("4");
    record.AddTagged1("5");
    record.AddTagged2("2");
    record.m_answered.SetAt("BOOK2.3", CString());

    const BookProgress book = MeasureBook(record, "BOOK1", "First", Book(2, 3), 0);
    EXPECT_EQ(book.figures.questions, 6);
    EXPECT_EQ(book.figures.answered, 3);
    EXPECT_EQ(book.figures.correct, 2);
    EXPECT_EQ(book.figures.missed, 1);
    EXPECT_EQ(book.figures.tagged1, 1);
    EXPECT_EQ(book.figures.tagged2, 1);
    EXPECT_EQ(book.figures.NeverAnswered(), 3);
    EXPECT_EQ(book.figures.ReadyPercent(), 33);
    ASSERT_EQ(book.sections.size(), 2u);
    EXPECT_EQ(Str(book.sections[0].name), "S1");
    EXPECT_EQ(book.sections[0].figures.answered, 2);
    EXPECT_EQ(book.sections[1].figures.correct, 1);
    EXPECT_EQ(book.sections[1].figures.tagged1, 1);

    std::vector<BookQuestion> plain = Book(1, 4);
    for (BookQuestion& question : plain)
        question.section = "";
    EXPECT_TRUE(MeasureBook(record, "BOOK1", "First", plain, 0).sections.empty());
}

// A section that comes back after another is still one row.
TEST(ProgressTest, ASectionThatRecursIsOneRow)
{
    std::vector<BookQuestion> book = Book(3, 2);
    book[4].section = "S1";
    book[5].section = "";
    const BookProgress progress = MeasureBook(COptions(), "BOOK1", "First", book, 0);
    ASSERT_EQ(progress.sections.size(), 3u);
    EXPECT_EQ(Str(progress.sections[0].name), "S1");
    EXPECT_EQ(progress.sections[0].figures.questions, 3);
    EXPECT_EQ(Str(progress.sections[2].name), "") << "the questions without a section";
}

// What the user has shown ranks first: 9 of 10 missed is weaker than 1 of
// 2, which is weaker than 1 of 4; sections never answered come last.
TEST(ProgressTest, WeakestFirstRanksByTheShareMissedOfTheAnswered)
{
    const auto figures = [](int answered, int missed) {
        ProgressFigures made;
        made.questions = 10;
        made.answered = answered;
        made.missed = missed;
        return made;
    };
    EXPECT_TRUE(ShowsWeaker(figures(10, 9), figures(0, 0)));
    EXPECT_FALSE(ShowsWeaker(figures(0, 0), figures(10, 9)));
    EXPECT_TRUE(ShowsWeaker(figures(10, 9), figures(2, 1)));
    EXPECT_TRUE(ShowsWeaker(figures(2, 1), figures(4, 1)));
    EXPECT_TRUE(ShowsWeaker(figures(4, 2), figures(2, 1))) << "as weak, more missed";
    EXPECT_FALSE(ShowsWeaker(figures(0, 0), figures(0, 0)));
}

// The section's name and column reach SQL as quoted tokens only; no name
// is the questions that have none.
TEST(ProgressTest, SectionPoolQuotesWhatTheBankNames)
{
    COptions record;
    record.m_strTable = "BOOK1";
    EXPECT_EQ(Str(BuildSelectSection(record, "Sec\"tion", "E1'A")),
              "SELECT * FROM 'BOOK1' WHERE Question LIKE '%%' AND \"Sec\"\"tion\" = 'E1''A'");
    EXPECT_EQ(Str(BuildSelectSection(record, "c1", "")),
              "SELECT * FROM 'BOOK1' WHERE Question LIKE '%%' AND (\"c1\" IS NULL OR \"c1\" = '')");
}

TEST(ExamDrawTest, TakesOneQuestionFromEachSectionInBookOrder)
{
    const std::vector<BookQuestion> book = Book();
    afx::CrtRandom random;
    ExamSettings settings;
    settings.perSection = true;

    for (const int questions : {6, 4, 10}) {
        settings.questions = questions;
        const std::vector<size_t> rows = DrawExam(book, settings, random);
        ASSERT_EQ(rows.size(), static_cast<size_t>(questions));
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
        EXPECT_EQ(std::set<size_t>(rows.begin(), rows.end()).size(), rows.size()) << "no question twice";
        std::set<std::string> sections;
        for (const size_t row : rows)
            sections.insert(Str(book[row].section));
        EXPECT_EQ(sections.size(), static_cast<size_t>(std::min(questions, 6))) << questions;
    }

    settings.perSection = false;
    settings.questions = 100;
    const std::vector<size_t> all = DrawExam(book, settings, random);
    EXPECT_EQ(std::set<size_t>(all.begin(), all.end()).size(), book.size()) << "never more than the book";
}

// A bank's stored exam wins when it makes sense; otherwise a book of
// sections gets one question of each.
TEST(ExamDrawTest, DefaultsComeFromTheBankOrFromTheSections)
{
    const std::vector<BookQuestion> book = Book();
    const ExamSettings fromSections = DefaultExamSettings(book, std::nullopt);
    EXPECT_TRUE(fromSections.perSection);
    EXPECT_EQ(fromSections.questions, 6);
    EXPECT_EQ(fromSections.minutes, 6);

    const ExamSettings stored = DefaultExamSettings(book, litex::StoredPracticeExam{35, 74, 0, false});
    EXPECT_EQ(stored.questions, 18) << "cut to the book";
    EXPECT_EQ(stored.passMarkPercent, 74);
    EXPECT_EQ(stored.minutes, 0);
    EXPECT_FALSE(stored.perSection);

    EXPECT_EQ(DefaultExamSettings(book, litex::StoredPracticeExam{10, 0, 20, true}).passMarkPercent, 75)
        << "a pass mark of 0 is not a pass mark";
}

// An exam run to the end on a clock the test moves: no time left, the
// result per section, the pass mark's edge, and the record as commits
// would leave it, unanswered questions missed.
TEST(PracticeExamTest, RunsOutOfTimeAndScoresLikeTheRealExam)
{
    auto now = std::chrono::steady_clock::time_point();
    ExamSettings settings{4, 75, 2, true};
    const std::vector<BookQuestion> book = Book(2, 2);
    PracticeExam exam(settings, book, [&now] { return now; });
    EXPECT_EQ(exam.SecondsLeft(), 120);
    exam.Choose(0, 1);
    exam.Choose(1, 0);
    exam.Choose(1, 1); // changed its mind
    exam.Choose(2, 2);
    EXPECT_EQ(exam.AnsweredCount(), 3);
    now += std::chrono::seconds(119);
    EXPECT_FALSE(exam.TimeIsUp());
    now += std::chrono::seconds(5);
    EXPECT_TRUE(exam.TimeIsUp());
    EXPECT_EQ(exam.SecondsLeft(), 0);

    COptions record;
    record.m_strTable = "BOOK1";
    const ExamResult result = exam.Finish(record, 1);
    EXPECT_EQ(result.correct, 2);
    EXPECT_EQ(result.Percent(), 50);
    EXPECT_FALSE(result.passed);
    EXPECT_TRUE(result.timeRanOut);
    ASSERT_EQ(result.sections.size(), 2u);
    EXPECT_EQ(result.sections[0].correct, 2);
    EXPECT_EQ(result.sections[1].correct, 0);
    ASSERT_EQ(result.missed.size(), 2u);
    EXPECT_EQ(result.missed[0].chosen, 2);
    EXPECT_EQ(result.missed[1].chosen, -1);
    EXPECT_EQ(record.m_answered.GetCount(), 3) << "the question left open is not answered";
    EXPECT_TRUE(record.IsCorrect("2"));
    EXPECT_TRUE(record.IsMissed("3"));
    EXPECT_FALSE(record.IsMissed("4"));

    // 26 of 35 passes a 74 % mark, 25 does not.
    const std::vector<BookQuestion> big = Book(35, 1);
    for (const int right : {26, 25}) {
        PracticeExam real({35, 74, 0, true}, big);
        for (int i = 0; i < right; ++i)
            real.Choose(i, 1);
        COptions scratch;
        EXPECT_EQ(real.Finish(scratch, 1).passed, right == 26) << right;
        EXPECT_FALSE(real.TimeIsUp()) << "no limit, no end";
    }
}

// One rule for every share shown: rounded down, never above what was
// achieved, nothing of nothing, and no overflow on a large count.
TEST(PercentTest, ASharesIsRoundedDownAndNothingOfNothingIsZero)
{
    EXPECT_EQ(WholePercent(739, 1000), 73) << "not a pass at a 74 % mark";
    EXPECT_EQ(WholePercent(57, 1000), 5);
    EXPECT_EQ(WholePercent(4, 4), 100);
    EXPECT_EQ(WholePercent(0, 0), 0);
    EXPECT_EQ(WholePercent(3'000'000'000LL, 4'000'000'000LL), 75);
    EXPECT_EQ(ExamResult().Percent(), 0);
}

// The scheduler against the figures its published formulas give with the
// default parameters, and the list of questions due.

#include "exam/ReviewSchedule.h"
#include "exam/COptions.h"
#include "exam/ReviewDue.h"
#include "exam/StudyHistory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

constexpr int64_t kStart = 1796083200; // 2026-12-01, 00:00 UTC

std::vector<AnswerEvent> Answers(std::initializer_list<std::pair<int, bool>> daysAndRights)
{
    std::vector<AnswerEvent> answers;
    for (const auto& [day, right] : daysAndRights)
        answers.push_back({kStart + day * kSecondsPerDay, right ? 'A' : 'B', right});
    return answers;
}

// Local days as UTC's for the test's life, so that its midnights are
// known whatever zone the machine is in.
class UtcDays {
public:
    UtcDays() : m_saved(std::getenv("TZ") != nullptr ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt)
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    UtcDays(const UtcDays&) = delete;
    UtcDays& operator=(const UtcDays&) = delete;
    ~UtcDays()
    {
        if (m_saved)
            setenv("TZ", m_saved->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_saved;
};

} // namespace

// What the description states outright: 90 % recall when the days equal
// the stability, an interval of the stability at 90 %, and a first answer's
// stability and difficulty read off the parameters.
TEST(ReviewSchedule, TheDescriptionsOwnIdentities)
{
    for (const double stability : {0.4872, 3.7145, 100.0}) {
        EXPECT_NEAR(fsrs::Retrievability(stability, stability), 0.9, 1e-12);
        EXPECT_NEAR(fsrs::IntervalDays(stability), stability, 1e-9);
    }
    EXPECT_NEAR(fsrs::Retrievability(0, 5), 1.0, 1e-12);
    const fsrs::MemoryState good = fsrs::AfterFirstAnswer(true);
    EXPECT_DOUBLE_EQ(good.stability, 3.7145);
    EXPECT_DOUBLE_EQ(good.difficulty, 5.1618);
    const fsrs::MemoryState again = fsrs::AfterFirstAnswer(false);
    EXPECT_DOUBLE_EQ(again.stability, 0.4872);
    EXPECT_NEAR(again.difficulty, 7.6214, 1e-12);
}

// Sequences worked through the published formulas by hand (to six places),
// each answer rated Good when right and Again when wrong.
TEST(ReviewSchedule, SequencesGiveTheFormulasFigures)
{
    const fsrs::MemoryState lapsed = MemoryAfter(Answers({{0, true}, {1, false}}));
    EXPECT_NEAR(lapsed.stability, 1.269688, 1e-6);
    EXPECT_NEAR(lapsed.difficulty, 6.901155, 1e-6);
    const std::vector<AnswerEvent> relearned = Answers({{0, true}, {1, false}, {2, true}});
    EXPECT_NEAR(MemoryAfter(relearned).stability, 3.591025, 1e-6);
    EXPECT_NEAR(MemoryAfter(relearned).difficulty, 6.847235, 1e-6);
    EXPECT_EQ(DueTime(relearned), kStart + 6 * kSecondsPerDay);

    const std::vector<AnswerEvent> onTime = Answers({{0, true}, {4, true}, {19, true}});
    EXPECT_NEAR(MemoryAfter(Answers({{0, true}, {4, true}})).stability, 14.808101, 1e-6);
    EXPECT_NEAR(MemoryAfter(onTime).stability, 49.461605, 1e-6);
    EXPECT_EQ(DueTime(onTime), kStart + 68 * kSecondsPerDay);
    // A first Again is due the next day: an interval is at least one day.
    EXPECT_EQ(DueTime(Answers({{0, false}})), kStart + kSecondsPerDay);
    EXPECT_NEAR(RecallChance(onTime, kStart + 68 * kSecondsPerDay), fsrs::Retrievability(49, 49.461605), 1e-6);
}

// Due now, most overdue first; another book's, and those not yet due, are
// left out; a question never answered is not due.
TEST(ReviewSchedule, DueNumbersAreTheBooksOverdueQuestionsMostOverdueFirst)
{
    COptions record;
    record.m_strTable = "BOOK1";
    record.AddOutcome("1", true, 0, kStart);                      // due on day 4
    record.AddOutcome("2", false, 1, kStart);                     // due on day 1
    record.AddOutcome("3", true, 0, kStart + 3 * kSecondsPerDay); // due on day 7
    record.AddAnswered("4");                                      // no history
    record.m_history.Add("BOOK2.5", {kStart, 'A', false});
    EXPECT_EQ(DueNumbers(record, kStart), std::vector<CString>{});
    EXPECT_EQ(DueNumbers(record, kStart + 5 * kSecondsPerDay), (std::vector<CString>{"2", "1"}));
    EXPECT_EQ(DueNumbers(record, kStart + 7 * kSecondsPerDay), (std::vector<CString>{"2", "1", "3"}));
}

TEST(ReviewSchedule, TodayEndsAtTheNextLocalMidnight)
{
    const UtcDays utc;
    EXPECT_EQ(EndOfDay(kStart + 12 * 60 * 60), kStart + kSecondsPerDay);
    EXPECT_EQ(EndOfDay(kStart), kStart + kSecondsPerDay);
}

// Answers counted by the local day they were given, the days before the
// first shown and after now left out.
TEST(StudyHistory, CountsEachDaysAnswersAndRightOnes)
{
    const UtcDays utc;
    AnswerHistory history;
    history.Add("BOOK1.1", {kStart - kSecondsPerDay, 'A', true}); // before the first day shown
    history.Add("BOOK1.1", {kStart + 10, 'A', true});
    history.Add("BOOK1.2", {kStart + 20, 'B', false});
    history.Add("BOOK2.1", {kStart + 2 * kSecondsPerDay + 5, 'C', true});
    history.Add("BOOK2.1", {kStart + 3 * kSecondsPerDay, 'C', true}); // tomorrow
    const std::vector<StudyDay> days = DailyAnswers(history, kStart + 2 * kSecondsPerDay + 60, 3);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].start, kStart);
    EXPECT_EQ(days[0].answered, 2);
    EXPECT_EQ(days[0].right, 1);
    EXPECT_EQ(days[1].answered, 0);
    EXPECT_EQ(days[2].start, kStart + 2 * kSecondsPerDay);
    EXPECT_EQ(days[2].answered, 1);
    EXPECT_EQ(days[2].right, 1);
}

// The chance to pass against every way the exam can be drawn and answered,
// counted out on small books.

#include "exam/PassChance.h"
#include "exam/COptions.h"
#include "exam/ReviewSchedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// Every subset of `count` of the items, each handed to visit.
void Subsets(const std::vector<size_t>& items, size_t count, const std::function<void(std::vector<size_t>&)>& visit)
{
    std::vector<size_t> chosen;
    std::function<void(size_t)> from = [&](size_t first) {
        if (chosen.size() == count) {
            visit(chosen);
            return;
        }
        for (size_t i = first; i < items.size(); ++i) {
            chosen.push_back(items[i]);
            from(i + 1);
            chosen.pop_back();
        }
    };
    from(0);
}

// The chance these rows score at least `need`, every outcome counted.
double PassOf(const std::vector<size_t>& rows, const std::vector<double>& chances, int need)
{
    double pass = 0;
    for (unsigned outcome = 0; outcome < (1u << rows.size()); ++outcome) {
        double chance = 1;
        int right = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            const bool isRight = (outcome >> i & 1u) != 0;
            right += isRight;
            chance *= isRight ? chances[rows[i]] : 1 - chances[rows[i]];
        }
        if (right >= need)
            pass += chance;
    }
    return pass;
}

double Binomial(size_t n, size_t k)
{
    double value = 1;
    for (size_t i = 1; i <= k; ++i)
        value = value * static_cast<double>(n - k + i) / static_cast<double>(i);
    return value;
}

// DrawExam's draw enumerated: at random, every subset; one from each
// section, every choice of sections and of a row in each, then every set
// of the rest.
double BruteForce(const std::vector<BookQuestion>& book, const std::vector<double>& chances,
                  const ExamSettings& settings)
{
    const auto wanted = static_cast<size_t>(settings.questions);
    const int need = PassCount(settings, settings.questions);
    std::vector<size_t> all(book.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    double pass = 0;
    if (!settings.perSection) {
        Subsets(all, wanted, [&](std::vector<size_t>& rows) { pass += PassOf(rows, chances, need); });
        return pass / Binomial(all.size(), wanted);
    }
    const std::vector<std::vector<size_t>> sections = RowsBySection(book);
    std::vector<size_t> sectionIndexes(sections.size());
    for (size_t i = 0; i < sectionIndexes.size(); ++i)
        sectionIndexes[i] = i;
    const size_t sectionCount = std::min(wanted, sections.size());
    double weights = 0;
    Subsets(sectionIndexes, sectionCount, [&](std::vector<size_t>& chosenSections) {
        std::vector<size_t> taken;
        std::function<void(size_t, double)> pick = [&](size_t s, double weight) {
            if (s == chosenSections.size()) {
                std::vector<size_t> rest;
                for (const size_t row : all)
                    if (std::find(taken.begin(), taken.end(), row) == taken.end())
                        rest.push_back(row);
                const double each = weight / Binomial(rest.size(), wanted - taken.size());
                Subsets(rest, wanted - taken.size(), [&](std::vector<size_t>& more) {
                    std::vector<size_t> exam = taken;
                    exam.insert(exam.end(), more.begin(), more.end());
                    pass += each * PassOf(exam, chances, need);
                    weights += each;
                });
                return;
            }
            const std::vector<size_t>& rows = sections[chosenSections[s]];
            for (const size_t row : rows) {
                taken.push_back(row);
                pick(s + 1, weight / static_cast<double>(rows.size()));
                taken.pop_back();
            }
        };
        pick(0, 1);
    });
    return pass / weights;
}

// Seven questions in three sections of unequal size, and one of none.
std::vector<BookQuestion> Book()
{
    return {{"1", "S1", "A"}, {"2", "S1", "A"}, {"3", "S2", "A"}, {"4", "S2", "A"},
            {"5", "S2", "A"}, {"6", "S3", "A"}, {"7", "", "A"}};
}

} // namespace

TEST(PassChance, MatchesEveryDrawCountedOut)
{
    const std::vector<BookQuestion> book = Book();
    const std::vector<double> chances = {0.9, 0.2, 0.65, 0.5, 0.97, 0.3, 0.75};
    for (const bool perSection : {false, true})
        for (int questions = 1; questions <= 6; ++questions)
            for (const int passMark : {34, 50, 74, 100}) {
                ExamSettings settings;
                settings.questions = questions;
                settings.passMarkPercent = passMark;
                settings.perSection = perSection;
                EXPECT_NEAR(PassChance(book, chances, settings), BruteForce(book, chances, settings), 1e-12)
                    << (perSection ? "per section, " : "at random, ") << questions << " questions, " << passMark
                    << " %";
            }
}

// A sure answer passes for sure, a sure miss never; from the record: the
// scheduler's recall where there is history, else what the sets say.
TEST(PassChance, ChancesComeFromTheHistoryOrTheSets)
{
    ExamSettings settings;
    settings.questions = 3;
    settings.passMarkPercent = 100;
    EXPECT_DOUBLE_EQ(PassChance(Book(), std::vector<double>(7, 1.0), settings), 1.0);
    EXPECT_DOUBLE_EQ(PassChance(Book(), std::vector<double>(7, 0.0), settings), 0.0);

    constexpr int64_t kStart = 1796083200;
    COptions record;
    record.m_strTable = "BOOK1";
    record.AddOutcome("1", true, 0, kStart);
    record.AddCorrect("2");
    record.AddCorrect("3");
    record.AddMissed("3");
    const int64_t later = kStart + 4 * kSecondsPerDay;
    EXPECT_DOUBLE_EQ(RightChance(record, "1", later), fsrs::Retrievability(4, 3.7145));
    EXPECT_DOUBLE_EQ(RightChance(record, "2", later), 0.9);
    EXPECT_DOUBLE_EQ(RightChance(record, "3", later), 0.5);
    EXPECT_DOUBLE_EQ(RightChance(record, "4", later), 0.25);
}

// The answer history kept with the record: where it stands in the file,
// what a reader of the record's format sees, what "missed" means with it,
// and how two records' histories come together.

#include "RecordBytes.h"

#include "exam/Progress.h"
#include "exam/RetryMissed.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kDay = 24 * 60 * 60;
constexpr int64_t kStart = 1796083200; // 2026-12-01, 00:00 UTC

// The record without its history: what a reader of the record's format
// that stops after the last set sees.
std::string WithoutHistory(const COptions& record)
{
    COptions plain = record;
    plain.m_history.Clear();
    return StoreRecord(plain);
}

std::vector<BookQuestion> Book()
{
    return {{"1", "S1", "B"}, {"2", "S1", "B"}, {"3", "S2", "B"}};
}

} // namespace

// A record written with its history is the record's format followed by
// bytes such readers pass over; read back here, every answer returns.
TEST(AnswerHistory, FollowsTheLastSetAndReadsBack)
{
    COptions record = TechnicianRecord();
    record.AddOutcome("1", true, 1, kStart);
    record.AddOutcome("1", false, 2, kStart + kDay);
    record.AddOutcome("2", false, 0, kStart + 2 * kDay);
    record.AddTagged1("2");
    const std::string bytes = StoreRecord(record);
    const std::string plain = WithoutHistory(record);
    ASSERT_GT(bytes.size(), plain.size());
    EXPECT_EQ(bytes.substr(0, plain.size()), plain);

    // What a reader of the format alone gets: the same record, no history.
    COptions partReader;
    LoadRecord(partReader, plain);
    EXPECT_EQ(StoreRecord(partReader), plain);
    EXPECT_TRUE(partReader.m_history.IsEmpty());

    COptions loaded;
    LoadRecord(loaded, bytes);
    EXPECT_EQ(StoreRecord(loaded), bytes);
    const std::vector<AnswerEvent>* first = loaded.m_history.Of("BOOK1.1");
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->size(), 2u);
    EXPECT_EQ((*first)[0], (AnswerEvent{kStart, 'B', true}));
    EXPECT_EQ((*first)[1], (AnswerEvent{kStart + kDay, 'C', false}));
    EXPECT_EQ(loaded.m_history.AnswerCount(), 3u);
}

// Bytes after the sets that are not a whole, sound history leave the
// record as the format reads it, with no history, and lose nothing else.
TEST(AnswerHistory, ADamagedHistoryIsPassedOverAndTheRecordStillLoads)
{
    COptions record = TechnicianRecord();
    record.AddOutcome("1", true, 1, kStart);
    record.AddOutcome("2", false, 3, kStart);
    const std::string bytes = StoreRecord(record);
    const std::string plain = WithoutHistory(record);
    for (size_t cut = plain.size(); cut < bytes.size(); ++cut) {
        COptions loaded;
        LoadRecord(loaded, bytes.substr(0, cut));
        EXPECT_EQ(StoreRecord(loaded), plain) << "cut at " << cut;
    }
    std::string badLetter = bytes;
    // The letter of the last answer, the last byte but one.
    badLetter[badLetter.size() - 2] = 'Z';
    COptions loaded;
    LoadRecord(loaded, badLetter);
    EXPECT_EQ(StoreRecord(loaded), plain);
    LoadRecord(loaded, plain + "garbage that is no history");
    EXPECT_TRUE(loaded.m_history.IsEmpty());
}

// Right, then wrong, then right over three days: missed only while the
// last answer is wrong, for the class filter, Progress and Retry Missed
// alike; a record without history keeps "missed and never right".
TEST(AnswerHistory, MissedMeansTheLastAnswerWasWrong)
{
    COptions record = TechnicianRecord();
    record.m_bNew = 0;
    record.m_bCorrect = 0;
    const auto missedEverywhere = [&record] {
        const bool filter = record.Matches("1");
        const bool progress = MeasureBook(record, "BOOK1", "Technician", Book(), 0).figures.missed == 1;
        const bool retry = HasMissedToRetry(record);
        EXPECT_EQ(filter, progress);
        EXPECT_EQ(filter, retry);
        return filter && progress && retry;
    };
    record.AddOutcome("1", true, 1, kStart);
    EXPECT_FALSE(missedEverywhere());
    record.AddOutcome("1", false, 0, kStart + kDay);
    EXPECT_TRUE(missedEverywhere());
    record.AddOutcome("1", true, 1, kStart + 2 * kDay);
    EXPECT_FALSE(missedEverywhere());
    EXPECT_TRUE(record.IsMissed("1")) << "the set still says it was missed once";

    COptions old = TechnicianRecord();
    old.AddOutcome("1", true, 1, kStart);
    old.AddOutcome("1", false, 0, kStart + kDay);
    old.m_history.Clear();
    EXPECT_FALSE(old.IsStillMissed("BOOK1.1"));
    EXPECT_EQ(MeasureBook(old, "BOOK1", "Technician", Book(), 0).figures.missed, 0);
}

// Two windows that saved one record: each answer once, in time order,
// whichever saved first; an answer given twice at the same second is one.
TEST(AnswerHistory, TwoWindowsHistoriesJoinInTimeOrder)
{
    COptions base = TechnicianRecord();
    base.AddOutcome("1", true, 1, kStart);
    COptions mine = base;
    COptions theirs = base;
    mine.AddOutcome("1", false, 0, kStart + 3 * kDay);
    theirs.AddOutcome("1", true, 1, kStart + kDay);
    theirs.AddOutcome("2", true, 1, kStart + kDay);

    COptions saved;
    LoadRecord(saved, StoreRecord(theirs));
    EXPECT_TRUE(mine.MergeSavedElsewhere(saved, base));
    const std::vector<AnswerEvent>* first = mine.m_history.Of("BOOK1.1");
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->size(), 3u);
    EXPECT_EQ((*first)[1].time, kStart + kDay);
    EXPECT_FALSE(mine.m_history.Last("BOOK1.1")->right);
    EXPECT_NE(mine.m_history.Of("BOOK1.2"), nullptr);
    EXPECT_FALSE(mine.MergeSavedElsewhere(saved, base)) << "nothing new the second time";
}

// Each question keeps its newest answers, so that the file stays bounded
// however long the user practises.
TEST(AnswerHistory, KeepsTheNewestAnswersOfEachQuestion)
{
    COptions record = TechnicianRecord();
    const int given = static_cast<int>(AnswerHistory::kKeptPerQuestion) + 36;
    for (int i = 0; i < given; ++i)
        record.AddOutcome("1", i % 2 == 0, i % 4, kStart + i * kDay);
    const std::vector<AnswerEvent>* kept = record.m_history.Of("BOOK1.1");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->size(), AnswerHistory::kKeptPerQuestion);
    EXPECT_EQ(kept->back().time, kStart + (given - 1) * kDay);
    // An answer older than the last, as a clock set back gives, still
    // takes its place in time order.
    record.AddOutcome("1", true, 1, kStart + 50 * kDay + 1);
    EXPECT_EQ(record.m_history.Of("BOOK1.1")->size(), AnswerHistory::kKeptPerQuestion);
    EXPECT_EQ(record.m_history.Last("BOOK1.1")->time, kStart + (given - 1) * kDay);
}

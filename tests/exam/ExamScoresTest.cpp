// The practice exams' scores kept with the record: after the answer
// history, so that readers of the record's format, and of the history
// alone, read what they read before; read defensively; the exams of two
// windows joined.

#include "RecordBytes.h"

#include "afx/CArchive.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

constexpr int64_t kStart = 1796083200; // 2026-12-01, 00:00 UTC

// An exam of 35 questions with a pass mark of 74 %.
ExamScore Exam(int64_t time, int correct)
{
    return {time, "BOOK1", 35, correct, 74, correct * 100 >= 74 * 35};
}

std::string Stored(COptions record, bool history, bool scores)
{
    if (!history)
        record.m_history.Clear();
    if (!scores)
        record.m_examScores.Clear();
    return StoreRecord(record);
}

std::string Block(const char* mark, const std::string& packed)
{
    std::ostringstream out;
    CArchive archive(out);
    archive << CString(mark) << CString(packed);
    return out.str();
}

} // namespace

TEST(ExamScores, FollowTheHistoryAndReadBack)
{
    COptions record = TechnicianRecord();
    record.AddOutcome("1", true, 1, kStart);
    record.m_examScores.Add(Exam(kStart + 100, 30));
    record.m_examScores.Add(Exam(kStart, 20));
    const std::string bytes = StoreRecord(record);
    const std::string historyOnly = Stored(record, true, false);
    ASSERT_GT(bytes.size(), historyOnly.size());
    EXPECT_EQ(bytes.substr(0, historyOnly.size()), historyOnly) << "a reader of the history alone reads it first";

    COptions loaded;
    LoadRecord(loaded, bytes);
    EXPECT_EQ(StoreRecord(loaded), bytes);
    EXPECT_EQ(loaded.m_examScores.All(), (std::vector<ExamScore>{Exam(kStart, 20), Exam(kStart + 100, 30)}));
    EXPECT_EQ(loaded.m_history.AnswerCount(), 1u);

    // An exam left with nothing answered has a score and no history.
    COptions examOnly = TechnicianRecord();
    examOnly.m_examScores.Add(Exam(kStart, 0));
    COptions loadedExamOnly;
    LoadRecord(loadedExamOnly, StoreRecord(examOnly));
    EXPECT_EQ(loadedExamOnly.m_examScores.All(), examOnly.m_examScores.All());
    EXPECT_TRUE(loadedExamOnly.m_history.IsEmpty());
}

// A cut or a figure out of range loses the scores alone; a block of a
// later version is passed over, and what follows it still read.
TEST(ExamScores, DamagedOrUnknownBlocksArePassedOver)
{
    COptions record = TechnicianRecord();
    record.AddOutcome("1", true, 1, kStart);
    record.m_examScores.Add(Exam(kStart, 30));
    const std::string bytes = StoreRecord(record);
    const std::string historyOnly = Stored(record, true, false);
    for (size_t cut = historyOnly.size(); cut < bytes.size(); ++cut) {
        COptions loaded;
        LoadRecord(loaded, bytes.substr(0, cut));
        EXPECT_EQ(StoreRecord(loaded), historyOnly) << "cut at " << cut;
    }

    COptions impossible = TechnicianRecord();
    impossible.m_examScores.Add({kStart, "BOOK1", 35, 36, 74, true});
    COptions loaded;
    LoadRecord(loaded, StoreRecord(impossible));
    EXPECT_TRUE(loaded.m_examScores.IsEmpty()) << "more right than asked";

    const std::string plain = Stored(record, false, false);
    const std::string scores = bytes.substr(historyOnly.size());
    LoadRecord(loaded, plain + Block("Quillo study notes 7", "not ours to read") + scores);
    EXPECT_EQ(loaded.m_examScores.All(), record.m_examScores.All());
}

// Two windows that saved one record: each exam once, in time order.
TEST(ExamScores, TwoWindowsExamsJoinOnce)
{
    COptions base = TechnicianRecord();
    base.m_examScores.Add(Exam(kStart, 20));
    COptions mine = base;
    COptions theirs = base;
    mine.m_examScores.Add(Exam(kStart + 300, 30));
    theirs.m_examScores.Add(Exam(kStart + 200, 25));
    COptions saved;
    LoadRecord(saved, StoreRecord(theirs));
    EXPECT_TRUE(mine.MergeSavedElsewhere(saved, base));
    EXPECT_EQ(mine.m_examScores.All(),
              (std::vector<ExamScore>{Exam(kStart, 20), Exam(kStart + 200, 25), Exam(kStart + 300, 30)}));
    EXPECT_FALSE(mine.MergeSavedElsewhere(saved, base)) << "nothing new the second time";
}

#include "RecordBytes.h"
#include "TestBank.h"

#include "bank/CQuestionSet.h"
#include "exam/TestSelection.h"

#include "afx/CArchiveException.h"

#include <gtest/gtest.h>

namespace {

COptions WorkedExample()
{
    COptions record;
    record.m_strTable = "BOOK1";
    record.m_strTitle = "Book 1";
    record.m_strCount = "25";
    record.AddAnswered("7");
    record.AddCorrect("7");
    return record;
}

const std::string kWorkedExampleBytes = Bytes({
    0x05, 'B',  'O',  'O',  'K', '1', 0x06, 'B',  'o',  'o',  'k', ' ',  '1',  0x00, 1,    0,    0,   0,    1,
    0,    0,    0,    1,    0,   0,   0,    1,    0,    0,    0,   1,    0,    0,    0,    1,    0,   0,    0,
    0x02, '2',  '5',  0,    0,   0,   0,    0x01, 0x00, 0x07, 'B', 'O',  'O',  'K',  '1',  '.',  '7', 0x00, 0x00,
    0x00, 0x01, 0x00, 0x07, 'B', 'O', 'O',  'K',  '1',  '.',  '7', 0x00, 0x00, 0x00, 0x00, 0x00,
});

} // namespace

TEST(COptions, ResetValues)
{
    COptions record;
    record.m_strTitle = "kept";
    record.AddTagged1("3");
    record.Reset();
    EXPECT_EQ(record.m_strCount.Bytes(), "\xFF");
    EXPECT_EQ(record.m_strTable, "");
    EXPECT_EQ(record.m_strTitle, "kept");
    EXPECT_EQ(record.m_nMode, 1);
    EXPECT_EQ(record.m_bUntagged, 1);
    EXPECT_EQ(record.m_nScoring, 0);
    EXPECT_TRUE(record.m_tagged1.IsEmpty());
    // A record that was only reset stores its count text as 01 FF.
    EXPECT_NE(StoreRecord(record).find(Bytes({0x01, 0xFF, 0, 0, 0, 0})), std::string::npos);
}

TEST(COptions, WorkedExampleIsExactly73Bytes)
{
    COptions record = WorkedExample();
    const std::string bytes = StoreRecord(record);
    EXPECT_EQ(bytes.size(), 73u);
    EXPECT_EQ(bytes, kWorkedExampleBytes);

    COptions loaded;
    loaded.Reset();
    LoadRecord(loaded, bytes);
    EXPECT_EQ(StoreRecord(loaded), kWorkedExampleBytes);
    EXPECT_EQ(loaded.m_strTitle, "Book 1");
    EXPECT_TRUE(loaded.IsCorrect("7"));
    EXPECT_FALSE(loaded.IsMissed("7"));
}

TEST(COptions, StoreResetLoadRoundTripsAndKeepsUntagged)
{
    COptions record = WorkedExample();
    record.m_strFilter = "caf\xE9";
    record.m_nMode = 0;
    record.m_bNew = 0;
    record.m_bTagged2 = 0;
    record.m_nScoring = 1;
    record.AddMissed("7");
    record.AddTagged2("9");
    const std::string bytes = StoreRecord(record);

    COptions loaded;
    loaded.m_bUntagged = 0;
    LoadRecord(loaded, bytes);
    EXPECT_EQ(StoreRecord(loaded), bytes);
    EXPECT_EQ(loaded.m_bUntagged, 0);
    EXPECT_EQ(loaded.m_strFilter, "caf\xE9");
}

TEST(COptions, LoadingMergesOutcomesAndTakesTheSettings)
{
    COptions held;
    held.m_strTable = "BOOK2";
    held.AddMissed("1");
    held.AddTagged1("4");
    LoadRecord(held, kWorkedExampleBytes);
    EXPECT_EQ(held.m_strTable, "BOOK1");
    EXPECT_TRUE(held.IsCorrect("7"));
    EXPECT_TRUE(held.m_missed.Contains("BOOK2.1"));
    EXPECT_TRUE(held.m_tagged1.Contains("BOOK2.4"));
    // Keys of the other book take effect once it is selected again.
    held.m_strTable = "BOOK2";
    EXPECT_TRUE(held.IsMissed("1"));
}

TEST(COptions, LargeTextsAndSetsUseTheLongPrefixesAndReadBack)
{
    COptions record;
    record.m_strTable = CString('T', 255);
    record.m_strTitle = CString('t', 65534);
    for (int i = 0; i < 65535; ++i)
        record.m_tagged2.SetAt(CString(std::to_string(i)), "");
    const std::string bytes = StoreRecord(record);
    EXPECT_EQ(bytes.substr(0, 3), Bytes({0xFF, 0xFF, 0x00}));
    EXPECT_EQ(bytes.substr(258, 7), Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    // The tagged-2 set is last: four empty sets of two bytes before it.
    const size_t tagged2 = 258 + 7 + 65534 + 1 + 24 + 2 + 4 + 8;
    EXPECT_EQ(bytes.substr(tagged2, 6), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));

    COptions loaded;
    LoadRecord(loaded, bytes);
    EXPECT_EQ(loaded.m_strTitle.GetLength(), 65534);
    EXPECT_EQ(loaded.m_tagged2.GetCount(), 65535);
}

TEST(COptions, KeysAndStatements)
{
    COptions record;
    record.m_strTable = "BOOK1";
    EXPECT_EQ(record.MakeKey("7"), "BOOK1.7");
    EXPECT_EQ(record.BuildSelectAll(), "SELECT * FROM 'BOOK1'");
    EXPECT_EQ(record.BuildSelectWhere(), "SELECT * FROM 'BOOK1' WHERE Question LIKE '%%'");
    record.AddTagged1("7");
    record.RemoveTagged1("7");
    record.RemoveTagged1("never there");
    EXPECT_FALSE(record.IsTagged1("7"));
}

TEST(COptions, ClassFilter)
{
    COptions record;
    record.m_strTable = "B";
    record.AddAnswered("missed");
    record.AddMissed("missed");
    record.AddAnswered("right");
    record.AddCorrect("right");
    record.AddTagged1("right");
    record.AddTagged2("tag2");
    const char* const all[] = {"new", "missed", "right", "tag2"};

    for (const char* number : all)
        EXPECT_TRUE(record.Matches(number)) << number;

    record.m_bUntagged = record.m_bTagged1 = record.m_bTagged2 = 0;
    for (const char* number : all)
        EXPECT_FALSE(record.Matches(number)) << number;

    record.m_bUntagged = record.m_bTagged1 = record.m_bTagged2 = 1;
    record.m_bNew = 0;
    EXPECT_FALSE(record.Matches("new"));
    EXPECT_FALSE(record.Matches("tag2"));
    EXPECT_TRUE(record.Matches("missed"));

    record.m_bNew = 1;
    record.m_bCorrect = 0;
    EXPECT_FALSE(record.Matches("right"));
    record.AddMissed("right"); // missed once, right later: both classes
    record.m_bCorrect = 1;
    record.m_bMissed = 0;
    EXPECT_FALSE(record.Matches("right"));

    // Answered but neither missed nor correct: only a loaded file holds one.
    record.m_bMissed = 1;
    record.AddAnswered("odd");
    EXPECT_FALSE(record.Matches("odd"));
    record.m_bNew = 0;
    EXPECT_TRUE(record.Matches("odd"));
}

// The filter is a LIKE pattern over the wording and nothing else: its
// wildcards and ASCII case rule work, and quotes are searched for as text.
TEST(COptions, TheFilterFindsExactlyTheWordingItMatches)
{
    TestBank bank("CREATE TABLE BOOK1(id, c1, num, correct, Question, a, b, c, d, diagram, folder, c11, c12);"
                  "INSERT INTO BOOK1(num, Question) VALUES('1', 'Say \"hi\" twice'), ('2', 'It''s 50% off'),"
                  " ('3', 'plain WORDS'), ('4', NULL);");
    CQuestionSet pool(bank.Database());
    COptions record;
    record.m_strTable = "BOOK1";
    const std::pair<const char*, int> cases[] = {
        {"", 3},          {"\"hi\"", 1}, {"'s 5", 1}, {"words", 1},        {"w_rds", 1},
        {"say%twice", 1}, {"50%", 1},    {"'", 1},    {"\" OR 1=1 --", 0}, {"' OR '1'='1", 0},
    };
    for (const auto& [filter, found] : cases) {
        record.m_strFilter = filter;
        pool.Open(record.BuildSelectWhere());
        EXPECT_EQ(CountPool(pool), found) << filter;
    }
}

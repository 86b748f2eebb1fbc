#include "tools/quillo-record/RecordJson.h"

#include "exam/COptions.h"

#include <gtest/gtest.h>

TEST(RecordJson, ShowsSettingsSetsAndBookCountsInUtf8)
{
    COptions record;
    record.m_strTable = "BOOK2";
    record.m_strTitle = "Caf\xE9 \"quotes\"";
    record.m_strFilter = "\xB1 5";
    record.AddAnswered("1");
    record.AddMissed("1");
    record.m_strTable = "BOOK1";
    record.AddAnswered("7");
    record.AddCorrect("7");
    record.AddTagged1("7");

    const std::string json = RecordToJson(record);
    EXPECT_NE(json.find("\"m_strTitle\": \"Caf\xC3\xA9 \\\"quotes\\\"\""), std::string::npos);
    EXPECT_NE(json.find("\"m_strFilter\": \"\xC2\xB1 5\""), std::string::npos);
    EXPECT_NE(json.find("\"m_strCount\": \"\xC3\xBF\""), std::string::npos); // the reset byte 0xFF
    EXPECT_NE(json.find("\"m_answered\": [\"BOOK1.7\", \"BOOK2.1\"]"), std::string::npos);
    EXPECT_NE(json.find("\"BOOK1\": {\"answered\": 1, \"missed\": 0, \"correct\": 1, \"tagged1\": 1, \"tagged2\": 0}"),
              std::string::npos);
    EXPECT_NE(json.find("\"BOOK2\": {\"answered\": 1, \"missed\": 1,"), std::string::npos);
    EXPECT_EQ(json.find("m_bUntagged"), std::string::npos);
}

// Shown and built again, a record keeps everything, its answer history
// and exam scores too: a record edited through JSON loses nothing.
TEST(RecordJson, BuildsBackTheSameRecord)
{
    COptions record;
    record.m_strTable = "BOOK1";
    record.m_strTitle = "Caf\xE9";
    record.m_strCount = "25";
    record.m_nMode = 0;
    record.m_nScoring = 1;
    record.AddTagged2("3");
    record.AddOutcome("3", false, 2, 1796083200);
    record.AddOutcome("3", true, 0, 1796169600);
    record.m_examScores.Add({1796169700, "BOOK1", 35, 30, 74, true});

    const std::string json = RecordToJson(record);
    EXPECT_NE(json.find("\"BOOK1.3\": [{\"time\": 1796083200, \"answer\": \"C\", \"right\": false}, "
                        "{\"time\": 1796169600, \"answer\": \"A\", \"right\": true}]"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("{\"time\": 1796169700, \"table\": \"BOOK1\", \"questions\": 35, \"correct\": 30, "
                        "\"passMark\": 74, \"passed\": true}"),
              std::string::npos)
        << json;
    COptions built;
    ASSERT_EQ(RecordFromJson(json, built), "");
    EXPECT_EQ(RecordToJson(built), json);
    EXPECT_EQ(built.m_history.AnswerCount(), 2u);
    EXPECT_EQ(built.m_examScores.All(), record.m_examScores.All());
}

TEST(RecordJson, LeftOutSettingsKeepTheirResetValues)
{
    COptions built;
    ASSERT_EQ(RecordFromJson(R"({"m_strTable": "BOOK3", "m_missed": ["BOOK3.4"], "books": {}})", built), "");
    EXPECT_EQ(built.m_strTable, "BOOK3");
    EXPECT_EQ(built.m_nMode, 1);
    EXPECT_EQ(built.m_strCount.Bytes(), "\xFF");
    EXPECT_TRUE(built.IsMissed("4"));
}

TEST(RecordJson, SaysWhatIsWrong)
{
    COptions built;
    EXPECT_NE(RecordFromJson("{", built).find("not JSON"), std::string::npos);
    EXPECT_EQ(RecordFromJson("[1]", built), "the record must be a JSON object");
    EXPECT_EQ(RecordFromJson(R"({"m_nMode": "1"})", built), "m_nMode must be a 32-bit integer");
    EXPECT_EQ(RecordFromJson(R"({"m_nMode": 1.5})", built), "m_nMode must be a 32-bit integer");
    EXPECT_EQ(RecordFromJson(R"({"m_nMode": 4294967296})", built), "m_nMode must be a 32-bit integer");
    EXPECT_EQ(RecordFromJson(R"({"m_strTable": 5})", built), "m_strTable must be a string");
    EXPECT_EQ(RecordFromJson(R"({"m_tagged1": "x"})", built),
              "m_tagged1 must be an array of keys or an object of keys and values");
    EXPECT_EQ(RecordFromJson(R"({"m_strTitle": "Д"})", built),
              "m_strTitle holds U+0414, which Windows-1252 cannot hold");
    EXPECT_EQ(RecordFromJson(R"({"m_answered": ["B.1", "B.😀"]})", built),
              "m_answered key \"B.😀\" holds U+1F600, which Windows-1252 cannot hold");
    EXPECT_EQ(RecordFromJson(R"({"m_strFiltre": ""})", built),
              "\"m_strFiltre\" is not part of a record and would be lost");
    EXPECT_EQ(RecordFromJson(R"({"m_tagged1": [1]})", built), "m_tagged1 must hold only strings");
    const std::string historyShape = "m_history must map each key to its answers";
    EXPECT_EQ(RecordFromJson(R"({"m_history": []})", built).rfind(historyShape, 0), 0u);
    EXPECT_EQ(RecordFromJson(R"({"m_history": {"B.1": [{"time": 1, "answer": "E", "right": true}]}})", built)
                  .rfind(historyShape, 0),
              0u);
    EXPECT_EQ(RecordFromJson(R"({"m_history": {"B.1": [{"time": 1.5, "answer": "A", "right": true}]}})", built)
                  .rfind(historyShape, 0),
              0u);
    EXPECT_EQ(RecordFromJson(R"({"m_examScores": [{"time": 1, "table": "BOOK1", "questions": 3, "correct": 4,)"
                             R"( "passMark": 50, "passed": true}]})",
                             built),
              "m_examScores: an exam has 1 to 100000 questions, no more correct than asked, and a pass mark of 1 "
              "to 100");
    EXPECT_EQ(RecordFromJson(R"({"m_examScores": [{"time": 1}]})", built).rfind("m_examScores must be an array", 0),
              0u);
}

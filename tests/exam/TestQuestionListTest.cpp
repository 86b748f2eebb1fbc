#include "exam/CTestQuestionList.h"

#include <gtest/gtest.h>

TEST(CTestQuestionList, ScoreRule)
{
    CTestQuestionList list;
    EXPECT_EQ(list.ScoreText(0), "100%");
    EXPECT_EQ(list.ScoreText(1), "100%");
    for (int i = 0; i < 8; ++i)
        list.Add(CString(std::to_string(i)));
    EXPECT_EQ(list.ScoreText(0), "0%");
    EXPECT_EQ(list.ScoreText(1), "100%");
    list.RecordAnswer(0, 1, 1, "B");
    list.RecordAnswer(3, 0, 1, "A");
    list.RecordAnswer(5, 2, 0, "D");
    EXPECT_EQ(list.ScoreText(0), "25%");
    EXPECT_EQ(list.ScoreText(1), "66%");
    EXPECT_EQ(list.ScoreText(7), "66%");
}

TEST(CTestQuestionList, EntriesStartUnansweredAndRecordTheirOutcome)
{
    CTestQuestionList list;
    list.Add("12");
    CTestQuestion entry = list.GetAt(0);
    EXPECT_EQ(entry.m_nChosen, -1);
    EXPECT_EQ(entry.m_bAnswered, 0);
    EXPECT_EQ(entry.m_strCorrect, "");
    list.RecordAnswer(0, 2, 0, "B");
    entry = list.GetAt(0);
    EXPECT_EQ(entry.m_nChosen, 2);
    EXPECT_EQ(entry.m_bAnswered, 1);
    EXPECT_EQ(entry.m_bCorrect, 0);
    EXPECT_EQ(entry.m_strCorrect, "B");
}

TEST(CTestQuestionList, ContainsComparesExactly)
{
    CTestQuestionList list;
    list.Add("12");
    EXPECT_TRUE(list.Contains("12"));
    EXPECT_FALSE(list.Contains("012"));
    EXPECT_FALSE(list.Contains("12 "));
    list.RemoveAll();
    EXPECT_FALSE(list.Contains("12"));
    EXPECT_EQ(list.GetSize(), 0);
}

#include "TestBank.h"

#include "MessageRecorder.h"

#include "bank/CQuestionSet.h"

#include <gtest/gtest.h>

TEST(BadBank, FileThatIsNotADatabaseIsReportedAndAborts)
{
    auto bank = TestBank::FromBytes(std::string(4096, 'Z'));
    MessageRecorder messages;
    CQuestionSet questions(bank->Database());
    EXPECT_THROW(questions.OpenDefault(), int);
    EXPECT_FALSE(questions.IsOpen());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "SQLite exception.Error code: 26Error message: file is not a database");
}

TEST(BadBank, InvalidUtf8AndHugeCellsReadWithoutHarm)
{
    TestBank bank("CREATE TABLE T(k INTEGER, s TEXT);"
                  "INSERT INTO T VALUES(1, CAST(X'41FF42C3' AS TEXT));"
                  "INSERT INTO T VALUES(2, replace(hex(zeroblob(524288)), '0', 'q'));");
    PairReader reader(bank.Database());
    reader.Open("SELECT * FROM T");
    EXPECT_EQ(reader.m_strSecond, "A?B?");
    reader.MoveNext();
    EXPECT_EQ(reader.m_strSecond.GetLength(), 1 << 20);
}

TEST(BadBank, MissingQuestionColumnFailsOnlyInAQueryThatNamesIt)
{
    TestBank bank("CREATE TABLE BOOK1(id INTEGER, c1 TEXT);");
    MessageRecorder messages;
    CQuestionSet questions(bank.Database());
    questions.OpenDefault();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_THROW(questions.Open("SELECT * FROM 'BOOK1' WHERE Question LIKE \"%%\""), int);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "SQLite exception.Error code: 1Error message: no such column: Question");
}

#include "FormTest.h"

#include <QLineEdit>

#include <filesystem>
#include <set>

using namespace form;

class Navigation : public FormTest {
protected:
    Navigation() { StartOnQuestions(8); } // test of 5 from a pool of 8
};

TEST_F(Navigation, NextStopsAtTheEndAndPreviousAtTheStart)
{
    Click(IDC_PREVIOUS);
    EXPECT_EQ(Text(IDC_CURRENT), "1");
    EXPECT_TRUE(messages.texts.empty());
    for (int i = 0; i < 4; ++i)
        Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_CURRENT), "5");
    Click(IDC_NEXT);
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Test has completed. Bang on \"Setup\" or \"Go\" for a new test."}));
    EXPECT_EQ(Text(IDC_CURRENT), "5");
    Click(IDC_PREVIOUS);
    EXPECT_EQ(Text(IDC_NUMBER), "4");
}

TEST_F(Navigation, GoStartsANewTestAtTheTypedNumber)
{
    static_cast<QLineEdit*>(View()->GetDlgItem(IDC_NUMBER))->setText("7");
    Click(IDC_GO);
    EXPECT_EQ(Text(IDC_NUMBER), "7");
    EXPECT_EQ(Text(IDC_TEST_SIZE), "2"); // sequential from row 7: 7 and 8
    EXPECT_EQ(Text(IDC_CURRENT), "1");
}

TEST_F(Navigation, GoComparesNumbersAsText)
{
    for (const char* typed : {" 3", "03"}) {
        messages.texts.clear();
        static_cast<QLineEdit*>(View()->GetDlgItem(IDC_NUMBER))->setText(typed);
        Click(IDC_GO);
        EXPECT_EQ(messages.texts, (std::vector<std::string>{"Question not found"})) << typed;
        EXPECT_EQ(Text(IDC_NUMBER), "1") << typed;
    }
}

TEST_F(Navigation, BrowsingThePoolFollowsItsEnablingRules)
{
    EXPECT_FALSE(Enabled(ID_FIRST_QUESTION));
    EXPECT_FALSE(Enabled(ID_PREVIOUS_QUESTION));
    EXPECT_TRUE(Enabled(ID_NEXT_QUESTION));
    Command(ID_LAST_QUESTION);
    EXPECT_EQ(Text(IDC_NUMBER), "8");
    EXPECT_FALSE(Enabled(ID_NEXT_QUESTION));
    EXPECT_FALSE(Enabled(ID_LAST_QUESTION));
    Command(ID_PREVIOUS_QUESTION);
    EXPECT_EQ(Text(IDC_NUMBER), "7");
    Command(ID_FIRST_QUESTION);
    EXPECT_EQ(Text(IDC_NUMBER), "1");
    // The test goes on after its own current question, not the browsed row.
    Command(ID_LAST_QUESTION);
    Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_NUMBER), "2");
    EXPECT_EQ(Text(IDC_CURRENT), "2");
}

TEST_F(Navigation, DuplicateNumbersLandOnTheFirstRow)
{
    Stop();
    std::string sql = QuestionBankSql(1, 3);
    sql.insert(sql.size() - 7, "INSERT INTO BOOK1 VALUES(99,'','2','D','the duplicate','','','','','','','','');");
    BuildBankFile(folder.File("dup.db"), sql);
    std::filesystem::remove(folder.File("bank.db"));
    ASSERT_TRUE(Start());
    View()->FindQuestion("2");
    EXPECT_EQ(View()->m_pQuestions->m_strQuestion, "Question 2 of BOOK1");
}

// Retry Missed in one step: the book's questions still missed, shuffled;
// with none, one message and no change. The record's own Setup choice is
// untouched, so a saved record never reopens into a missed-only test.
TEST_F(FormTest, RetryMissedStartsATestOfTheMissedQuestions)
{
    StartOnQuestions(6);
    Command(ID_RETRY_MISSED);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"No missed questions to retry in this book."}));
    EXPECT_EQ(Record().m_bNew, 1) << "nothing changed";

    Command(IDC_COMMIT); // no answer chosen: missed
    Click(IDC_NEXT);
    Click(IDC_NEXT);
    Command(IDC_COMMIT);
    const CString first = View()->m_testList.GetNumber(0);
    const CString third = View()->m_testList.GetNumber(2);
    Command(ID_RETRY_MISSED);
    ASSERT_EQ(View()->m_testList.GetSize(), 2);
    const std::set<std::string> retried{static_cast<const char*>(View()->m_testList.GetNumber(0)),
                                        static_cast<const char*>(View()->m_testList.GetNumber(1))};
    EXPECT_EQ(retried, (std::set<std::string>{static_cast<const char*>(first), static_cast<const char*>(third)}));
    EXPECT_EQ(Record().m_bNew, 1);
    EXPECT_EQ(Record().m_bCorrect, 1);
    EXPECT_EQ(Text(IDC_BOOK_NAME), "Book 1, missed questions");
}

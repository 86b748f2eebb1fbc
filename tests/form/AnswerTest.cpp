#include "FormTest.h"

using namespace form;

namespace {

// One book whose correct-answer column holds the awkward cases.
const char* const kAnswers =
    "CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT); INSERT INTO BOOKNAMES VALUES(1,'BOOK1','Answers');"
    "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT); INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'10');"
    "CREATE TABLE BOOK1(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
    " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);"
    "INSERT INTO BOOK1 VALUES(1,'','1','B','q1','a','b','c','d','','','','');"
    "INSERT INTO BOOK1 VALUES(2,'','2','b','q2','a','b','c','d','','','','');"
    "INSERT INTO BOOK1 VALUES(3,'','3','C (see page 4)','q3','a','b','c','d','','','','');"
    "INSERT INTO BOOK1 VALUES(4,'','4','','q4','a','b','c','d','','','','');";

class Answering : public FormTest {
protected:
    Answering() { StartOn(kAnswers); }
};

} // namespace

TEST_F(Answering, ChoosingEnablesCommitAndACorrectAnswerIsRecorded)
{
    EXPECT_FALSE(View()->GetDlgItem(IDC_COMMIT)->isEnabled());
    Click(IDC_RADIO_B);
    EXPECT_TRUE(View()->GetDlgItem(IDC_COMMIT)->isEnabled());
    Click(IDC_COMMIT);
    EXPECT_EQ(Text(IDC_STATUS), "Correct");
    EXPECT_EQ(Text(IDC_CORRECT_ANSWER), "B");
    EXPECT_EQ(Text(IDC_SCORE), "25%");
    EXPECT_TRUE(Checked(IDC_RADIO_B));
    EXPECT_FALSE(View()->GetDlgItem(IDC_COMMIT)->isEnabled());
    EXPECT_TRUE(Record().IsAnswered("1"));
    EXPECT_TRUE(Record().IsCorrect("1"));
    EXPECT_TRUE(Document()->IsModified());
    // Answered once per test: the radios no longer enable Commit.
    Click(IDC_RADIO_A);
    EXPECT_FALSE(View()->GetDlgItem(IDC_COMMIT)->isEnabled());
}

TEST_F(Answering, OnlyAnUpperCaseFirstLetterCounts)
{
    Click(IDC_NEXT);
    Click(IDC_RADIO_B);
    Click(IDC_COMMIT);
    EXPECT_EQ(Text(IDC_STATUS), "Incorrect");
    EXPECT_TRUE(Record().IsMissed("2"));

    Click(IDC_NEXT);
    Click(IDC_RADIO_C);
    Click(IDC_COMMIT);
    EXPECT_EQ(Text(IDC_STATUS), "Correct");
    EXPECT_EQ(Text(IDC_CORRECT_ANSWER), "C (see page 4)");

    Click(IDC_NEXT);
    Click(IDC_RADIO_A);
    Click(IDC_COMMIT);
    EXPECT_EQ(Text(IDC_STATUS), "Incorrect");
}

TEST_F(Answering, TagsChangeOnlyWithACommit)
{
    Click(IDC_TAG_IT);
    Click(IDC_TAG_2);
    EXPECT_FALSE(Record().IsTagged2("1"));
    Click(IDC_RADIO_A);
    Click(IDC_COMMIT);
    EXPECT_TRUE(Record().IsTagged2("1"));
    EXPECT_FALSE(Record().IsTagged1("1"));
    Click(IDC_NEXT);
    Click(IDC_PREVIOUS);
    EXPECT_TRUE(Checked(IDC_TAG_IT));
    EXPECT_TRUE(Checked(IDC_TAG_2));

    // A new test, "Tag it" unchecked: the commit takes the tag away.
    Click(IDC_GO);
    Click(IDC_TAG_IT);
    Click(IDC_RADIO_B);
    Click(IDC_COMMIT);
    EXPECT_FALSE(Record().IsTagged1("1"));
    EXPECT_FALSE(Record().IsTagged2("1"));
    // Missed once, right later: in both sets.
    EXPECT_TRUE(Record().IsMissed("1"));
    EXPECT_TRUE(Record().IsCorrect("1"));
}

TEST_F(Answering, BrowsingAfterChoosingCommitsTheTestQuestionUnanswered)
{
    Click(IDC_RADIO_B);
    Command(ID_NEXT_QUESTION);
    EXPECT_EQ(Text(IDC_NUMBER), "2");
    EXPECT_FALSE(Checked(IDC_RADIO_B));
    EXPECT_TRUE(View()->GetDlgItem(IDC_COMMIT)->isEnabled());
    Click(IDC_COMMIT);
    EXPECT_EQ(Text(IDC_NUMBER), "1");
    EXPECT_EQ(Text(IDC_STATUS), "Incorrect");
    EXPECT_EQ(View()->m_testList.GetAt(0).m_nChosen, -1);
}

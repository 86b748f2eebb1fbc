#include "TestBank.h"

#include "MessageRecorder.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionCountSet.h"
#include "bank/CQuestionSet.h"

#include <gtest/gtest.h>

namespace {

const char* const kBank = "CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT);"
                          "INSERT INTO BOOKNAMES VALUES(1,'BOOK1','Caf\xC3\xA9 Science');"
                          "INSERT INTO BOOKNAMES VALUES(2,'BOOK2','Maps');"
                          "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT);"
                          "INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'25');"
                          "INSERT INTO NUMBER_OF_QUESTIONS VALUES(2,'ten');"
                          "CREATE TABLE BOOK1(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
                          " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);"
                          "INSERT INTO BOOK1 VALUES(7,'one','Q7','B','Water boils at 100 \xC2\xB0"
                          "C?','yes','no','maybe','never',"
                          "'fig1','diagrams','eleven','twelve');"
                          "INSERT INTO BOOK1 VALUES(NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);"
                          "CREATE TABLE SHORT(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT);"
                          "INSERT INTO SHORT VALUES(3,'x','S1','A','Only five columns');";

} // namespace

TEST(Readers, DefaultQueriesAreExactlyAsTheBankExpects)
{
    TestBank bank(kBank);
    EXPECT_EQ(CBookNamesSet(bank.Database()).GetDefaultSQL(), "SELECT * FROM 'BOOKNAMES'");
    EXPECT_EQ(CQuestionCountSet(bank.Database()).GetDefaultSQL(), "SELECT * from 'NUMBER_OF_QUESTIONS'");
    EXPECT_EQ(CQuestionSet(bank.Database()).GetDefaultSQL(), "Select * FROM 'BOOK1'");
    EXPECT_EQ(CBookNamesSet(bank.Database()).GetDefaultConnect(), "");
}

TEST(Readers, BookAndCountListsReadInTableOrder)
{
    TestBank bank(kBank);
    CBookNamesSet books(bank.Database());
    books.OpenDefault();
    EXPECT_EQ(books.m_nBookKey, 1);
    EXPECT_EQ(books.m_strTable, "BOOK1");
    EXPECT_EQ(books.m_strTitle, "Caf\xE9 Science");
    books.MoveNext();
    EXPECT_EQ(books.m_strTitle, "Maps");

    CQuestionCountSet counts(bank.Database());
    counts.OpenDefault();
    EXPECT_EQ(counts.m_strCount, "25");
    counts.MoveNext();
    EXPECT_EQ(counts.m_nCountKey, 2);
    EXPECT_EQ(counts.m_strCount, "ten"); // not a number, still a choice
}

TEST(Readers, QuestionRowFillsEveryMemberFromItsColumn)
{
    TestBank bank(kBank);
    CQuestionSet questions(bank.Database());
    questions.OpenDefault();
    EXPECT_EQ(questions.m_nKey, 7);
    EXPECT_EQ(questions.m_strColumn1, "one");
    EXPECT_EQ(questions.m_strNumber, "Q7");
    EXPECT_EQ(questions.m_strCorrect, "B");
    EXPECT_EQ(questions.m_strQuestion, "Water boils at 100 \xB0"
                                       "C?");
    EXPECT_EQ(questions.m_strAnswerA, "yes");
    EXPECT_EQ(questions.m_strAnswerB, "no");
    EXPECT_EQ(questions.m_strAnswerC, "maybe");
    EXPECT_EQ(questions.m_strAnswerD, "never");
    EXPECT_EQ(questions.m_strDiagram, "fig1");
    EXPECT_EQ(questions.m_strDiagramFolder, "diagrams");
    EXPECT_EQ(questions.m_strColumn11, "eleven");
    EXPECT_EQ(questions.m_strColumn12, "twelve");

    questions.MoveNext(); // a row of NULLs
    EXPECT_EQ(questions.m_nKey, 0);
    EXPECT_EQ(questions.m_strNumber, "");
    EXPECT_EQ(questions.m_strDiagramFolder, "");

    questions.MoveFirst();
    questions.MoveLast(); // at the end the last question is still shown
    EXPECT_TRUE(questions.IsEOF());
    EXPECT_EQ(questions.GetRowIndex(), 1);
}

TEST(Readers, ShortQuestionTableReadsMissingColumnsAsEmpty)
{
    TestBank bank(kBank);
    CQuestionSet questions(bank.Database());
    questions.m_strAnswerA = "left over";
    questions.Open("SELECT * FROM 'SHORT'");
    EXPECT_EQ(questions.m_strQuestion, "Only five columns");
    EXPECT_EQ(questions.m_strAnswerA, "");
    EXPECT_EQ(questions.m_strColumn12, "");
}

TEST(Readers, QuestionSetAsksItsChooserForTheBankFile)
{
    TestBank bank(kBank);
    CQuestionSet questions(bank.Database());
    EXPECT_EQ(questions.GetDefaultConnect(), "");
    questions.SetBankChooser([] { return CString("exams.db"); });
    EXPECT_EQ(questions.GetDefaultConnect(), "exams.db");
}

TEST(Readers, BankWithoutCountTableFailsWithSQLitesMessage)
{
    TestBank bank("CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT);");
    MessageRecorder messages;
    CBookNamesSet books(bank.Database());
    books.OpenDefault();
    EXPECT_TRUE(books.IsEOF()); // an empty book list is no error here
    EXPECT_EQ(books.m_strTable, "");
    CQuestionCountSet counts(bank.Database());
    EXPECT_THROW(counts.OpenDefault(), int);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "SQLite exception.Error code: 1Error message: no such table: NUMBER_OF_QUESTIONS");
}

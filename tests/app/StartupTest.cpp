#include "AppFixture.h"

#include "exam/CSelectDatabase.h"

#include "form/FormIds.h"

#include "afx/CArchive.h"

#include <QDir>
#include <QListWidget>

#include <filesystem>
#include <sstream>

namespace {
class StartupTest : public AppTest {};
} // namespace

using namespace form;

TEST_F(StartupTest, OneBankOpensWithoutADialogOnItsFirstQuestion)
{
    AddBank("only.db");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(dialogs.captions.empty());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Frame()->windowTitle(), "Untitled - Norvane Examiner");
    EXPECT_EQ(ControlText(IDC_BOOK_NAME), "Book 1");
    EXPECT_EQ(ControlText(IDC_CURRENT), "1");
    EXPECT_EQ(ControlText(IDC_TEST_SIZE), "5");
    EXPECT_EQ(ControlText(IDC_SCORE), "0%");
    EXPECT_EQ(ControlText(IDC_POOL_SIZE), "30");
    EXPECT_EQ(ControlText(IDC_STATUS), "Pending");
    EXPECT_EQ(ControlText(IDC_NUMBER), "1"); // sequential from the first row
    EXPECT_EQ(ControlText(IDC_QUESTION), "Question 1 of BOOK1");
    EXPECT_EQ(ControlText(IDC_ANSWER_C), "third 1");
    EXPECT_FALSE(View()->GetDlgItem(IDC_COMMIT)->isEnabled());
    SaveScreenshot("first-question");
}

TEST_F(StartupTest, TheSampleBankOpensOnItsFirstQuestion)
{
    std::filesystem::copy_file(std::string(QUILLO_SAMPLE_DIR) + "/sample.db", folder.File("sample.db"));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(ControlText(IDC_BOOK_NAME), "General Science");
    EXPECT_EQ(ControlText(IDC_TEST_SIZE), "25");
    EXPECT_EQ(ControlText(IDC_NUMBER), "1");
    Frame()->resize(860, 600);
    SaveScreenshot("sample-bank");
}

TEST_F(StartupTest, SeveralBanksAreOfferedSortedAndTheChosenOneOpens)
{
    AddBank("zeta.db", 1);
    AddBank("alpha.db", 3);
    std::vector<std::string> listed;
    dialogs.Then([&listed](afx::CDialog& dialog) {
        auto* list = static_cast<QListWidget*>(dialog.GetDlgItem(CSelectDatabase::IDC_DATABASES));
        for (int i = 0; i < list->count(); ++i)
            listed.push_back(list->item(i)->text().toStdString());
        list->setCurrentRow(1);
        dialog.OnOK();
        return dialog.result();
    });
    ASSERT_TRUE(Start());
    EXPECT_EQ(dialogs.captions, (std::vector<std::string>{"Select Database"}));
    EXPECT_EQ(listed, (std::vector<std::string>{"alpha.db", "zeta.db"}));
    EXPECT_EQ(Document()->m_pBooks->m_strTable, "BOOK1");
    Document()->m_pBooks->MoveLast();
    EXPECT_EQ(Document()->m_pBooks->GetRowIndex(), 0); // zeta.db has one book
}

TEST_F(StartupTest, CancellingTheBankChoiceEndsQuietly)
{
    AddBank("a.db");
    AddBank("b.db");
    EXPECT_FALSE(Start());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Frame(), nullptr);
}

TEST_F(StartupTest, NoBankEndsWithItsMessageWhenTheUserOpensNoneElse)
{
    EXPECT_FALSE(Start());
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"No dbs found. Contact Norvane.",
                                                        "Open a question bank from another folder?"}));
    EXPECT_EQ(Frame(), nullptr);
}

TEST_F(StartupTest, AFileThatIsNotADatabaseEndsWithTheSQLiteMessage)
{
    folder.Write("junk.db", std::string(2048, 'j'));
    EXPECT_FALSE(Start());
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"SQLite exception.Error code: 26Error message: file is not a database"}));
}

TEST_F(StartupTest, OkWithNothingSelectedOpensAnEmptyDatabase)
{
    AddBank("a.db");
    AddBank("b.db");
    dialogs.Then([](afx::CDialog& dialog) {
        dialog.OnOK();
        return dialog.result();
    });
    EXPECT_FALSE(Start());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "SQLite exception.Error code: 1Error message: no such table: NUMBER_OF_QUESTIONS");
}

TEST_F(StartupTest, ARecordNamedAtStartUpOpensOnItsBook)
{
    AddBank("only.db");
    ASSERT_TRUE(Start());
    Document()->m_test.m_strTable = "BOOK2";
    Document()->m_test.m_strTitle = "Book 2";
    Document()->m_test.AddAnswered("3");
    Document()->m_test.AddCorrect("3");
    ASSERT_TRUE(Document()->DoSave(folder.File("record.nve").c_str(), true));
    Stop();

    ASSERT_TRUE(Start({QString::fromStdString(folder.File("record.nve"))}));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(ControlText(IDC_BOOK_NAME), "Book 2");
    EXPECT_EQ(ControlText(IDC_QUESTION), "Question 1 of BOOK2");
    EXPECT_TRUE(Document()->m_test.IsCorrect("3"));
    EXPECT_EQ(Frame()->windowTitle(), "record.nve - Norvane Examiner");
}

// Opened from a file manager the program starts in the record's folder, on
// the bank there; a record whose book the bank titles otherwise is asked
// about before any question of it is shown.
TEST_F(StartupTest, ARecordOpensOnTheBankInItsFolderAndAnotherBanksBookIsAskedAbout)
{
    AddBank("general.db");
    std::filesystem::create_directory(folder.File("roads"));
    BuildBankFile(folder.File("roads/roads.db"), QuestionBankSql(1, 5) + "UPDATE BOOKNAMES SET title='Road signs';");
    COptions record;
    record.m_strTable = "BOOK1";
    record.m_strTitle = "Road signs";
    record.m_strCount = "5";
    record.AddAnswered("2");
    for (const char* where : {"roads/roads.nve", "strayed.nve"}) {
        std::ostringstream bytes;
        CArchive archive(bytes);
        record.Serialize(archive);
        archive.Flush();
        folder.Write(where, bytes.str());
    }

    ASSERT_TRUE(Start({QString::fromStdString(folder.File("roads/roads.nve"))}));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(ControlText(IDC_BOOK_NAME), "Road signs");
    EXPECT_EQ(QDir::currentPath().toStdString(), folder.File("roads"));
    Stop();

    messages.answers = {afx::IDNO};
    EXPECT_FALSE(Start({QString::fromStdString(folder.File("strayed.nve"))}));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("is \"Road signs\", but in the question bank " + folder.File("general.db") +
                                     " it is \"Book 1\""),
              std::string::npos)
        << messages.texts[0];
    messages.answers = {afx::IDYES};
    ASSERT_TRUE(Start({QString::fromStdString(folder.File("strayed.nve"))}));
    EXPECT_EQ(ControlText(IDC_BOOK_NAME), "Book 1");
    EXPECT_TRUE(Document()->m_test.IsAnswered("2"));
}

TEST_F(StartupTest, ABookWithoutQuestionsOrTablesDoesNotCrash)
{
    BuildBankFile(folder.File("odd.db"),
                  "CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT);"
                  "INSERT INTO BOOKNAMES VALUES(1,'EMPTY','Empty book');"
                  "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT); INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'5');"
                  "CREATE TABLE BOOK1(id INTEGER);"
                  "CREATE TABLE EMPTY(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
                  " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);");
    ASSERT_TRUE(Start());
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"No matching criteria for test. Run setup again."}));
    EXPECT_EQ(View()->m_testList.GetSize(), 0);
    // With no test question, the test commands do nothing.
    for (int id : {IDC_NEXT, IDC_PREVIOUS, IDC_COMMIT, IDC_RADIO_B})
        Frame()->RouteCommand(id);
    EXPECT_EQ(messages.texts.size(), 1u);
}

TEST_F(StartupTest, AMissingFirstBookTableFailsStartUpWithSQLitesMessage)
{
    BuildBankFile(folder.File("odd.db"), "CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT);"
                                         "INSERT INTO BOOKNAMES VALUES(1,'GONE','Gone');"
                                         "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT);"
                                         "CREATE TABLE BOOK1(id INTEGER);");
    EXPECT_FALSE(Start());
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"SQLite exception.Error code: 1Error message: no such table: GONE"}));
}

// Which bank Quillo opens where the user starts it from the menu or a
// double-clicked record, in a folder that holds no bank, and Open Question
// Bank while it runs.
#include "AppFixture.h"

#include "exam/CSelectDatabase.h"

#include "form/FormIds.h"

#include "afx/MessageBox.h"

#include <QDir>

#include <filesystem>

namespace {

class BankChoiceTest : public AppTest {
protected:
    BankChoiceTest()
    {
        SetBankPrompt([this](CString& path) {
            ++prompts;
            if (pick.empty())
                return false;
            path = pick.c_str();
            return true;
        });
    }
    ~BankChoiceTest() override { SetBankPrompt(nullptr); }

    // A bank of that many books in a folder of its own under the test's.
    std::string BankIn(const std::string& subfolder, const std::string& name, int books)
    {
        std::filesystem::create_directories(folder.File(subfolder));
        std::string path = folder.File(subfolder + "/" + name);
        BuildBankFile(path, QuestionBankSql(books, 30));
        return path;
    }
    int Books() const
    {
        int books = 0;
        for (int more = Document()->m_pBooks->MoveFirst(); more != 0; more = Document()->m_pBooks->MoveNext())
            ++books;
        Document()->m_pBooks->MoveFirst();
        return books;
    }
    static std::string WorkingFolderNow() { return QDir::currentPath().toStdString(); }

    std::string pick;
    int prompts = 0;
};

} // namespace

TEST_F(BankChoiceTest, WithoutABankTheUserIsOfferedOneAndTheNextMenuStartOpensItAgain)
{
    const std::string signs = BankIn("banks", "signs.db", 3);
    EXPECT_FALSE(Start()) << "declined: the program ends, as it always did";
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"No dbs found. Contact Norvane.",
                                                        "Open a question bank from another folder?"}));

    messages.texts.clear();
    messages.answers = {afx::IDOK, afx::IDYES};
    pick = signs;
    ASSERT_TRUE(Start());
    EXPECT_EQ(Books(), 3);
    EXPECT_EQ(WorkingFolderNow(), folder.File("banks")) << "the bank's folder is the working folder";
    Stop();

    // From the menu: a folder of no bank, and nothing asked.
    QDir::setCurrent(QString::fromStdString(folder.Path()));
    messages.texts.clear();
    prompts = 0;
    ASSERT_TRUE(Start());
    EXPECT_EQ(messages.texts, std::vector<std::string>{});
    EXPECT_EQ(prompts, 0);
    EXPECT_EQ(Books(), 3);
    EXPECT_EQ(Document()->BankPath(), signs.c_str());

    // A folder that holds banks still wins.
    Stop();
    QDir::setCurrent(QString::fromStdString(folder.Path()));
    AddBank("here.db", 1);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Books(), 1);
}

TEST_F(BankChoiceTest, ARecordInAFolderWithoutABankOpensOnTheBankItWasSavedWith)
{
    const std::string kept = BankIn("kept", "kept.db", 3);
    BankIn("other", "other.db", 1);
    std::filesystem::create_directory(folder.File("home"));
    const std::string record = folder.File("home/mytest.nve");

    QDir::setCurrent(QString::fromStdString(folder.File("kept")));
    ASSERT_TRUE(Start());
    Document()->m_test.AddAnswered("7");
    ASSERT_TRUE(Document()->DoSave(record.c_str(), true));
    Stop();
    // The bank last used is another one now.
    QDir::setCurrent(QString::fromStdString(folder.File("other")));
    ASSERT_TRUE(Start());
    Stop();

    // As a double-click starts it: in the record's folder, on the record.
    ASSERT_TRUE(Start({QString::fromStdString(record)}));
    EXPECT_EQ(messages.texts, std::vector<std::string>{});
    EXPECT_EQ(Document()->BankPath(), kept.c_str());
    EXPECT_EQ(Books(), 3);
    EXPECT_TRUE(Document()->m_test.IsAnswered("7")) << "with its answers";
    EXPECT_EQ(WorkingFolderNow(), folder.File("kept"));
}

TEST_F(BankChoiceTest, OpenQuestionBankStartsANewRecordOnTheBankChosenAndRefusesWhatIsNoBank)
{
    AddBank("first.db", 1);
    const std::string second = BankIn("more", "second.db", 3);
    ASSERT_TRUE(Start());
    folder.Write("notes.db", "not a bank at all");
    pick = folder.File("notes.db");
    Frame()->RouteCommand(form::ID_FILE_OPEN_BANK);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find(folder.File("notes.db")), std::string::npos) << messages.texts[0];
    EXPECT_EQ(Document()->BankPath(), folder.File("first.db").c_str()) << "nothing changed";
    EXPECT_EQ(Books(), 1);

    pick = second;
    messages.texts.clear();
    Frame()->RouteCommand(form::ID_FILE_OPEN_BANK);
    EXPECT_EQ(messages.texts, std::vector<std::string>{});
    EXPECT_EQ(Document()->BankPath(), second.c_str());
    EXPECT_EQ(Books(), 3);
    EXPECT_EQ(WorkingFolderNow(), folder.File("more"));
    EXPECT_EQ(Frame()->windowTitle(), "Untitled - Norvane Examiner");
    EXPECT_EQ(ControlText(form::IDC_QUESTION), "Question 1 of BOOK1");

    // The next start, from anywhere without a bank, opens it.
    Stop();
    QDir::setCurrent(QString::fromStdString(folder.File("more/..")));
    std::filesystem::remove(folder.File("first.db"));
    std::filesystem::remove(folder.File("notes.db"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(Document()->BankPath(), second.c_str());
}

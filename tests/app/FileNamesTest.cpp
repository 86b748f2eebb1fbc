// Real file names and real damage, through the program as a user meets them.

#include "AppFixture.h"
#include "FileSizeLimit.h"

#include "afx/ui/CommandIds.h"
#include "form/FormIds.h"

#include <QAbstractButton>

#include <filesystem>

using namespace form;

namespace {

class FileNamesTest : public AppTest {};
QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
} // namespace

TEST_F(FileNamesTest, NamesOutsideTheAnsiCodePageSaveListAndReopenAsSpelled)
{
    AddBank("café.db");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(messages.texts.empty());
    for (const char* name : {"été.nve", "Ж.nve", "Д.nve"}) {
        Document()->m_test.AddTagged1(name);
        ASSERT_TRUE(Document()->DoSave(folder.File(name).c_str(), true));
        EXPECT_EQ(Frame()->windowTitle(), Text(name) + " - Norvane Examiner");
    }
    // Three records, none written over another.
    for (const char* name : {"été.nve", "Ж.nve", "Д.nve"})
        EXPECT_TRUE(std::filesystem::is_regular_file(folder.File(name))) << name;
    ASSERT_EQ(app->RecentFiles().size(), 3u);
    EXPECT_EQ(app->RecentFiles().front(), folder.File("Д.nve").c_str());
    Stop();

    // The recent-file list comes back from the settings as spelled.
    ASSERT_TRUE(Start());
    ASSERT_EQ(app->RecentFiles().size(), 3u);
    Frame()->RouteCommand(afx::ID_FILE_MRU_FILE1 + 2);
    EXPECT_EQ(Frame()->windowTitle(), "été.nve - Norvane Examiner");
    EXPECT_TRUE(Document()->m_test.IsTagged1("été.nve"));
    EXPECT_FALSE(Document()->m_test.IsTagged1("Ж.nve"));
}

TEST_F(FileNamesTest, ARelativeRecordOnTheCommandLineIsListedByItsFullPath)
{
    AddBank("BANK.DB");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Document()->DoSave("rec1.nve", true));
    EXPECT_EQ(Document()->GetPathName(), folder.File("rec1.nve").c_str());
    Stop();

    ASSERT_TRUE(Start({"./sub/../rec1.nve"}));
    EXPECT_EQ(Document()->GetPathName(), folder.File("rec1.nve").c_str());
    EXPECT_EQ(app->RecentFiles().front(), folder.File("rec1.nve").c_str());
}

TEST_F(FileNamesTest, AFolderOrAMissingFileAsARecordGetsTheFrameworksMessage)
{
    AddBank("only.db");
    std::filesystem::create_directory(folder.File("dir.nve"));
    ASSERT_TRUE(Start());
    Document()->m_test.AddMissed("7");
    Document()->SetModifiedFlag();
    messages.texts.clear();
    EXPECT_EQ(app->OpenDocumentFile(folder.File("dir.nve").c_str()), nullptr);
    EXPECT_EQ(messages.texts.back(),
              "Unable to read from " + folder.File("dir.nve") + ", it is opened by someone else.");
    EXPECT_TRUE(Document()->m_test.IsMissed("7"));
    EXPECT_TRUE(Document()->IsModified());

    // A question bank is not a record, whatever it is named.
    messages.texts.clear();
    std::filesystem::copy_file(folder.File("only.db"), folder.File("bank.nve"));
    EXPECT_EQ(app->OpenDocumentFile(folder.File("bank.nve").c_str()), nullptr);
    EXPECT_EQ(messages.texts.back().rfind(folder.File("bank.nve") + " is a question bank, not a test record.", 0), 0u);
    EXPECT_TRUE(Document()->m_test.IsMissed("7"));
    Stop();

    // At start-up: the message, then start-up fails.
    messages.texts.clear();
    EXPECT_FALSE(Start({Text(folder.File("gone.nve"))}));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{folder.File("gone.nve") +
                                                        "\nCannot find this file.\nPlease verify that the correct "
                                                        "path and file name are given."}));
}

TEST_F(FileNamesTest, ASaveThatFailsKeepsTheOldFileAndTheDocumentModified)
{
    AddBank("only.db");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Document()->DoSave(folder.File("mine.nve").c_str(), true));
    const std::string before = folder.Read("mine.nve");
    for (int i = 0; i < 2000; ++i)
        Document()->m_test.AddAnswered(std::to_string(i).c_str());
    Document()->SetModifiedFlag();

    {
        FileSizeLimit disk(1024);
        Frame()->RouteCommand(afx::ID_FILE_SAVE);
    }

    EXPECT_EQ(messages.texts.back(), "An unexpected error occurred while writing " + folder.File("mine.nve") + ".");
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(folder.Read("mine.nve"), before);
}

TEST_F(FileNamesTest, ACraftedTableNameInARecordIsOnlyEverATableName)
{
    AddBank("only.db");
    ASSERT_TRUE(Start());
    Document()->m_test.m_strTable = "BOOK1' WHERE 0 UNION SELECT 1,2,'666',4,5,6,7,8,9,10,11,12,13 --";
    ASSERT_TRUE(Document()->DoSave(folder.File("crafted.nve").c_str(), true));
    messages.texts.clear();
    Frame()->RouteCommand(afx::ID_FILE_MRU_FILE1); // reopened from the recent-file list
    ASSERT_FALSE(messages.texts.empty());
    EXPECT_EQ(messages.texts.front().rfind("SQLite exception.Error code: 1Error message: no such table: BOOK1'", 0), 0u)
        << messages.texts.front();
    EXPECT_NE(ControlText(IDC_NUMBER), "666");
}

#include "AppFixture.h"

#include "afx/ui/CommandIds.h"
#include "form/FormIds.h"

#include <QAbstractButton>
#include <QListWidget>

using namespace form;

class DocumentTest : public AppTest {
protected:
    DocumentTest()
    {
        AddBank("a.db");
        AddBank("b.db");
        dialogs.Then([](afx::CDialog& dialog) {
            static_cast<QListWidget*>(dialog.GetDlgItem(1035))->setCurrentRow(0);
            dialog.OnOK();
            return dialog.result();
        });
    }

    void Answer(int radio)
    {
        static_cast<QAbstractButton*>(View()->GetDlgItem(radio))->click();
        Frame()->RouteCommand(IDC_COMMIT);
    }
};

TEST_F(DocumentTest, FileNewKeepsTheBankAndAsksNothing)
{
    ASSERT_TRUE(Start());
    Document()->m_test.m_strTable = "BOOK2";
    Frame()->RouteCommand(afx::ID_FILE_NEW);
    EXPECT_EQ(dialogs.captions.size(), 1u);
    EXPECT_EQ(Document()->m_test.m_strTable, "BOOK1");
    EXPECT_EQ(Document()->m_test.m_strCount, "5");
}

TEST_F(DocumentTest, SaveWritesTheRecordAndOpenMergesIt)
{
    ASSERT_TRUE(Start());
    Answer(IDC_RADIO_A);  // question 1, correct answer A
    EXPECT_EQ(ControlText(IDC_STATUS), "Correct");
    EXPECT_TRUE(Document()->IsModified());
    app->SetFilePrompt([this](CString& path, bool) {
        path = folder.File("mine.nve").c_str();
        return true;
    });
    Frame()->RouteCommand(afx::ID_FILE_SAVE);
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(Frame()->windowTitle(), "mine.nve - Norvane Examiner");
    EXPECT_EQ(folder.Read("mine.nve").substr(0, 6), "\x05" "BOOK1");

    Frame()->RouteCommand(afx::ID_FILE_NEW);
    EXPECT_FALSE(Document()->m_test.IsAnswered("1"));
    Document()->m_test.AddMissed("9");
    Frame()->RouteCommand(afx::ID_FILE_OPEN);
    EXPECT_TRUE(Document()->m_test.IsCorrect("1"));
    EXPECT_TRUE(Document()->m_test.IsMissed("9"));
    EXPECT_EQ(ControlText(IDC_CURRENT), "1");
}

TEST_F(DocumentTest, ADamagedRecordLeavesTheOutcomesInMemoryAlone)
{
    ASSERT_TRUE(Start());
    Answer(IDC_RADIO_B);  // wrong
    folder.Write("cut.nve", std::string("\x05" "BOOK1\x06" "Bo", 9));
    ASSERT_EQ(app->OpenDocumentFile(folder.File("cut.nve").c_str()), nullptr);
    // asked to save first (answered No by the recorder's OK), then told why
    EXPECT_EQ(messages.texts.back(), "Unexpected file format.");
    EXPECT_TRUE(Document()->m_test.IsMissed("1"));
    EXPECT_TRUE(Document()->IsModified());
}

TEST_F(DocumentTest, TheRecentFileListKeepsFour)
{
    ASSERT_TRUE(Start());
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(Document()->DoSave(folder.File("r" + std::to_string(i) + ".nve").c_str(), true));
    ASSERT_EQ(app->RecentFiles().size(), 4u);
    EXPECT_EQ(app->RecentFiles().front(), folder.File("r5.nve").c_str());
    EXPECT_EQ(app->RecentFiles().back(), folder.File("r2.nve").c_str());
    EXPECT_EQ(app->GetProfileString("Recent File List", "File1"), folder.File("r5.nve").c_str());
}

TEST_F(DocumentTest, ClosingWithUnsavedOutcomesAsksToSave)
{
    ASSERT_TRUE(Start());
    Answer(IDC_RADIO_A);
    Close();
    ASSERT_FALSE(messages.texts.empty());
    EXPECT_EQ(messages.texts.back(), "Save changes to Untitled?");
}

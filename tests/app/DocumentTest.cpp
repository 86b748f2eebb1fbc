#include "AppFixture.h"

#include "exam/CSelectDatabase.h"

#include "afx/ui/CommandIds.h"
#include "form/FormIds.h"

#include "afx/CArchive.h"
#include "afx/DocumentFile.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QStatusBar>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <sstream>
#include <thread>

using namespace form;

class DocumentTest : public AppTest {
protected:
    DocumentTest()
    {
        AddBank("a.db");
        AddBank("b.db");
        dialogs.Then([](afx::CDialog& dialog) {
            static_cast<QListWidget*>(dialog.GetDlgItem(CSelectDatabase::IDC_DATABASES))->setCurrentRow(0);
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
    Answer(IDC_RADIO_A); // question 1, correct answer A
    EXPECT_EQ(ControlText(IDC_STATUS), "Correct");
    EXPECT_TRUE(Document()->IsModified());
    app->SetFilePrompt([this](CString& path, bool) {
        path = folder.File("mine.nve").c_str();
        return true;
    });
    Frame()->RouteCommand(afx::ID_FILE_SAVE);
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(Frame()->windowTitle(), "mine.nve - Norvane Examiner");
    EXPECT_EQ(folder.Read("mine.nve").substr(0, 6), "\x05"
                                                    "BOOK1");

    Frame()->RouteCommand(afx::ID_FILE_NEW);
    EXPECT_FALSE(Document()->m_test.IsAnswered("1"));
    Document()->m_test.AddMissed("9");
    Frame()->RouteCommand(afx::ID_FILE_OPEN);
    EXPECT_TRUE(Document()->m_test.IsCorrect("1"));
    EXPECT_TRUE(Document()->m_test.IsMissed("9"));
    EXPECT_EQ(ControlText(IDC_CURRENT), "1");
}

namespace {
// What another window does to the record: reads it whole, changes it, and
// saves it through the same safe replace.
void SaveFromAnotherWindow(const TempFolder& folder, const std::string& name,
                           const std::function<void(COptions&)>& change)
{
    COptions record;
    const std::string bytes = folder.Read(name);
    std::istringstream in(bytes);
    CArchive loading(in, bytes.size());
    record.Serialize(loading);
    change(record);
    std::ostringstream out;
    CArchive storing(out);
    record.Serialize(storing);
    storing.Flush();
    ASSERT_EQ(afx::ReplaceFileContents(folder.File(name).c_str(), out.str()), afx::FileFault::none);
}
bool Exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}
} // namespace

// Two windows on one record: each save keeps what the other saved since,
// and a tag follows whichever window changed it last.
TEST_F(DocumentTest, SavingMergesWhatAnotherWindowSavedAndClearsTemporariesOfKilledSaves)
{
    ASSERT_TRUE(Start());
    Answer(IDC_RADIO_A);
    Document()->m_test.AddTagged1("20");
    Document()->m_test.AddTagged1("21");
    const std::string record = folder.File("shared.nve");
    ASSERT_TRUE(Document()->DoSave(record.c_str(), true));

    SaveFromAnotherWindow(folder, "shared.nve", [](COptions& other) {
        other.AddAnswered("7");
        other.AddMissed("7");
        other.AddTagged2("8");
        other.RemoveTagged1("21");
    });
    Document()->m_test.RemoveTagged1("20");
    Document()->m_test.AddAnswered("3");
    // Left by saves that were killed; one still being written is locked.
    folder.Write(".shared.nve.Ab12Cd", "half");
    folder.Write(".shared.nve.Zz99Yy", "busy");
    const int busy = open(folder.File(".shared.nve.Zz99Yy").c_str(), O_RDONLY);
    ASSERT_EQ(flock(busy, LOCK_EX), 0);
    folder.Write("victim", "not ours");
    ASSERT_EQ(symlink(folder.File("victim").c_str(), folder.File(".shared.nve.Qq11Ww").c_str()), 0);

    ASSERT_TRUE(Document()->DoFileSave());
    COptions& mine = Document()->m_test;
    EXPECT_TRUE(mine.IsCorrect("1") && mine.IsAnswered("3") && mine.IsMissed("7") && mine.IsTagged2("8"));
    EXPECT_FALSE(mine.IsTagged1("20") || mine.IsTagged1("21"));
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), "Answers saved to this record by another window were kept.");
    SaveFromAnotherWindow(folder, "shared.nve", [](COptions& saved) {
        EXPECT_TRUE(saved.IsCorrect("1") && saved.IsAnswered("3") && saved.IsMissed("7") && saved.IsTagged2("8"));
        EXPECT_FALSE(saved.IsTagged1("20") || saved.IsTagged1("21"));
    });
    EXPECT_FALSE(Exists(folder.File(".shared.nve.Ab12Cd")));
    EXPECT_TRUE(Exists(folder.File(".shared.nve.Zz99Yy")));
    EXPECT_EQ(folder.Read(".shared.nve.Qq11Ww"), "not ours");
    close(busy);

    // What can no longer be read is replaced only when the user says so.
    folder.Write("shared.nve", "\x05"
                               "BO");
    messages.answers = {afx::IDNO};
    EXPECT_FALSE(Document()->DoFileSave());
    EXPECT_EQ(folder.Read("shared.nve"), "\x05"
                                         "BO");
    messages.answers = {afx::IDYES};
    EXPECT_TRUE(Document()->DoFileSave());
    EXPECT_EQ(folder.Read("shared.nve").substr(0, 6), "\x05"
                                                      "BOOK1");
}

namespace {
// Another window's save as it takes the folder: at once, or not at all.
bool FolderIsFree(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

// Answers Yes, noting whether another save could have taken the folder
// while the question was up.
class FolderProbe : public afx::MessageSink {
public:
    explicit FolderProbe(std::string folder) : m_folder(std::move(folder)), m_previous(afx::SetMessageSink(this)) {}
    ~FolderProbe() override { afx::SetMessageSink(m_previous); }
    int Show(const std::string&, unsigned) override
    {
        freeWhileAsked.push_back(FolderIsFree(m_folder));
        return afx::IDYES;
    }
    std::vector<bool> freeWhileAsked;

private:
    std::string m_folder;
    afx::MessageSink* m_previous;
};
} // namespace

// A save holds the folder only while it merges and writes: never while it
// asks, so another window's save does not wait on this window's user; and
// it waits for another save's turn, a bounded time, then goes on.
TEST_F(DocumentTest, ASaveNeverHoldsTheFolderWhileItAsksAndWaitsItsTurn)
{
    ASSERT_TRUE(Start());
    Answer(IDC_RADIO_B);
    const std::string record = folder.File("shared.nve");
    ASSERT_TRUE(Document()->DoSave(record.c_str(), true));
    folder.Write("shared.nve", "\x05"
                               "BO");
    {
        FolderProbe probe(folder.Path());
        EXPECT_TRUE(Document()->DoFileSave());
        EXPECT_EQ(probe.freeWhileAsked, std::vector<bool>{true});
    }

    const int other = open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    std::thread otherSave([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        close(other);
    });
    Document()->SetModifiedFlag();
    EXPECT_TRUE(Document()->DoFileSave());
    otherSave.join();
    EXPECT_FALSE(Document()->IsModified());
}

TEST_F(DocumentTest, ADamagedRecordLeavesTheOutcomesInMemoryAlone)
{
    ASSERT_TRUE(Start());
    Answer(IDC_RADIO_B); // wrong
    folder.Write("cut.nve", std::string("\x05"
                                        "BOOK1\x06"
                                        "Bo",
                                        9));
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

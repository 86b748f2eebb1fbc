// The accelerator table as the main window binds it, and what the keys
// leave to the controls.

#include "AppFixture.h"

#include "app/Accelerators.h"

#include "afx/ui/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace {

class AcceleratorTest : public AppTest {
protected:
    AcceleratorTest() { AddBank("only.db"); }
};

} // namespace

TEST_F(AcceleratorTest, EveryAcceleratorIsBoundOnceToItsCommand)
{
    ASSERT_TRUE(Start());
    ASSERT_FALSE(app::AcceleratorTable().empty());
    for (const app::Accelerator& entry : app::AcceleratorTable()) {
        int bindings = 0;
        for (QAction* action : Frame()->findChildren<QAction*>())
            bindings += action->shortcuts().contains(QKeySequence(entry.keys));
        EXPECT_EQ(bindings, 1) << entry.keys;
        EXPECT_NE(ActionWithKeys(entry.id, entry.keys), nullptr) << entry.keys;
    }
    // Nothing in the program handles the edit commands.
    EXPECT_FALSE(Frame()->QueryCommand(afx::ID_EDIT_COPY).m_bHandled);
    EXPECT_FALSE(ActionWithKeys(afx::ID_EDIT_COPY, "Ctrl+C")->isEnabled());
    EXPECT_TRUE(ActionWithKeys(afx::ID_FILE_PRINT, "Ctrl+P")->isEnabled());
}

TEST_F(AcceleratorTest, CtrlCInAnEditStillCopies)
{
    ASSERT_TRUE(Start());
    QLineEdit* go = nullptr;
    for (QLineEdit* edit : View()->findChildren<QLineEdit*>())
        if (!edit->isReadOnly() && edit->isEnabled())
            go = edit;
    ASSERT_NE(go, nullptr);
    ActivateFrame();
    go->setText("17");
    go->setFocus();
    go->selectAll();
    QApplication::clipboard()->clear();
    QTest::keyClick(go, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "17");
}

// The keys people expect of any program: F1 for help, Ctrl+Q to leave,
// which asks to save a changed record as File > Exit does.
TEST_F(AcceleratorTest, F1OpensHelpAndCtrlQLeavesAfterAskingToSave)
{
    ASSERT_TRUE(Start());
    ActivateFrame();
    const QString workingFolder = QDir::currentPath();
    QTest::keyClick(Frame(), Qt::Key_F1);
    ASSERT_EQ(messages.texts.size(), 1u) << "no help viewer here: Help says so";
    EXPECT_EQ(messages.texts[0].rfind("The help could not be shown", 0), 0u) << messages.texts[0];
    EXPECT_EQ(QDir::currentPath(), workingFolder) << "Help leaves the working folder where it was";

    Document()->SetModifiedFlag(true);
    messages.answers = {afx::IDCANCEL};
    QTest::keyClick(Frame(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(messages.texts.back(), "Save changes to Untitled?");
    EXPECT_NE(Frame(), nullptr) << "cancelled: Quillo stays";
}

// The accelerator table, and printing the form through Ctrl+P and the
// print preview.

#include "AppFixture.h"

#include "app/Accelerators.h"

#include "afx/ui/CFormView.h"
#include "afx/ui/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace {

class PrintTest : public AppTest {
protected:
    PrintTest() { AddBank("only.db"); }

    // Window-wide keys only reach the active window.
    void ActivateFrame() const
    {
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    }

    QAction* ActionWithKeys(int id, const char* keys) const
    {
        for (QAction* action : Frame()->findChildren<QAction*>())
            if (action->data().toInt() == id && action->shortcuts().contains(QKeySequence(keys)))
                return action;
        return nullptr;
    }
};

} // namespace

TEST_F(PrintTest, EveryAcceleratorIsBoundOnceToItsCommand)
{
    ASSERT_TRUE(Start());
    ASSERT_EQ(app::AcceleratorTable().size(), 19u);
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

TEST_F(PrintTest, CtrlCInAnEditStillCopies)
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

TEST_F(PrintTest, CtrlPPrintsTheFormOnAPage)
{
    ASSERT_TRUE(Start());
    const std::string pdf = folder.File("form.pdf");
    dialogs.ThenStandard([&pdf](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(pdf));
        return int(QDialog::Accepted);
    });
    ActivateFrame();
    QTest::keyClick(Frame(), Qt::Key_P, Qt::ControlModifier);

    EXPECT_EQ(dialogs.captions.size(), 1u);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::ifstream in(pdf, std::ios::binary);
    std::string head(5, '\0');
    in.read(&head[0], 5);
    EXPECT_EQ(head, "%PDF-");
    EXPECT_GT(std::filesystem::file_size(pdf), 2000u);
}

TEST_F(PrintTest, PreviewShowsTheFormOnOnePage)
{
    ASSERT_TRUE(Start());
    int pages = 0;
    dialogs.ThenStandard([&pages](QDialog& dialog) {
        dialog.resize(700, 800);
        dialog.show();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        QApplication::processEvents();
        pages = preview->pageCount();
        std::filesystem::create_directories(QUILLO_SCREENSHOTS);
        dialog.grab().save(QUILLO_SCREENSHOTS "/print-preview.png");
        return int(QDialog::Accepted);
    });
    Frame()->RouteCommand(afx::ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(pages, 1);
}

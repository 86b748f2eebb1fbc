// Printing the form through Ctrl+P and the print preview.

#include "AppFixture.h"

#include "afx/ui/CommandIds.h"

#include <QApplication>
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
};

} // namespace

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

// A bank from anyone: its titles and section names written as markup, of
// thousands of characters, its stored figures past an int. Every window
// and dialog that shows them shows them as written and keeps its size.

#include "FormTest.h"

#include "form/CSetupDlg.h"
#include "form/PracticeExamDlg.h"
#include "form/ProgressDlg.h"

#include "afx/ui/ScreenFit.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSpinBox>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

using namespace form;

namespace {

const std::string kMarkupTitle = "<b>Bold</b> <img src=\"/usr/share/pixmaps/debian-logo.png\"> book";
const std::string kLongSection(5000, 'S');

std::string HostileBank()
{
    return QuestionBankSql(2, 12) + "UPDATE BOOKNAMES SET title = '" + kMarkupTitle + "' WHERE id = 1;" +
           "UPDATE BOOKNAMES SET title = '" + std::string(3000, 'T') + "' WHERE id = 2;" +
           "UPDATE BOOK1 SET c1 = CASE WHEN id <= 6 THEN '<i>Italic</i>' ELSE '" + kLongSection + "' END;" +
           "CREATE TABLE PRACTICE_EXAM (TableName TEXT, Questions INTEGER, PassMark INTEGER, Minutes INTEGER,"
           " Draw TEXT);"
           "INSERT INTO PRACTICE_EXAM VALUES ('BOOK1', 4294967306, 60, 10, 'section');";
}

// Labels that would read a bank's text as markup: any whose text Qt
// would take for rich text and is not held to plain text. The tooltips
// of a table's names must show the text escaped.
std::vector<std::string> MarkupShown(const QWidget& window)
{
    std::vector<std::string> shown;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()))
            shown.push_back(label->text().toStdString());
    for (QTreeWidget* table : window.findChildren<QTreeWidget*>())
        for (QTreeWidgetItemIterator it(table); *it != nullptr; ++it) {
            QTextDocument tip;
            tip.setHtml((*it)->toolTip(0));
            if (!(*it)->toolTip(0).isEmpty() && tip.toPlainText() != (*it)->text(0))
                shown.push_back((*it)->toolTip(0).left(80).toStdString());
        }
    return shown;
}

class BankTextTest : public FormTest {};

} // namespace

TEST_F(BankTextTest, NoWindowShowsBankTextAsMarkupOrGrowsWithIt)
{
    StartOn(HostileBank());
    EXPECT_EQ(MarkupShown(*Frame()), std::vector<std::string>{});
    EXPECT_EQ(Text(IDC_BOOK_NAME), kMarkupTitle);

    int setups = 0;
    dialogs.Then([&](afx::CDialog& dialog) {
        ++setups;
        EXPECT_EQ(MarkupShown(dialog), std::vector<std::string>{});
        return int(afx::IDCANCEL);
    });
    Command(ID_SETUP);
    EXPECT_EQ(setups, 1);

    dialogs.ThenStandard([](QDialog& dialog) {
        auto& exam = dynamic_cast<PracticeExamDlg&>(dialog);
        EXPECT_EQ(MarkupShown(dialog), std::vector<std::string>{});
        EXPECT_NE(exam.Questions()->value(), 10) << "2^32 + 10 read as 10";
        return int(QDialog::Rejected);
    });
    Command(ID_PRACTICE_EXAM);

    dialogs.ThenStandard([](QDialog& dialog) {
        auto& progress = dynamic_cast<ProgressDlg&>(dialog);
        EXPECT_EQ(MarkupShown(dialog), std::vector<std::string>{});
        EXPECT_LT(dialog.width(), 1400) << "a 5,000-character section name widens Progress";
        bool longNameHasItsTip = false;
        for (QTreeWidgetItemIterator it(progress.Table()); *it != nullptr; ++it)
            longNameHasItsTip |= (*it)->text(0).size() == 5000 && !(*it)->toolTip(0).isEmpty();
        EXPECT_TRUE(longNameHasItsTip);
        return int(QDialog::Rejected);
    });
    Command(ID_PROGRESS);
    EXPECT_EQ(messages.texts, std::vector<std::string>{});
}

// A long title in the practice exam dialog and in the form's field during
// the exam is cut to fit, and whole in the tooltip; the exam's mark after
// it is never cut.
TEST_F(BankTextTest, ALongTitleIsElidedInThePracticeExamDialog)
{
    StartOn(HostileBank());
    dialogs.Then([](afx::CDialog& dialog) {
        static_cast<QComboBox*>(dialog.GetDlgItem(1000))->setCurrentIndex(1);
        static_cast<CSetupDlg&>(dialog).OnOK();
        return dialog.result();
    });
    Command(ID_SETUP);
    dialogs.ThenStandard([](QDialog& dialog) {
        EXPECT_LT(dialog.sizeHint().width(), 1000);
        bool elided = false;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            elided |= label->text().contains(QChar(0x2026)) && label->toolTip().contains(QString(3000, 'T'));
        EXPECT_TRUE(elided);
        return int(QDialog::Accepted);
    });
    Command(ID_PRACTICE_EXAM);
    ASSERT_TRUE(View()->ExamIsRunning());
    EXPECT_TRUE(QString::fromStdString(Text(IDC_BOOK_NAME)).endsWith(QChar(0x2026) + QString(", practice exam")));
    EXPECT_TRUE(View()->GetDlgItem(IDC_BOOK_NAME)->toolTip().contains(QString(3000, 'T')));
}

// On the 800 x 600 screen of the tests, smaller than any netbook's, every
// study dialog opens within the screen's free area, its frame included,
// even for a bank of long names: the tables scroll inside.
TEST_F(BankTextTest, EveryStudyDialogFitsASmallScreen)
{
    StartOn(HostileBank());
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() - afx::kFrameAllowance;
    std::vector<std::string> tooLarge;
    const auto fits = [&](QDialog& dialog) {
        dialog.ensurePolished();
        const QSize size = dialog.layout() != nullptr && dialog.layout()->sizeConstraint() == QLayout::SetFixedSize
                               ? dialog.sizeHint()
                               : dialog.size();
        if (size.width() > room.width() || size.height() > room.height())
            tooLarge.push_back(dialog.windowTitle().toStdString() + " " + std::to_string(size.width()) + " x " +
                               std::to_string(size.height()));
    };
    dialogs.ThenStandard([&](QDialog& dialog) {
        fits(dialog);
        return int(QDialog::Rejected);
    });
    Command(ID_PROGRESS);
    dialogs.ThenStandard([&](QDialog& dialog) {
        fits(dialog);
        return int(QDialog::Accepted);
    });
    Command(ID_PRACTICE_EXAM);
    ASSERT_TRUE(View()->ExamIsRunning());
    dialogs.ThenStandard([&](QDialog& dialog) {
        fits(dialog);
        return int(QDialog::Accepted);
    });
    messages.answers = {afx::IDYES};
    Command(ID_FINISH_EXAM);
    EXPECT_EQ(dialogs.captions.back(), "Practice Exam Result");
    EXPECT_EQ(tooLarge, std::vector<std::string>{});
}

#include "FormTest.h"

#include "form/QuilloFormTemplate.h"

#include "afx/ui/DialogTemplate.h"

#include <QLabel>

#include <string>

using namespace form;

namespace {

// A bank whose first test is 150 questions from a pool of 12,000, under a
// book title longer than its place on the form.
std::string BigBankSql()
{
    return QuestionBankSql(1, 12000) +
           "UPDATE NUMBER_OF_QUESTIONS SET n = '150' WHERE id = 1;"
           "UPDATE BOOKNAMES SET title = 'A book whose title runs on far past the place the form gives it';";
}

} // namespace

class Figures : public FormTest {
protected:
    Figures() { StartOn(BigBankSql()); }

    QLabel* Label(int id) { return static_cast<QLabel*>(View()->GetDlgItem(id)); }
    bool ShownWhole(int id)
    {
        QLabel* label = Label(id);
        return label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
    }
    int LaidOutWidth(int id)
    {
        const afx::DialogTemplate& form = QuilloFormTemplate();
        const afx::BaseUnits units = afx::DialogBaseUnits(afx::TemplateFont(form));
        for (const afx::ControlTemplate& control : form.controls)
            if (control.id == id)
                return units.X(control.cx);
        return -1;
    }
    // The other controls of the form that the label's place meets.
    int Overlaps(int id)
    {
        QLabel* label = Label(id);
        int overlaps = 0;
        for (QWidget* other : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            overlaps += other != label && other->geometry().intersects(label->geometry());
        return overlaps;
    }
};

// Laid out for "99" and "9999", the fields would read "15" and "1200"; the
// title, broken between words, keeps its place.
TEST_F(Figures, AreShownWholeAndNoFieldRunsOverTheNextControlOnItsLine)
{
    EXPECT_EQ(Text(IDC_TEST_SIZE), "150");
    EXPECT_EQ(Text(IDC_POOL_SIZE), "12000");
    for (const int id : {IDC_TEST_SIZE, IDC_POOL_SIZE}) {
        EXPECT_TRUE(ShownWhole(id)) << id;
        EXPECT_LE(Label(id)->geometry().right(), Label(id)->parentWidget()->width()) << id;
    }
    for (const int id : {IDC_BOOK_NAME, IDC_CURRENT, IDC_TEST_SIZE, IDC_SCORE, IDC_POOL_SIZE})
        EXPECT_EQ(Overlaps(id), 0) << id;
    EXPECT_EQ(Label(IDC_BOOK_NAME)->width(), LaidOutWidth(IDC_BOOK_NAME));

    // Question 100 shows whole too; back on 99, the field has its laid-out
    // width again.
    for (int i = 1; i < 100; ++i)
        Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_CURRENT), "100");
    EXPECT_TRUE(ShownWhole(IDC_CURRENT));
    Click(IDC_PREVIOUS);
    EXPECT_EQ(Label(IDC_CURRENT)->width(), LaidOutWidth(IDC_CURRENT));
}

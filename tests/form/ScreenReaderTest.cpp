// A test taken through the accessibility interface, as a screen reader
// takes it, and what the statics and combo boxes draw.
#include "FormTest.h"

#include "afx/ui/ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <map>
#include <vector>

using namespace form;

namespace {

const char* const kBank =
    "CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT); INSERT INTO BOOKNAMES VALUES(1,'BOOK1','Signs');"
    "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT); INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'10');"
    "CREATE TABLE BOOK1(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
    " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);"
    "INSERT INTO BOOK1 VALUES(1,'','1','C','q1','a','b','c','d','','','','');"
    "INSERT INTO BOOK1 VALUES(2,'','2','@ at sign','q2','a','b','c','d','fig2','figures','','');";

class ScreenReader : public FormTest {
protected:
    // Shown and active, as a reader only hears the window it is in.
    ScreenReader()
    {
        StartOn(kBank);
        QWidget* window = View()->window();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    }

    QAccessibleInterface* Accessible(int id) { return QAccessible::queryAccessibleInterface(View()->GetDlgItem(id)); }
    std::string Heard(int id) { return Accessible(id)->text(QAccessible::Name).toStdString(); }
    // What the reader was last given to speak as it came up, and how.
    std::string Noticed()
    {
        for (QObject* child : View()->children())
            if (auto* notice = dynamic_cast<afx::ScreenReaderNotice*>(child)) {
                QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(notice);
                EXPECT_EQ(heard->role(), QAccessible::Notification);
                EXPECT_TRUE(QTest::qWaitFor([notice] { return notice->isVisible(); }, 2000));
                return heard->text(QAccessible::Name).toStdString();
            }
        return "no notice";
    }

    // The action returns before the click, which runs from the event loop.
    void Act(int id, const QString& action)
    {
        Accessible(id)->actionInterface()->doAction(action);
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(ScreenReader, AQuestionIsHeardChosenAndCommittedThroughTheInterface)
{
    EXPECT_EQ(Heard(IDC_BOOK_NAME), "Signs");
    EXPECT_EQ(Accessible(IDC_BOOK_NAME)->text(QAccessible::Description).toStdString(), "Book name");
    EXPECT_EQ(Heard(IDC_CORRECT_ANSWER), "Correct answer") << "nothing shown yet: the caption stands in";
    EXPECT_EQ(Accessible(IDC_RADIO_C)->role(), QAccessible::RadioButton);
    EXPECT_EQ(Heard(IDC_RADIO_C), "Answer C. c") << "a radio is heard with its answer";
    EXPECT_TRUE(Accessible(IDC_COMMIT)->state().disabled);

    Act(IDC_RADIO_C, QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(Accessible(IDC_RADIO_C)->state().checked);
    EXPECT_FALSE(Accessible(IDC_COMMIT)->state().disabled) << "the action ran the answer's handler";
    Act(IDC_COMMIT, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Noticed(), "Correct. Score: 50%") << "the result is spoken once, without moving the focus";

    EXPECT_EQ(Heard(IDC_STATUS), "Correct");
    EXPECT_EQ(Heard(IDC_CORRECT_ANSWER), "C");
    EXPECT_EQ(Heard(IDC_SCORE), "50%");
    Act(IDC_NEXT, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Heard(IDC_CURRENT), "2");
    EXPECT_EQ(Noticed(), "Question 2 of 2: q2 With a diagram: the Display button shows it.");
}

// A miss says the right answer with its text; coming back to an answered
// question says what was answered and how it went; the last answer of the
// test says it is complete, with the final score.
TEST_F(ScreenReader, AMissComingBackAndTheEndAreHeardInFull)
{
    Click(IDC_RADIO_A);
    Click(IDC_COMMIT);
    EXPECT_EQ(Noticed(), "Incorrect. Correct Answer: C, c. Score: 0%");
    Click(IDC_NEXT);
    Click(IDC_PREVIOUS);
    EXPECT_EQ(Noticed(), "Question 1 of 2: q1 Your answer: A. Incorrect. Correct Answer: C, c.");
    Click(IDC_NEXT);
    Click(IDC_RADIO_B);
    Click(IDC_COMMIT);
    EXPECT_EQ(Noticed(), "Incorrect. Correct Answer: @ at sign. Score: 0%. Test complete: final score 0%.");
}

// '@' is the letter before 'A': unanswered (-1) must not match it.
TEST_F(ScreenReader, AnUnansweredCommitNeverMatchesAndTheLongAnswerShowsItsStart)
{
    Click(IDC_NEXT);
    Command(IDC_COMMIT);
    EXPECT_EQ(Text(IDC_STATUS), "Incorrect");
    EXPECT_EQ(Noticed(), "Incorrect. Correct Answer: @ at sign. Score: 0%");
    EXPECT_TRUE(Record().IsMissed("2"));

    // The right-aligned static wraps "@ at sign" between words and clips
    // at the bottom: it shows the top of the whole wrapped text, which
    // begins with the '@'.
    auto* shown = static_cast<QLabel*>(View()->GetDlgItem(IDC_CORRECT_ANSWER));
    ASSERT_EQ(shown->text().toStdString(), "@ at sign");
    QLabel whole(shown->text(), shown->parentWidget());
    whole.setGeometry(QRect(shown->pos(), QSize(shown->width(), 10 * shown->height())));
    whole.setAlignment(Qt::AlignRight | Qt::AlignTop);
    whole.setWordWrap(true);
    const QImage top = whole.grab(QRect(QPoint(0, 0), shown->size())).toImage();
    EXPECT_EQ(shown->grab().toImage(), top);
}

TEST_F(ScreenReader, SetupsClosedComboBoxesAreOneLineAndCoverNothing)
{
    bool checked = false;
    dialogs.Then([&](afx::CDialog& setup) {
        setup.show();
        setup.grab().save(QString(QUILLO_SCREENSHOTS) + "/setup-dialog.png");
        for (const auto& combo : setup.Controls().InOrder()) {
            if (combo.control.kind != afx::ControlKind::ComboBox)
                continue;
            EXPECT_LE(combo.widget->height(), 2 * combo.widget->fontMetrics().height()) << combo.control.id;
            EXPECT_GE(static_cast<QComboBox*>(combo.widget)->maxVisibleItems(), 2) << combo.control.id;
            for (const auto& other : setup.Controls().InOrder()) {
                if (other.widget == combo.widget)
                    continue;
                EXPECT_FALSE(combo.widget->geometry().intersects(other.widget->geometry()))
                    << combo.control.id << " covers " << other.control.id;
            }
        }
        checked = true;
        return static_cast<int>(afx::IDCANCEL);
    });
    Command(ID_SETUP);
    EXPECT_TRUE(checked);
}

// Setup read as a dialog: each list and field is named by the caption
// beside it (or the box around it), each button described by its box.
TEST_F(ScreenReader, SetupsFieldsAreNamedByTheirCaptionsAndButtonsByTheirBoxes)
{
    std::map<int, std::pair<std::string, std::string>> heard;
    int listed = -1;
    dialogs.Then([&](afx::CDialog& dialog) {
        // The book list's items are there for any assistive tool to read.
        QAccessibleInterface* books = QAccessible::queryAccessibleInterface(dialog.GetDlgItem(1000));
        if (books->childCount() == 1)
            listed = books->child(0)->childCount();
        for (const int id : {1000, 1029, 1008, 1033, 1001}) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(dialog.GetDlgItem(id));
            heard[id] = {control->text(QAccessible::Name).toStdString(),
                         control->text(QAccessible::Description).toStdString()};
        }
        return int(afx::IDCANCEL);
    });
    Command(IDC_SETUP);
    // A closed list is heard with its value: Orca finds none of its own.
    EXPECT_EQ(heard[1000].first, "Select questions from: Signs");
    EXPECT_EQ(listed, 1) << "the bank's one book";
    EXPECT_EQ(heard[1029].first, "# of Questions: 10");
    EXPECT_EQ(heard[1008].first, "Database Filter");
    EXPECT_EQ(heard[1033], (std::pair<std::string, std::string>{"% of Test", "Scoring Method"}));
    EXPECT_EQ(heard[1001].second, "Questions to Display");
}

// Orca 48 speaks a control's caption by the caption's own name; an Alt
// mark left in it would be read out.
TEST_F(ScreenReader, CaptionsOfTheStudyDialogsAreHeardWithoutTheirAltMarks)
{
    std::vector<std::string> names;
    auto captions = [&names](QDialog& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy() != nullptr)
                names.push_back(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name).toStdString());
        return int(QDialog::Rejected);
    };
    dialogs.ThenStandard(captions);
    Command(ID_PRACTICE_EXAM);
    dialogs.ThenStandard(captions);
    Command(ID_PROGRESS);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Number of questions:", "Pass mark (percent):", "Time limit (minutes):",
                                        "Days with answers, the newest first:", "Practice exams, the newest first:",
                                        "Books and sections of this bank, as far as this test record goes:"}));
}

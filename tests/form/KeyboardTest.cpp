// The form and Setup from the keyboard alone, as the dialog manager runs
// them: Tab order and wrap, arrows within a group, Return and Escape, and
// the Alt keys for answering.
#include "FormTest.h"

#include "form/CSetupDlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace form;

namespace {

int FocusedId(const afx::CWnd& window)
{
    for (const auto& entry : window.Controls().InOrder())
        if (entry.widget == QApplication::focusWidget())
            return entry.control.id;
    return 0;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

std::vector<int> TabChain(const afx::CWnd& window, Qt::Key key)
{
    std::vector<int> chain{FocusedId(window)};
    for (Press(key); FocusedId(window) != chain.front() && chain.size() < 40; Press(key))
        chain.push_back(FocusedId(window));
    return chain;
}

void Show(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
}

class Keyboard : public FormTest {
protected:
    Keyboard()
    {
        StartOnQuestions(6);
        Show(*Frame());
    }
};

} // namespace

TEST_F(Keyboard, AQuestionCostsThreeKeysFromTheFirstFocus)
{
    // Commit is disabled until an answer is chosen: the first tab stop
    // that can take the focus is Next, and its focus frame shows.
    EXPECT_EQ(FocusedId(*View()), IDC_NEXT);
    EXPECT_TRUE(Frame()->testAttribute(Qt::WA_KeyboardFocusChange));

    Press(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(FocusedId(*View()), IDC_RADIO_B);
    SaveScreenshot("keyboard-answer");
    Press(Qt::Key_Return);
    EXPECT_TRUE(Record().IsAnswered("1"));
    Press(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(Text(IDC_CURRENT), "2");
    Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(Text(IDC_CURRENT), "1");
}

TEST_F(Keyboard, TabVisitsEveryTabStopInTemplateOrderAndWraps)
{
    Press(Qt::Key_A, Qt::AltModifier); // Commit enabled
    const std::vector<int> forward = TabChain(*View(), Qt::Key_Tab);
    const std::vector<int> expected = {
        IDC_RADIO_A, IDC_ANSWER_C, IDC_ANSWER_B, IDC_ANSWER_D, IDC_QUESTION, IDC_ANSWER_A, IDC_NUMBER, IDC_DIAGRAM,
        IDC_TAG_IT,  IDC_TAG_1,    IDC_GO,       IDC_COMMIT,   IDC_NEXT,     IDC_PREVIOUS, IDC_SETUP,  IDC_DISPLAY};
    EXPECT_EQ(forward, expected);
    std::vector<int> backward = TabChain(*View(), Qt::Key_Backtab);
    std::reverse(backward.begin() + 1, backward.end());
    EXPECT_EQ(backward, forward);

    // The answers are one stop whichever is checked: back from B leaves them.
    Press(Qt::Key_B, Qt::AltModifier);
    std::vector<int> fromB = TabChain(*View(), Qt::Key_Backtab);
    std::reverse(fromB.begin() + 1, fromB.end());
    std::vector<int> expectedFromB = expected;
    expectedFromB.front() = IDC_RADIO_B;
    EXPECT_EQ(fromB, expectedFromB);

    // Tabbing into the question puts the caret at its start, where a screen
    // reader begins to read, and selects nothing that a new question would
    // unselect aloud; the question number is selected, to be typed over.
    while (FocusedId(*View()) != IDC_QUESTION)
        Press(Qt::Key_Tab);
    const QTextCursor caret = static_cast<QPlainTextEdit*>(View()->GetDlgItem(IDC_QUESTION))->textCursor();
    EXPECT_EQ(caret.position(), 0);
    EXPECT_FALSE(caret.hasSelection());
    while (FocusedId(*View()) != IDC_NUMBER)
        Press(Qt::Key_Tab);
    EXPECT_TRUE(static_cast<QLineEdit*>(View()->GetDlgItem(IDC_NUMBER))->hasSelectedText());
}

TEST_F(Keyboard, ArrowsStayInTheirGroupAndReturnPressesTheRightButton)
{
    Press(Qt::Key_A, Qt::AltModifier);
    Press(Qt::Key_Up); // wraps within the group, and checks as a click does
    EXPECT_TRUE(Checked(IDC_RADIO_D));
    EXPECT_FALSE(Checked(IDC_RADIO_A));

    // Return in the number edit goes there rather than committing.
    auto* number = static_cast<QLineEdit*>(View()->GetDlgItem(IDC_NUMBER));
    number->setFocus();
    number->setText("4");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(IDC_TEST_SIZE), "3"); // a new test from row 4
    EXPECT_FALSE(Record().IsAnswered("1"));

    // Return in an answer edit commits, adding no line.
    Press(Qt::Key_A, Qt::AltModifier);
    auto* answer = static_cast<QPlainTextEdit*>(View()->GetDlgItem(IDC_ANSWER_A));
    const QString text = answer->toPlainText();
    answer->setFocus();
    Press(Qt::Key_Return);
    EXPECT_TRUE(Record().IsAnswered("4"));
    EXPECT_EQ(answer->toPlainText(), text);

    // The push buttons are a group of their own; disabled ones are passed over.
    View()->GetDlgItem(IDC_SETUP)->setFocus();
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(FocusedId(*View()), IDC_NEXT) << "past Display, wrapping past the answered question's Commit";
}

TEST_F(Keyboard, SetupIsReachableFromTheKeyboardWithReturnAndEscape)
{
    std::vector<int> chain;
    bool scoringChanged = false;
    dialogs.Then([&](afx::CDialog& setup) {
        Show(setup);
        chain = TabChain(setup, Qt::Key_Tab);
        setup.GetDlgItem(setupdlg::IDC_PERCENT_OF_TEST)->setFocus();
        Press(Qt::Key_Down);
        scoringChanged = static_cast<QRadioButton*>(setup.GetDlgItem(setupdlg::IDC_PERCENT_OF_ANSWERS))->isChecked();
        Press(Qt::Key_Escape);
        return setup.result();
    });
    int secondResult = 0;
    dialogs.Then([&](afx::CDialog& setup) {
        Show(setup);
        setup.GetDlgItem(setupdlg::IDC_FILTER)->setFocus();
        Press(Qt::Key_Return);
        return secondResult = setup.result();
    });
    const int scoring = Record().m_nScoring;
    View()->GetDlgItem(IDC_SETUP)->setFocus();
    Press(Qt::Key_Return); // Return on a push button presses it
    EXPECT_EQ(chain.front(), 1000) << "the first tab stop, the book list, has the focus";
    const auto reached = [&chain](int id) { return std::find(chain.begin(), chain.end(), id) != chain.end(); };
    // Tabbing into a radio group lands on its checked button.
    EXPECT_TRUE(reached(1033) || reached(1034)) << "the scoring radios";
    EXPECT_TRUE(reached(1005) || reached(1007)) << "the order radios";
    EXPECT_TRUE(scoringChanged);
    EXPECT_EQ(Record().m_nScoring, scoring) << "Escape cancelled the dialog";

    Command(ID_SETUP);
    EXPECT_EQ(secondResult, afx::IDOK);
}

// In a test Return commits; in an exam the same habit must not end it:
// Alt+A, Return, Return leaves the exam running, and Finish's question,
// when asked, offers No first.
TEST_F(Keyboard, HabitualReturnsNeverFinishAnExam)
{
    dialogs.ThenStandard([](QDialog&) { return int(QDialog::Accepted); });
    Command(ID_PRACTICE_EXAM);
    ASSERT_TRUE(View()->ExamIsRunning());
    Press(Qt::Key_A, Qt::AltModifier);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    EXPECT_TRUE(View()->ExamIsRunning());
    EXPECT_EQ(messages.texts, std::vector<std::string>{});

    messages.answers = {afx::IDNO};
    Press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(messages.types.size(), 1u) << "Ctrl+F still finishes";
    EXPECT_EQ(messages.types[0], afx::MB_YESNO | afx::MB_DEFBUTTON2);
    EXPECT_TRUE(View()->ExamIsRunning());
}

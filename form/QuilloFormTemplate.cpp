#include "QuilloFormTemplate.h"

#include "FormIds.h"

namespace form {

using afx::ControlKind;
using afx::IDC_STATIC;

namespace {
constexpr unsigned kButton = afx::kTabStop;
constexpr unsigned kAnswerEdit = afx::kBorder | afx::kTabStop | afx::kMultiLine | afx::kVScroll;
constexpr unsigned kLineEdit = afx::kBorder | afx::kTabStop | afx::kAutoHScroll;
constexpr unsigned kLabel = afx::kGroup;
} // namespace

const afx::DialogTemplate& QuilloFormTemplate()
{
    static const afx::DialogTemplate form = {
        IDD_QUILLO_FORM,
        "",
        "Arial",
        10,
        411,
        248,
        {
            {IDC_COMMIT, ControlKind::PushButton, "Commit", 321, 113, 65, 18, kButton | afx::kDefault | afx::kGroup},
            {IDC_NEXT, ControlKind::PushButton, "Next", 321, 147, 65, 18, kButton},
            {IDC_PREVIOUS, ControlKind::PushButton, "Previous", 321, 181, 65, 18, kButton},
            {IDC_SETUP, ControlKind::PushButton, "Setup", 321, 215, 65, 18, kButton},
            {IDC_DISPLAY, ControlKind::PushButton, "Display", 321, 76, 65, 18, kButton},
            {IDC_RADIO_A, ControlKind::RadioButton, "A", 285, 117, 21, 10, afx::kAuto | afx::kGroup | afx::kTabStop,
             "Answer A"},
            {IDC_RADIO_B, ControlKind::RadioButton, "B", 285, 151, 21, 10, afx::kAuto, "Answer B"},
            {IDC_RADIO_C, ControlKind::RadioButton, "C", 285, 185, 21, 10, afx::kAuto, "Answer C"},
            {IDC_RADIO_D, ControlKind::RadioButton, "D", 285, 219, 21, 10, afx::kAuto, "Answer D"},
            {IDC_STATIC, ControlKind::Label, "Question #", 22, 27, 38, 8, kLabel},
            {IDC_STATIC, ControlKind::Label, "Question:", 22, 40, 31, 8, kLabel},
            {IDC_ANSWER_C, ControlKind::Edit, "", 22, 177, 250, 26, kAnswerEdit, "Answer C text"},
            {IDC_ANSWER_B, ControlKind::Edit, "", 22, 143, 250, 26, kAnswerEdit, "Answer B text"},
            {IDC_ANSWER_D, ControlKind::Edit, "", 22, 211, 250, 26, kAnswerEdit, "Answer D text"},
            {IDC_QUESTION, ControlKind::Edit, "", 22, 50, 250, 48, kAnswerEdit | afx::kWantReturn, "Question:"},
            {IDC_ANSWER_A, ControlKind::Edit, "", 22, 109, 250, 26, kAnswerEdit, "Answer A text"},
            {IDC_STATIC, ControlKind::Label, "Answers:", 22, 99, 31, 8, kLabel},
            {IDC_NUMBER, ControlKind::Edit, "", 63, 25, 26, 12, kLineEdit, "Question #"},
            {IDC_STATIC, ControlKind::Label, "Correct Answer:", 180, 27, 54, 8, kLabel},
            {IDC_STATIC, ControlKind::Label, "Status:", 108, 27, 25, 8, kLabel},
            {IDC_STATIC, ControlKind::Label, "Diagram:", 282, 48, 31, 8, kLabel},
            {IDC_DIAGRAM, ControlKind::Edit, "", 282, 59, 104, 12, kLineEdit, "Diagram:"},
            {IDC_STATUS, ControlKind::Static, "Pending", 137, 27, 39, 8, kLabel, "Status"},
            {IDC_CORRECT_ANSWER, ControlKind::Static, "Ans", 240, 27, 14, 8, kLabel | afx::kRightAlign,
             "Correct answer"},
            {IDC_TAG_IT, ControlKind::CheckBox, "Tag it", 288, 26, 34, 10, afx::kAuto | afx::kTabStop},
            {IDC_TAG_1, ControlKind::RadioButton, "1", 330, 26, 20, 10, afx::kAuto | afx::kGroup | afx::kTabStop,
             "Tag 1"},
            {IDC_TAG_2, ControlKind::RadioButton, "2", 358, 26, 20, 10, afx::kAuto, "Tag 2"},
            {IDC_STATIC, ControlKind::GroupBox, "", 272, 18, 115, 22, afx::kGroup, "Tags"},
            {IDC_STATIC, ControlKind::Label, "Book Name:", 22, 7, 42, 8, kLabel},
            {IDC_BOOK_NAME, ControlKind::Static, "Sample book name", 67, 7, 98, 8, kLabel, "Book name"},
            {IDC_STATIC, ControlKind::Label, "Question:", 180, 7, 33, 8, kLabel},
            {IDC_CURRENT, ControlKind::Static, "10", 215, 7, 9, 8, kLabel, "Current question"},
            {IDC_STATIC, ControlKind::Label, "of", 228, 7, 8, 8, kLabel},
            {IDC_TEST_SIZE, ControlKind::Static, "99", 240, 7, 9, 8, kLabel, "Questions in test"},
            {IDC_STATIC, ControlKind::Label, "Score:", 265, 7, 23, 8, kLabel},
            {IDC_SCORE, ControlKind::Static, "75%", 290, 7, 23, 8, kLabel, "Score"},
            {IDC_STATIC, ControlKind::Label, "Question Pool:", 315, 7, 50, 8, kLabel},
            {IDC_POOL_SIZE, ControlKind::Static, "9999", 369, 7, 17, 8, kLabel, "Question pool"},
            // A tab stop, so that the keyboard reaches it.
            {IDC_GO, ControlKind::PushButton, "Go", 88, 25, 15, 12, afx::kTabStop},
        },
    };
    return form;
}

} // namespace form

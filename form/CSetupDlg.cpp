#include "CSetupDlg.h"

#include "afx/ui/ComboBox.h"
#include "afx/ui/DataExchange.h"

#include <QComboBox>

using namespace setupdlg;

namespace {

using afx::ControlKind;
constexpr unsigned kCheck = afx::kAuto | afx::kTabStop;

const afx::DialogTemplate kSetupTemplate = {
    130,
    "Examiner Setup Options",
    "Arial",
    10,
    223,
    151,
    {
        {IDC_BOOKS, ControlKind::ComboBox, "", 94, 10, 117, 79, afx::kSorted | afx::kVScroll | afx::kTabStop,
         "Select questions from:"},
        {IDC_COUNTS, ControlKind::ComboBox, "", 66, 35, 37, 46, afx::kSorted | afx::kVScroll | afx::kTabStop,
         "# of Questions:"},
        {IDC_FILTER, ControlKind::Edit, "", 123, 35, 77, 12, afx::kBorder | afx::kAutoHScroll | afx::kTabStop,
         "Database Filter"},
        {IDC_POOL_ONLY, ControlKind::CheckBox, "Filter on current pool only", 110, 51, 100, 10, kCheck | afx::kGroup},
        {afx::IDOK, ControlKind::PushButton, "OK", 56, 130, 50, 14, afx::kDefault | afx::kGroup | afx::kTabStop},
        {afx::IDCANCEL, ControlKind::PushButton, "Cancel", 118, 130, 50, 14, afx::kTabStop},
        // The first radio of each group is a tab stop, so that the keyboard reaches the group.
        {IDC_PERCENT_OF_TEST, ControlKind::RadioButton, "% of Test", 20, 62, 47, 10,
         afx::kAuto | afx::kGroup | afx::kTabStop},
        {IDC_PERCENT_OF_ANSWERS, ControlKind::RadioButton, "% of Answers", 20, 72, 62, 10, afx::kAuto},
        {IDC_RANDOM, ControlKind::RadioButton, "Random", 20, 100, 43, 10, afx::kAuto | afx::kGroup | afx::kTabStop},
        {IDC_SEQUENTIAL, ControlKind::RadioButton, "Sequential", 20, 111, 49, 10, afx::kAuto},
        {IDC_NEW, ControlKind::CheckBox, "New", 111, 81, 31, 10, kCheck | afx::kGroup},
        {IDC_MISSED, ControlKind::CheckBox, "Missed", 111, 94, 38, 10, kCheck},
        {IDC_CORRECT, ControlKind::CheckBox, "Correct", 111, 107, 39, 10, kCheck},
        {IDC_TAGGED1, ControlKind::CheckBox, "Tagged 1", 155, 81, 46, 10, kCheck},
        {IDC_TAGGED2, ControlKind::CheckBox, "Tagged 2", 155, 94, 46, 10, kCheck},
        {afx::IDC_STATIC, ControlKind::Label, "Select questions from:", 12, 12, 75, 8, afx::kGroup},
        {afx::IDC_STATIC, ControlKind::GroupBox, "Questions to Display", 94, 68, 117, 56, 0},
        {afx::IDC_STATIC, ControlKind::GroupBox, "Question Mode", 13, 90, 74, 34, 0},
        {afx::IDC_STATIC, ControlKind::Label, "# of Questions:", 12, 37, 51, 8, afx::kGroup},
        {afx::IDC_STATIC, ControlKind::GroupBox, "Scoring Method", 13, 53, 74, 33, 0},
        {afx::IDC_STATIC, ControlKind::GroupBox, "Database Filter", 107, 24, 104, 41, 0},
        {IDC_UNTAGGED, ControlKind::CheckBox, "Untagged", 155, 107, 47, 10, kCheck},
    },
};

QComboBox* Combo(const afx::CWnd& dialog, int id)
{
    return static_cast<QComboBox*>(dialog.GetDlgItem(id));
}

} // namespace

CSetupDlg::CSetupDlg(QWidget* parent, CMapStringToString* bookMap, CStringArray* countList)
    : CDialog(kSetupTemplate, parent), m_pBookMap(bookMap), m_pCountList(countList)
{}

void CSetupDlg::DoDataExchange(afx::CDataExchange& dx)
{
    afx::DDX_Text(dx, IDC_FILTER, m_strFilter);
    afx::DDX_Check(dx, IDC_MISSED, m_bMissed);
    afx::DDX_Check(dx, IDC_NEW, m_bNew);
    afx::DDX_Check(dx, IDC_TAGGED1, m_bTagged1);
    afx::DDX_Check(dx, IDC_TAGGED2, m_bTagged2);
    afx::DDX_Radio(dx, IDC_RANDOM, m_nMode);
    afx::DDX_Check(dx, IDC_CORRECT, m_bCorrect);
    afx::DDX_Radio(dx, IDC_PERCENT_OF_TEST, m_nScoring);
    afx::DDX_Check(dx, IDC_POOL_ONLY, m_bPoolOnly);
    afx::DDX_Check(dx, IDC_UNTAGGED, m_bUntagged);
}

bool CSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    QComboBox* books = Combo(*this, IDC_BOOKS);
    CString currentTitle;
    bool found = false;
    for (const auto& [title, table] : *m_pBookMap) {
        afx::ComboAddString(books, title);
        if (table == m_strTable) {
            currentTitle = title;
            found = true;
        }
    }
    if (found)
        afx::ComboSelectString(books, currentTitle);

    QComboBox* counts = Combo(*this, IDC_COUNTS);
    for (const CString& count : *m_pCountList)
        afx::ComboAddString(counts, count);
    if (m_strCount.IsEmpty())
        counts->setCurrentIndex(counts->count() > 0 ? 0 : -1);
    else
        afx::ComboSelectString(counts, m_strCount);
    return true;
}

void CSetupDlg::OnOK()
{
    UpdateData(true);
    const CString title = afx::ComboWindowText(Combo(*this, IDC_BOOKS));
    CString table;
    if (m_pBookMap->Lookup(title, table))
        m_strTable = table;
    m_strTitle = title;
    m_strCount = afx::ComboWindowText(Combo(*this, IDC_COUNTS));
    CDialog::OnOK();
}

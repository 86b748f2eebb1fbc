#include "CSelectDatabase.h"

#include "afx/AbortSignal.h"
#include "afx/CFileFind.h"
#include "afx/MessageBox.h"
#include "afx/ui/DataExchange.h"
#include "afx/ui/ListBox.h"

#include <QListWidget>

namespace {

const afx::DialogTemplate kSelectDatabaseTemplate = {
    131,
    "Select Database",
    "MS Sans Serif",
    8,
    186,
    95,
    {
        {afx::IDOK, afx::ControlKind::PushButton, "OK", 65, 74, 50, 14, afx::kDefault | afx::kTabStop | afx::kGroup},
        {CSelectDatabase::IDC_DATABASES, afx::ControlKind::ListBox, "", 7, 7, 172, 58,
         afx::kSorted | afx::kNotify | afx::kVScroll | afx::kBorder | afx::kTabStop, "Question banks"},
    },
};

} // namespace

CSelectDatabase::CSelectDatabase(QWidget* parent) : CDialog(kSelectDatabaseTemplate, parent) {}

void CSelectDatabase::DoDataExchange(afx::CDataExchange& dx)
{
    afx::DDX_LBString(dx, IDC_DATABASES, m_strSelection);
}

bool CSelectDatabase::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* list = static_cast<QListWidget*>(GetDlgItem(IDC_DATABASES));
    afx::DlgDirList(list, "*.db");
    list->setCurrentRow(-1);
    return true;
}

CString SelectQuestionBank()
{
    afx::CFileFind finder;
    if (!finder.FindFile("*.db")) {
        AfxMessageBox("No dbs found. Contact Norvane.");
        afx::ThrowAbortSignal(afx::kAbortBankSelection);
    }
    int count = 0;
    CString name;
    bool more = true;
    while (more) {
        more = finder.FindNextFile();
        name = finder.GetFileName();
        ++count;
    }
    if (count == 1)
        return name;
    CSelectDatabase dialog;
    if (dialog.DoModal() != afx::IDOK)
        afx::ThrowAbortSignal(afx::kAbortBankSelection);
    return dialog.m_strSelection;
}

#include "CSelectDatabase.h"

#include "InstalledFiles.h"
#include "RememberedBanks.h"

#include "afx/AbortSignal.h"
#include "afx/CFileFind.h"
#include "afx/FilePath.h"
#include "afx/MessageBox.h"
#include "afx/ui/CWinApp.h"
#include "afx/ui/DataExchange.h"
#include "afx/ui/ListBox.h"
#include "afx/ui/QtText.h"
#include "afx/ui/ScreenReaderPause.h"

#include <QDir>
#include <QFileDialog>
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

namespace {

BankPrompt& Prompt()
{
    static BankPrompt prompt;
    return prompt;
}

// The banks of the working folder are the user's choice of this start;
// without them, what the record or the last start remembered, then the
// sample that came with the program (a first start from the menu), and last
// the user's own pick.
CString BankFromElsewhere(const CString& record)
{
    CString bank = remembered::BankOfRecord(record);
    if (bank.IsEmpty())
        bank = remembered::LastBank();
    if (bank.IsEmpty())
        bank = InstalledFile("sample.db");
    if (!bank.IsEmpty())
        return EnterFolderOf(bank);
    AfxMessageBox("No dbs found. Contact Norvane.");
    if (AfxMessageBox("Open a question bank from another folder?", afx::MB_YESNO) == afx::IDYES &&
        PromptForQuestionBank(bank))
        return EnterFolderOf(bank);
    afx::ThrowAbortSignal(afx::kAbortBankSelection);
}

} // namespace

void SetBankPrompt(BankPrompt prompt)
{
    Prompt() = std::move(prompt);
}

bool PromptForQuestionBank(CString& path)
{
    if (Prompt())
        return Prompt()(path);
    afx::LetScreenReaderFinishTheKey();
    const QString chosen =
        QFileDialog::getOpenFileName(afx::AfxGetApp() ? afx::AfxGetApp()->VisibleMainWnd() : nullptr,
                                     "Open Question Bank", QDir::currentPath(), "Question banks (*.db);;All Files (*)");
    if (chosen.isEmpty())
        return false;
    path = afx::PathFromQt(chosen);
    return true;
}

CString EnterFolderOf(const CString& bank)
{
    const CString full = afx::FullPath(bank);
    QDir::setCurrent(afx::PathToQt(afx::FolderOf(full)));
    return afx::FileNameOf(full);
}

CString SelectQuestionBank(const CString& record)
{
    afx::CFileFind finder;
    if (!finder.FindFile("*.db"))
        return BankFromElsewhere(record);
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

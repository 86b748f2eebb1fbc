#pragma once
// "Select Database": the question banks of the working folder, to pick one.

#include "afx/ui/CDialog.h"

#include <functional>

class CSelectDatabase : public afx::CDialog {
public:
    // The list of banks (template 131).
    static constexpr int IDC_DATABASES = 1035;

    explicit CSelectDatabase(QWidget* parent = nullptr);

    CString m_strSelection;

    bool OnInitDialog() override;

protected:
    void DoDataExchange(afx::CDataExchange& dx) override;
};

// The question-bank file to open: the only *.db of the working folder, or
// the one the user picks when there are several. Raises the abort signal
// -1 when the user cancels.
//
// A folder without a bank (a start from the menu, a record in the home
// folder) is not the end: the bank the record was last kept on, else the
// bank last opened, is taken, and its folder made the working folder. With
// none of those the user is told "No dbs found." as ever, then offered to
// open a bank from elsewhere; the abort signal comes only when the user
// declines.
CString SelectQuestionBank(const CString& record);

// Asks for a question bank with a file dialog; true with its full path.
// The default is a file dialog; tests put their own.
using BankPrompt = std::function<bool(CString& path)>;
void SetBankPrompt(BankPrompt prompt);
bool PromptForQuestionBank(CString& path);

// Makes the bank's folder the working folder, so that diagrams, Save As
// and relative names behave as if Quillo had been started there; returns
// the bank's file name within it.
CString EnterFolderOf(const CString& bank);

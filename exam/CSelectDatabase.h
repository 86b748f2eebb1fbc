#pragma once
// "Select Database": the question banks of the working folder, to pick one.

#include "afx/ui/CDialog.h"

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
// -1 when there is none or the user cancels.
CString SelectQuestionBank();

#pragma once
// A modal dialog built from its template. DoModal goes through the
// application's dialog runner, which tests replace with a script.

#include "CWnd.h"

#include <QDialog>

namespace afx {

class CDialog : public QDialog, public CWnd {
public:
    CDialog(const DialogTemplate& dialog, QWidget* parent = nullptr);

    int DoModal();
    // Runs once before the dialog is shown; the base pushes the members.
    virtual bool OnInitDialog();
    // OK: pull the members, then end with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result) { done(result); }

protected:
    void reject() override { OnCancel(); }
};

// Runs a dialog modally and returns how it ended (IDOK, IDCANCEL, ...).
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int Run(CDialog& dialog) = 0;
    // The system's own dialogs (print, print preview); returns the
    // QDialog result.
    virtual int RunStandard(QDialog& dialog);
};

} // namespace afx

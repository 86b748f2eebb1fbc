#pragma once
// A modal dialog built from its template. DoModal goes through the
// application's dialog runner, which tests replace with a script.

#include "CWnd.h"

#include <QDialog>

namespace afx {

// The frame the window manager gives the program's dialogs and message
// boxes: a title and a close box, no minimise or maximise.
constexpr Qt::WindowFlags kDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

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

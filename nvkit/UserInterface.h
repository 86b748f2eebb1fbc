#pragma once
// What the library shows: a message box and the reader-missing dialog.
// With no application around, the library makes its own Qt application
// when there is a display to show it on; a caller with neither gets the
// message on standard error instead, never an ended process. Tests replace
// the whole interface.

#include "afx/CString.h"

namespace afx {
class CDialog;
}

namespace nvkit {

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // False for a caller that has no Qt application and no display.
    virtual bool CanShowWindows() = 0;
    virtual void ShowMessage(const CString& text) = 0;
    // Runs a dialog modally; returns how it ended.
    virtual int RunDialog(afx::CDialog& dialog) = 0;
};

UserInterface& Ui();
// nullptr restores the real interface.
void SetUserInterface(UserInterface* ui);
// Makes sure a Qt application exists before any widget is made.
void EnsureApplication();

} // namespace nvkit

#pragma once
// What the library shows: a message box and the reader-missing dialog.
// With no application around, the library makes its own Qt application;
// tests replace the whole interface.

#include "afx/CString.h"

namespace afx {
class CDialog;
}

namespace nvkit {

class UserInterface {
public:
    virtual ~UserInterface() = default;
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

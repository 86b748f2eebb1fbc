#pragma once
// AfxMessageBox goes through a sink that the application object owns; tests
// install a recorder. Without a sink the text goes to standard error, so a
// message is never lost silently. The sink is handed UTF-8: the program's
// own texts are ANSI, but a file name in a message is shown as the file
// system spells it, whatever its characters.

#include "CString.h"

#include <string>

namespace afx {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr unsigned MB_OK = 0;
constexpr unsigned MB_YESNOCANCEL = 3;
constexpr unsigned MB_YESNO = 4;
constexpr unsigned MB_TYPEMASK = 0x0F;
// The second button (No) is the one Return presses.
constexpr unsigned MB_DEFBUTTON2 = 0x100;

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual int Show(const std::string& utf8, unsigned type) = 0;
};

// Returns the sink it replaces; nullptr restores the standard-error default.
MessageSink* SetMessageSink(MessageSink* sink);

// The framework's prompts name their file at "%1"; path is native bytes.
int MessageBoxNamingFile(const char* ansiPrompt, const CString& path, unsigned type = MB_OK);

} // namespace afx

int AfxMessageBox(const char* text, unsigned type = afx::MB_OK, unsigned helpId = 0);

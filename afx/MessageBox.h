#pragma once
// AfxMessageBox goes through a sink that the application object owns; tests
// install a recorder. Without a sink the text goes to standard error, so a
// message is never lost silently.

#include "CString.h"

namespace afx {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr unsigned MB_OK = 0;
constexpr unsigned MB_YESNOCANCEL = 3;

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual int Show(const CString& text, unsigned type) = 0;
};

// Returns the sink it replaces; nullptr restores the standard-error default.
MessageSink* SetMessageSink(MessageSink* sink);

} // namespace afx

int AfxMessageBox(const char* text, unsigned type = afx::MB_OK, unsigned helpId = 0);

#pragma once

#include "afx/MessageBox.h"

#include <string>
#include <vector>

// Stands in for the user in front of a message box: keeps every text shown
// and answers OK. Installed for its own lifetime.
class MessageRecorder : public afx::MessageSink {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    int Show(const CString& text, unsigned type) override;

    std::vector<std::string> texts;

private:
    afx::MessageSink* m_previous;
};

#pragma once

#include "afx/MessageBox.h"

#include <string>
#include <vector>

// Stands in for the user in front of a message box: keeps every text shown
// (as UTF-8) and gives the answers queued, then OK. Installed for its own
// lifetime.
class MessageRecorder : public afx::MessageSink {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    int Show(const std::string& utf8, unsigned type) override;

    std::vector<std::string> texts;
    std::vector<unsigned> types;
    std::vector<int> answers;

private:
    afx::MessageSink* m_previous;
};

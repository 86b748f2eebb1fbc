#pragma once

#include "afx/MessageBox.h"

namespace afx {

// Message boxes as the user sees them: caption the application's name,
// an OK button, or Yes, No and Cancel when asked.
class QtMessageBoxes : public MessageSink {
public:
    explicit QtMessageBoxes(const char* caption) : m_caption(caption) {}
    int Show(const std::string& utf8, unsigned type) override;

private:
    const char* m_caption;
};

} // namespace afx

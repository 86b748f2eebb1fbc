#include "MessageRecorder.h"

MessageRecorder::MessageRecorder() : m_previous(afx::SetMessageSink(this)) {}

MessageRecorder::~MessageRecorder()
{
    afx::SetMessageSink(m_previous);
}

int MessageRecorder::Show(const CString& text, unsigned)
{
    texts.push_back(text.Bytes());
    return afx::IDOK;
}

#include "MessageRecorder.h"

MessageRecorder::MessageRecorder() : m_previous(afx::SetMessageSink(this)) {}

MessageRecorder::~MessageRecorder()
{
    afx::SetMessageSink(m_previous);
}

int MessageRecorder::Show(const std::string& utf8, unsigned type)
{
    texts.push_back(utf8);
    types.push_back(type);
    if (answers.empty())
        return afx::IDOK;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

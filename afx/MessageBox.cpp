#include "MessageBox.h"

#include <cstdio>

namespace afx {
namespace {
MessageSink* g_sink = nullptr;
}

MessageSink* SetMessageSink(MessageSink* sink)
{
    MessageSink* previous = g_sink;
    g_sink = sink;
    return previous;
}

} // namespace afx

int AfxMessageBox(const char* text, unsigned type, unsigned)
{
    if (afx::g_sink)
        return afx::g_sink->Show(text, type);
    std::fprintf(stderr, "quillo: %s\n", text);
    return afx::IDOK;
}

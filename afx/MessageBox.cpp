#include "MessageBox.h"

#include "CodePage.h"

#include <cstdio>

namespace afx {
namespace {

MessageSink* g_sink = nullptr;

std::string AnsiToUtf8(const std::string& ansi)
{
    const std::u16string wide = MultiByteToWideChar(CP_ACP, ansi.data(), static_cast<int>(ansi.size()));
    return WideCharToMultiByte(CP_UTF8, wide.data(), static_cast<int>(wide.size()));
}

int Show(const std::string& utf8, unsigned type)
{
    if (g_sink)
        return g_sink->Show(utf8, type);
    std::fprintf(stderr, "quillo: %s\n", utf8.c_str());
    return IDOK;
}

} // namespace

MessageSink* SetMessageSink(MessageSink* sink)
{
    MessageSink* previous = g_sink;
    g_sink = sink;
    return previous;
}

int MessageBoxNamingFile(const char* ansiPrompt, const CString& path, unsigned type)
{
    std::string text = AnsiToUtf8(ansiPrompt);
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, path.Bytes());
    return Show(text, type);
}

} // namespace afx

int AfxMessageBox(const char* text, unsigned type, unsigned)
{
    return afx::Show(afx::AnsiToUtf8(text ? text : ""), type);
}

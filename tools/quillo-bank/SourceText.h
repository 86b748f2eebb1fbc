#pragma once
// A book file's bytes made the text every reader takes: UTF-8 without a
// byte order mark, every line ending in LF. Files come as Notepad and
// spreadsheets save them: with CRLF or a lone CR, in UTF-16 or UTF-32
// with a byte order mark, or in the user's old code page.

#include "SourceBook.h"

#include <optional>
#include <string>

namespace banktool {

// Rewrites the text in place; when it cannot be read as text, what it
// most likely is and the line where that shows.
std::optional<Finding> MakeReadable(std::string& text);

} // namespace banktool

#pragma once
// A file's text quoted in a message for the terminal: files come from
// anywhere, and an escape sequence in one must not clear the user's
// screen nor a huge line flood it.

#include <string>
#include <string_view>

namespace banktool {

// At most `most` characters of the text, then "…" when there is more;
// control characters, direction overrides and bytes that are not UTF-8
// shown as \x1b, \u202e or \xff, a line break as \n.
std::string Excerpt(std::string_view text, size_t most = 40);

} // namespace banktool

#pragma once
// Text written as HTML, as quiz tools store it, made the plain text the
// program shows.

#include <string>
#include <string_view>

namespace banktool {

// Tags dropped, paragraphs and line breaks kept as line breaks, other
// runs of white space made one space, character references decoded.
std::string PlainFromHtml(std::string_view html);

// Appends the character a reference names ("amp", "#8217", "#x2019");
// false, and nothing appended, for a name not known here.
bool AppendReference(std::string& text, std::string_view name);

// The file name of the first picture an HTML text shows ("E5-2.png" of
// src="@@PLUGINFILE@@/E5-2.png"), or the empty text.
std::string FirstImageName(std::string_view html);

} // namespace banktool

#pragma once
// Text written as HTML, as quiz tools store it, made the plain text the
// program shows.

#include <string>
#include <string_view>

namespace banktool {

// Tags dropped, paragraphs and line breaks kept as line breaks, other
// runs of white space made one space, character references decoded, as
// a browser shows the text.
std::string PlainFromHtml(std::string_view html);

// The file name of the first picture an HTML text shows ("E5-2.png" of
// src="@@PLUGINFILE@@/E5-2.png"), or the empty text.
std::string FirstImageName(std::string_view html);

} // namespace banktool

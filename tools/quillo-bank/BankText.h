#pragma once
// Whether text stored in a bank reaches the program as written: the
// program reads UTF-8 and shows it through Windows-1252.

#include <optional>
#include <string>
#include <string_view>

namespace banktool {

// The empty text when every character survives; otherwise what is wrong,
// for example "U+1F600 (😀), which Windows-1252 cannot hold", "bytes
// that are not UTF-8 at byte 4", a control character or a text longer
// than the program reads.
std::string TextProblem(std::string_view utf8);

// The first piece of a text that looks like HTML left as it was written,
// a reference ("&eacute;", "&#233;") or a tag ("<b>", "</p>", "<br/>");
// empty when there is none.
std::string_view LeftoverHtml(std::string_view text);

// A valid UTF-8 text whose characters Windows-1252 cannot all hold, made
// one it can: a space of any width, and U+FFFD where a conversion lost a
// space ("a\uFFFD4:1 balun"), become a space; any other character becomes
// what Windows stores for it, "?". `first` names the first character
// replaced, "U+2009 ( ) at character 12 stored as a space".
struct StoodIn {
    std::string text;
    std::string first;
};
std::optional<StoodIn> WithStandIns(std::string_view utf8);

} // namespace banktool

#pragma once
// Whether text stored in a bank reaches the program as written: the
// program reads UTF-8 and shows it through Windows-1252.

#include <string>
#include <string_view>

namespace banktool {

// The empty text when every character survives; otherwise what is wrong,
// for example "U+1F600 (😀), which Windows-1252 cannot hold", "bytes
// that are not UTF-8 at byte 4", a control character or a text longer
// than the program reads.
std::string TextProblem(std::string_view utf8);

} // namespace banktool

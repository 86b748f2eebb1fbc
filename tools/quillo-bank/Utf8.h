#pragma once
// UTF-8, the encoding every text of a bank is stored in, read one
// character at a time and strictly: a byte that is not UTF-8 is found, not
// replaced (afx/CodePage.h writes it, and reads leniently).

#include <string>
#include <string_view>

namespace banktool {

// Decodes the character at `at`; its length, or 0 when the bytes there are
// not UTF-8 (overlong forms and surrogates included).
int DecodeUtf8(std::string_view text, size_t at, char32_t& code);

} // namespace banktool

#pragma once
// UTF-8, the encoding every text of a bank is stored in, one character at
// a time.

#include <string>
#include <string_view>

namespace banktool {

// Decodes the character at `at`; its length, or 0 when the bytes there are
// not UTF-8 (overlong forms and surrogates included).
int DecodeUtf8(std::string_view text, size_t at, char32_t& code);

// Appends one Unicode scalar value.
void AppendUtf8(std::string& text, char32_t code);

} // namespace banktool

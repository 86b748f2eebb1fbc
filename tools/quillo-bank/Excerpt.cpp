#include "Excerpt.h"

#include "Utf8.h"

#include <cstdio>

namespace banktool {
namespace {

// Characters a terminal acts on rather than shows, and those that turn
// the direction of the text around it.
bool IsInvisibleControl(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || (code >= 0x202A && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069) || code == 0x200E || code == 0x200F;
}

} // namespace

std::string Excerpt(std::string_view text, size_t most)
{
    std::string quoted;
    size_t characters = 0;
    for (size_t at = 0; at < text.size(); ++characters) {
        if (characters == most)
            return quoted + "\xE2\x80\xA6";
        char32_t code = 0;
        const int length = DecodeUtf8(text, at, code);
        char escaped[16];
        if (length == 0)
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(text[at]));
        else if (code == '\n')
            std::snprintf(escaped, sizeof escaped, "\\n");
        else if (IsInvisibleControl(code))
            std::snprintf(escaped, sizeof escaped, code < 0x100 ? "\\x%02x" : "\\u%04x", static_cast<unsigned>(code));
        else
            escaped[0] = 0;
        if (escaped[0] != 0)
            quoted += escaped;
        else
            quoted.append(text.substr(at, static_cast<size_t>(length)));
        at += length == 0 ? 1 : static_cast<size_t>(length);
    }
    return quoted;
}

} // namespace banktool

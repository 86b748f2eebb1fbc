#include "Utf8.h"

namespace banktool {

int DecodeUtf8(std::string_view text, size_t at, char32_t& code)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || at + static_cast<size_t>(length) > text.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<size_t>(i)]);
        if ((next >> 6) != 2)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace banktool

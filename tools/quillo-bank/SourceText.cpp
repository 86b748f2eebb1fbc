#include "SourceText.h"

#include "Utf8.h"

#include "afx/CodePage.h"

#include <algorithm>
#include <cstdint>

namespace banktool {
namespace {

struct Encoding {
    std::string_view byteOrderMark;
    std::string_view name;
    int unitBytes;
    bool bigEndian;
};

// UTF-32's little-endian mark begins with UTF-16's, so it is looked for
// first.
constexpr Encoding kMarked[] = {
    {std::string_view("\xFF\xFE\0\0", 4), "UTF-32", 4, false},
    {std::string_view("\0\0\xFE\xFF", 4), "UTF-32", 4, true},
    {"\xFF\xFE", "UTF-16", 2, false},
    {"\xFE\xFF", "UTF-16", 2, true},
};

int LineAt(std::string_view text, size_t at)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

uint32_t Unit(std::string_view bytes, size_t at, const Encoding& encoding)
{
    uint32_t unit = 0;
    for (int i = 0; i < encoding.unitBytes; ++i) {
        const int index = encoding.bigEndian ? i : encoding.unitBytes - 1 - i;
        unit = (unit << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(index)]);
    }
    return unit;
}

std::optional<Finding> Decoded(std::string& text, const Encoding& encoding)
{
    const std::string_view bytes = std::string_view(text).substr(encoding.byteOrderMark.size());
    const auto unitBytes = static_cast<size_t>(encoding.unitBytes);
    std::string utf8;
    utf8.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size(); at += unitBytes) {
        std::optional<char32_t> code;
        if (at + unitBytes <= bytes.size()) {
            const uint32_t unit = Unit(bytes, at, encoding);
            // A UTF-16 unit is never past U+FFFF; a surrogate is a scalar
            // value in UTF-16 only as the first of a pair.
            if (unit <= 0x10FFFF && (unit < 0xD800 || unit > 0xDFFF))
                code = unit;
            else if (encoding.unitBytes == 2 && unit < 0xDC00 && at + 4 <= bytes.size()) {
                const uint32_t low = Unit(bytes, at + 2, encoding);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    code = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    at += 2;
                }
            }
        }
        if (!code)
            return Finding{LineAt(utf8, utf8.size()), "the file begins as " + std::string(encoding.name) +
                                                          " but is broken here: save it again as UTF-8"};
        afx::AppendUtf8(utf8, *code);
    }
    text = std::move(utf8);
    return std::nullopt;
}

// Where the text stops being UTF-8, or npos. Most of a file is ASCII,
// passed eight bytes at a time.
size_t FirstNonUtf8(std::string_view text)
{
    size_t at = 0;
    while (at < text.size()) {
        uint64_t word = 0;
        if (at + 8 <= text.size() &&
            (std::copy_n(text.data() + at, 8, reinterpret_cast<char*>(&word)), (word & 0x8080808080808080u) == 0)) {
            at += 8;
            continue;
        }
        char32_t code = 0;
        const int length = DecodeUtf8(text, at, code);
        if (length == 0)
            return at;
        at += static_cast<size_t>(length);
    }
    return std::string_view::npos;
}

// Text in UTF-16 or UTF-32 that lost its mark is mostly zero bytes
// between letters, which UTF-8 would take as characters.
bool LooksLikeWideText(std::string_view text)
{
    const std::string_view start = text.substr(0, 4096);
    return static_cast<size_t>(std::count(start.begin(), start.end(), '\0')) * 4 >= start.size() && !start.empty();
}

void WithLfLineEnds(std::string& text)
{
    if (text.find('\r') == std::string::npos)
        return;
    size_t kept = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r') {
            text[kept++] = '\n';
            if (at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
        } else {
            text[kept++] = text[at];
        }
    }
    text.resize(kept);
}

} // namespace

std::optional<Finding> MakeReadable(std::string& text)
{
    for (const Encoding& encoding : kMarked)
        if (text.compare(0, encoding.byteOrderMark.size(), encoding.byteOrderMark) == 0) {
            if (std::optional<Finding> broken = Decoded(text, encoding))
                return broken;
            break;
        }
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    if (LooksLikeWideText(text))
        return Finding{1, "the file looks like UTF-16 without a byte order mark: save it as UTF-8"};
    // Other bytes that are not UTF-8 are most likely the Windows code page
    // of Western Europe, in which most such files were saved.
    if (const size_t bad = FirstNonUtf8(text); bad != std::string::npos)
        return Finding{LineAt(text, bad), "this line is not UTF-8; the file looks like Windows-1252: save it as UTF-8"};
    WithLfLineEnds(text);
    return std::nullopt;
}

} // namespace banktool

#include "CodePage.h"

#include <cstring>

namespace afx {
namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves
// unassigned map to the C1 controls of the same value, as Windows does.
// Eight bytes a row, as code page tables are printed.
// clang-format off
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

constexpr char16_t kReplacement = 0xFFFD;

char16_t AnsiToUnit(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

char UnitToAnsi(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == code)
            return static_cast<char>(0x80 + i);
    return kDefaultChar;
}

size_t MeasureBytes(const char* text, int length)
{
    return length < 0 ? std::strlen(text) : static_cast<size_t>(length);
}

size_t MeasureUnits(const char16_t* text, int length)
{
    if (length >= 0)
        return static_cast<size_t>(length);
    size_t n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

void AppendUtf16(std::u16string& out, char32_t code)
{
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

// Decodes one UTF-8 sequence at text[i]; a malformed or truncated sequence
// yields the replacement character and consumes one byte.
char32_t DecodeUtf8(const unsigned char* text, size_t size, size_t& i)
{
    const unsigned char lead = text[i];
    int extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + static_cast<size_t>(extra) >= size) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = text[i + static_cast<size_t>(k)];
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<size_t>(extra) + 1;
    return code;
}

// Reads one code point from UTF-16; a lone surrogate is the replacement
// character.
char32_t DecodeUtf16(const char16_t* text, size_t size, size_t& i)
{
    const char16_t unit = text[i++];
    if (unit >= 0xD800 && unit <= 0xDBFF && i < size && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
        return 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i++] - 0xDC00);
    if (unit >= 0xD800 && unit <= 0xDFFF)
        return kReplacement;
    return unit;
}

} // namespace

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::u16string MultiByteToWideChar(unsigned codePage, const char* text, int length)
{
    std::u16string out;
    if (text == nullptr)
        return out;
    const size_t size = MeasureBytes(text, length);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    out.reserve(size);
    if (codePage == CP_UTF8) {
        for (size_t i = 0; i < size;)
            AppendUtf16(out, DecodeUtf8(bytes, size, i));
    } else {
        for (size_t i = 0; i < size; ++i)
            out += AnsiToUnit(bytes[i]);
    }
    return out;
}

std::string WideCharToMultiByte(unsigned codePage, const char16_t* text, int length)
{
    std::string out;
    if (text == nullptr)
        return out;
    const size_t size = MeasureUnits(text, length);
    out.reserve(size);
    for (size_t i = 0; i < size;) {
        const char32_t code = DecodeUtf16(text, size, i);
        if (codePage == CP_UTF8)
            AppendUtf8(out, code);
        else
            out += UnitToAnsi(code);
    }
    return out;
}

} // namespace afx

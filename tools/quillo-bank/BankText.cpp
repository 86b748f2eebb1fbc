#include "BankText.h"

#include "Excerpt.h"
#include "Utf8.h"

#include "bank/BankLimits.h"

#include "afx/CodePage.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace banktool {
namespace {

bool FitsAnsi(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return true;
    if (code > 0xFFFF)
        return false;
    const auto unit = static_cast<char16_t>(code);
    const std::string ansi = afx::WideCharToMultiByte(afx::CP_ACP, &unit, 1);
    return ansi != std::string(1, afx::kDefaultChar) || code == afx::kDefaultChar;
}

// Tab and line feed are all the program shows of the control characters;
// a carriage return is taken only before a line feed.
std::string ControlProblem(std::string_view utf8)
{
    for (size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte >= 0x20 || byte == '\t' || byte == '\n')
            continue;
        if (byte == '\r' && at + 1 < utf8.size() && utf8[at + 1] == '\n')
            continue;
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(byte));
        return "the control character " + std::string(name) + " at byte " + std::to_string(at + 1) +
               ", which the program would not show as written";
    }
    return std::string();
}

bool IsSpace(char32_t code)
{
    return code == 0x1680 || (code >= 0x2000 && code <= 0x200A) || code == 0x202F || code == 0x205F || code == 0x3000 ||
           code == 0xFFFD;
}

} // namespace

std::string_view LeftoverHtml(std::string_view text)
{
    const auto isAlnum = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; };
    for (size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if (ch != '&' && ch != '<')
            continue;
        const char closing = ch == '&' ? ';' : '>';
        size_t end = at + 1;
        if (ch == '&' && end < text.size() && text[end] == '#')
            ++end;
        if (ch == '<' && end < text.size() && text[end] == '/')
            ++end;
        const size_t nameStart = end;
        while (end < text.size() && end - at <= 32 && isAlnum(text[end]))
            ++end;
        if (end == nameStart || (ch == '<' && !std::isalpha(static_cast<unsigned char>(text[nameStart]))))
            continue;
        // A tag may carry attributes, up to its '>' on the same line.
        if (ch == '<')
            while (end < text.size() && end - at <= 200 && text[end] != '>' && text[end] != '<' && text[end] != '\n')
                ++end;
        if (end < text.size() && text[end] == closing)
            return text.substr(at, end + 1 - at);
    }
    return std::string_view();
}

std::optional<StoodIn> WithStandIns(std::string_view utf8)
{
    std::optional<StoodIn> made;
    size_t copied = 0;
    size_t character = 0;
    for (size_t at = 0; at < utf8.size(); ++character) {
        char32_t code = 0;
        const int length = DecodeUtf8(utf8, at, code);
        if (length == 0)
            return std::nullopt;
        if (!FitsAnsi(code)) {
            if (!made)
                made.emplace();
            made->text.append(utf8.substr(copied, at - copied));
            const bool space = IsSpace(code);
            made->text += space ? ' ' : afx::kDefaultChar;
            if (made->first.empty()) {
                char name[16];
                std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
                made->first = std::string(name) + " (" + Excerpt(utf8.substr(at, static_cast<size_t>(length))) +
                              ") at character " + std::to_string(character + 1) + " stored as " +
                              (space ? "a space" : "\"?\"");
            }
            copied = at + static_cast<size_t>(length);
        }
        at += static_cast<size_t>(length);
    }
    if (made)
        made->text.append(utf8.substr(copied));
    return made;
}

std::string TextProblem(std::string_view utf8)
{
    if (utf8.size() > static_cast<size_t>(litex::kMaxCellBytes))
        return std::to_string(utf8.size()) + " bytes, more than the " + std::to_string(litex::kMaxCellBytes) +
               " the program reads of one text";
    if (std::string problem = ControlProblem(utf8); !problem.empty())
        return problem;
    // Most text is plain ASCII, which every code page holds: eight bytes
    // at a time are passed while none has its top bit set.
    size_t at = 0;
    for (uint64_t word; at + 8 <= utf8.size(); at += 8) {
        std::memcpy(&word, utf8.data() + at, 8);
        if (word & 0x8080808080808080u)
            break;
    }
    while (at < utf8.size() && static_cast<unsigned char>(utf8[at]) < 0x80)
        ++at;
    while (at < utf8.size()) {
        char32_t code = 0;
        const int length = DecodeUtf8(utf8, at, code);
        if (length == 0)
            return "bytes that are not UTF-8 at byte " + std::to_string(at + 1);
        if (!FitsAnsi(code)) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
            return std::string(name) + " (" + Excerpt(utf8.substr(at, static_cast<size_t>(length))) +
                   "), which Windows-1252 cannot hold";
        }
        at += static_cast<size_t>(length);
    }
    return std::string();
}

} // namespace banktool

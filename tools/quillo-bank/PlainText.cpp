#include "PlainText.h"

#include "afx/CodePage.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace banktool {

bool AppendReference(std::string& text, std::string_view name)
{
    static const std::pair<std::string_view, uint32_t> kNamed[] = {
        {"amp", '&'},      {"lt", '<'},       {"gt", '>'},        {"quot", '"'},     {"apos", '\''},
        {"nbsp", ' '},     {"ndash", 0x2013}, {"mdash", 0x2014},  {"lsquo", 0x2018}, {"rsquo", 0x2019},
        {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"hellip", 0x2026}, {"deg", 0xB0},     {"micro", 0xB5},
        {"Omega", 0x3A9},  {"times", 0xD7},   {"plusmn", 0xB1},
    };
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 7)
            return false;
        uint32_t code = 0;
        for (const char ch : digits) {
            if (!(hex ? std::isxdigit(static_cast<unsigned char>(ch)) : std::isdigit(static_cast<unsigned char>(ch))))
                return false;
            code = code * (hex ? 16 : 10) + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(ch))
                                                                      ? ch - '0'
                                                                      : std::tolower(ch) - 'a' + 10);
        }
        const bool valid = code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        afx::AppendUtf8(text, valid ? code : 0xFFFD);
        return true;
    }
    for (const auto& [known, code] : kNamed)
        if (name == known) {
            afx::AppendUtf8(text, code);
            return true;
        }
    return false;
}

namespace {

std::string LowerTagName(std::string_view tag)
{
    size_t start = tag.size() > 1 && tag[1] == '/' ? 2 : 1;
    size_t end = start;
    while (end < tag.size() && std::isalnum(static_cast<unsigned char>(tag[end])))
        ++end;
    std::string name(tag.substr(start, end - start));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return name;
}

bool BreaksLine(const std::string& name)
{
    for (const char* breaking : {"br", "p", "div", "li", "tr", "h1", "h2", "h3", "h4", "h5", "h6"})
        if (name == breaking)
            return true;
    return false;
}

} // namespace

std::string PlainFromHtml(std::string_view html)
{
    std::string plain;
    bool space = false;
    auto breakLine = [&plain, &space] {
        while (!plain.empty() && plain.back() == ' ')
            plain.pop_back();
        if (!plain.empty() && plain.back() != '\n')
            plain += '\n';
        space = false;
    };
    for (size_t i = 0; i < html.size(); ++i) {
        const char ch = html[i];
        if (ch == '<') {
            const size_t end = html.find('>', i);
            if (end == std::string_view::npos)
                break;
            if (BreaksLine(LowerTagName(html.substr(i, end - i))))
                breakLine();
            i = end;
        } else if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
            space = !plain.empty() && plain.back() != '\n';
        } else {
            if (space)
                plain += ' ';
            space = false;
            const size_t semicolon = ch == '&' ? html.find(';', i) : std::string_view::npos;
            if (semicolon != std::string_view::npos && semicolon - i <= 10 &&
                AppendReference(plain, html.substr(i + 1, semicolon - i - 1)))
                i = semicolon;
            else
                plain += ch;
        }
    }
    while (!plain.empty() && (plain.back() == '\n' || plain.back() == ' '))
        plain.pop_back();
    return plain;
}

std::string FirstImageName(std::string_view html)
{
    for (size_t at = 0; (at = html.find('<', at)) != std::string_view::npos; ++at) {
        const size_t end = html.find('>', at);
        if (end == std::string_view::npos)
            break;
        const std::string_view tag = html.substr(at, end - at);
        const size_t src = tag.find("src=");
        if (LowerTagName(tag) != "img" || src == std::string_view::npos || src + 5 > tag.size())
            continue;
        const char quote = tag[src + 4];
        const size_t close = tag.find(quote, src + 5);
        if ((quote != '"' && quote != '\'') || close == std::string_view::npos)
            continue;
        const std::string_view url = tag.substr(src + 5, close - src - 5);
        return std::string(url.substr(url.find_last_of('/') + 1));
    }
    return std::string();
}

} // namespace banktool

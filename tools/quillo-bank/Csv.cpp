#include "Csv.h"

#include <algorithm>
#include <cstring>

namespace banktool {
namespace {

// Where the unquoted field starting at at ends: at the next comma or line
// break. Fields are long and plain, so memchr finds their ends.
size_t PlainFieldEnd(const std::string& text, size_t at)
{
    const char* from = text.data() + at;
    const size_t rest = text.size() - at;
    const auto* comma = static_cast<const char*>(std::memchr(from, ',', rest));
    const size_t scan = comma ? static_cast<size_t>(comma - from) : rest;
    const auto* newline = static_cast<const char*>(std::memchr(from, '\n', scan));
    return at + (newline ? static_cast<size_t>(newline - from) : scan);
}

} // namespace

CsvTable::CsvTable(std::string text) : m_text(std::move(text))
{
    size_t at = m_text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int line = 1;
    size_t width = 0;
    while (at < m_text.size()) {
        CsvRecord record{line, {}};
        record.fields.reserve(width);
        for (;;) {
            std::string_view field;
            if (m_text[at] == '"') {
                const int opened = line;
                ++at;
                field = QuotedField(at, line);
                if (at == std::string::npos) {
                    m_problems.push_back({opened, "a quoted field is never closed"});
                    return;
                }
            } else {
                const size_t end = PlainFieldEnd(m_text, at);
                // A CR belongs to the line break only right before the LF.
                const bool crlf = end > at && end < m_text.size() && m_text[end - 1] == '\r';
                field = std::string_view(m_text).substr(at, end - at - (crlf ? 1 : 0));
                at = end;
            }
            record.fields.push_back(field);
            if (at < m_text.size() && m_text[at] == ',') {
                ++at;
                if (at < m_text.size())
                    continue;
                record.fields.emplace_back();
            }
            break;
        }
        if (at < m_text.size() && m_text[at] == '\r')
            ++at;
        if (at < m_text.size() && m_text[at] == '\n') {
            ++at;
            ++line;
        }
        width = std::max(width, record.fields.size());
        const bool blank = record.fields.size() == 1 && record.fields[0].empty();
        if (!blank)
            m_records.push_back(std::move(record));
    }
}

// at is just past the opening quote; leaves it past the closing one, or at
// npos when the text ends first.
std::string_view CsvTable::QuotedField(size_t& at, int& line)
{
    const size_t start = at;
    std::string* unescaped = nullptr;
    for (;;) {
        const size_t quote = m_text.find('"', at);
        if (quote == std::string::npos) {
            at = std::string::npos;
            return std::string_view();
        }
        line += static_cast<int>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(at),
                                            m_text.begin() + static_cast<std::ptrdiff_t>(quote), '\n'));
        const bool doubled = quote + 1 < m_text.size() && m_text[quote + 1] == '"';
        if (doubled && unescaped == nullptr)
            unescaped = &m_unescaped.emplace_back(m_text, start, quote - start);
        else if (unescaped)
            unescaped->append(m_text, at, quote - at);
        if (!doubled) {
            at = quote + 1;
            if (at < m_text.size() && m_text[at] != ',' && m_text[at] != '\n' && m_text[at] != '\r') {
                m_problems.push_back({line, "text follows the closing quote of a field"});
                at = PlainFieldEnd(m_text, at);
            }
            return unescaped ? std::string_view(*unescaped) : std::string_view(m_text).substr(start, quote - start);
        }
        *unescaped += '"';
        at = quote + 2;
    }
}

std::string CsvField(std::string_view value)
{
    const bool plain = std::none_of(value.begin(), value.end(),
                                    [](char ch) { return ch == ',' || ch == '"' || ch == '\r' || ch == '\n'; });
    if (plain && (value.empty() || (value.front() != ' ' && value.back() != ' ')))
        return std::string(value);
    std::string quoted = "\"";
    for (const char ch : value) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

} // namespace banktool

#include "XmlReader.h"

#include "Excerpt.h"

#include "afx/CodePage.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace banktool {

namespace {

bool IsNameChar(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == ':' ||
           ch == '-' || ch == '.' || static_cast<unsigned char>(ch) >= 0x80;
}

bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

} // namespace

int XmlReader::Line()
{
    // The reader only moves forward: lines are counted once, as it goes.
    const size_t upTo = std::min(m_at, m_text.size());
    m_line += static_cast<int>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(m_lineCountedTo),
                                          m_text.begin() + static_cast<std::ptrdiff_t>(upTo), '\n'));
    m_lineCountedTo = upTo;
    return m_line;
}

XmlReader::Token XmlReader::Fail(std::string what)
{
    if (m_error.empty())
        m_error = std::move(what);
    return Token::kError;
}

bool XmlReader::Skip(std::string_view end)
{
    const size_t found = m_text.find(end, m_at);
    if (found == std::string_view::npos)
        return false;
    m_at = found + end.size();
    return true;
}

std::string_view XmlReader::NameAt()
{
    const size_t start = m_at;
    while (m_at < m_text.size() && IsNameChar(m_text[m_at]))
        ++m_at;
    return m_text.substr(start, m_at - start);
}

namespace {

// XML's own references: its five names and numbers. Any other name is left
// as written, for the HTML a Moodle text holds to decode.
bool AppendXmlReference(std::string& text, std::string_view name)
{
    static const std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
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
    for (const auto& [known, ch] : kNamed)
        if (name == known) {
            text += ch;
            return true;
        }
    return false;
}

} // namespace

void XmlReader::AppendDecoded(std::string_view raw, std::string& out)
{
    for (size_t at = 0; at < raw.size();) {
        const size_t amp = raw.find('&', at);
        out.append(raw.substr(at, amp == std::string_view::npos ? amp : amp - at));
        if (amp == std::string_view::npos)
            return;
        const size_t semicolon = raw.find(';', amp);
        if (semicolon != std::string_view::npos && semicolon - amp <= 10 &&
            AppendXmlReference(out, raw.substr(amp + 1, semicolon - amp - 1))) {
            at = semicolon + 1;
        } else {
            out += '&';
            at = amp + 1;
        }
    }
}

std::string XmlReader::Attribute(std::string_view name) const
{
    std::string value;
    for (const auto& [key, raw] : m_attributes)
        if (key == name) {
            AppendDecoded(raw, value);
            break;
        }
    return value;
}

XmlReader::Token XmlReader::StartTag()
{
    m_name = NameAt();
    if (m_name.empty())
        return Fail("a tag without a name");
    m_attributes.clear();
    for (;;) {
        while (m_at < m_text.size() && IsSpace(m_text[m_at]))
            ++m_at;
        if (m_at >= m_text.size())
            return Fail("the file ends inside the tag <" + Excerpt(m_name) + ">");
        if (m_text[m_at] == '>' || m_text.compare(m_at, 2, "/>") == 0)
            break;
        const std::string_view key = NameAt();
        while (m_at < m_text.size() && IsSpace(m_text[m_at]))
            ++m_at;
        if (key.empty() || m_at + 1 >= m_text.size() || m_text[m_at] != '=')
            return Fail("an attribute of <" + Excerpt(m_name) + "> is not name=\"value\"");
        ++m_at;
        while (m_at < m_text.size() && IsSpace(m_text[m_at]))
            ++m_at;
        const char quote = m_at < m_text.size() ? m_text[m_at] : '\0';
        const size_t close = quote == '"' || quote == '\'' ? m_text.find(quote, m_at + 1) : std::string_view::npos;
        if (close == std::string_view::npos)
            return Fail("an attribute of <" + Excerpt(m_name) + "> has no closing quote");
        m_attributes.emplace_back(key, m_text.substr(m_at + 1, close - m_at - 1));
        m_at = close + 1;
    }
    m_emptyElement = m_text[m_at] == '/';
    m_at += m_emptyElement ? 2 : 1;
    if (m_open.empty() && m_rootSeen)
        return Fail("a second root element <" + Excerpt(m_name) + ">");
    m_rootSeen = true;
    m_open.push_back(m_name);
    return Token::kStart;
}

XmlReader::Token XmlReader::EndTag()
{
    const std::string_view name = NameAt();
    while (m_at < m_text.size() && IsSpace(m_text[m_at]))
        ++m_at;
    if (m_at >= m_text.size() || m_text[m_at] != '>')
        return Fail("the end tag </" + Excerpt(name) + "> is not closed");
    ++m_at;
    if (m_open.empty() || m_open.back() != name)
        return Fail("</" + Excerpt(name) + "> closes " +
                    (m_open.empty() ? std::string("nothing") : "<" + Excerpt(m_open.back()) + ">"));
    m_name = name;
    m_open.pop_back();
    return Token::kEnd;
}

// Comments, processing instructions and a plain DOCTYPE are passed over.
XmlReader::Token XmlReader::Markup()
{
    for (;;) {
        if (m_text.compare(m_at, 4, "<!--") == 0) {
            if (!Skip("-->"))
                return Fail("a comment is never closed");
        } else if (m_text.compare(m_at, 2, "<?") == 0) {
            if (!Skip("?>"))
                return Fail("a processing instruction is never closed");
        } else if (m_text.compare(m_at, 9, "<![CDATA[") == 0) {
            const size_t end = m_text.find("]]>", m_at + 9);
            if (end == std::string_view::npos)
                return Fail("a CDATA section is never closed");
            m_rawText = m_text.substr(m_at + 9, end - m_at - 9);
            m_cdata = true;
            m_at = end + 3;
            return Token::kText;
        } else if (m_text.compare(m_at, 9, "<!DOCTYPE") == 0) {
            const size_t close = m_text.find('>', m_at);
            if (close == std::string_view::npos ||
                m_text.substr(m_at, close - m_at).find('[') != std::string_view::npos)
                return Fail("a DOCTYPE with declarations, which is not read");
            m_at = close + 1;
        } else if (m_text.compare(m_at, 2, "</") == 0) {
            m_at += 2;
            return EndTag();
        } else {
            ++m_at;
            return StartTag();
        }
        if (m_at >= m_text.size() || m_text[m_at] != '<')
            return Next();
    }
}

XmlReader::Token XmlReader::Next()
{
    if (!m_error.empty())
        return Token::kError;
    if (m_emptyElement) {
        m_emptyElement = false;
        m_open.pop_back();
        return Token::kEnd;
    }
    if (m_at >= m_text.size()) {
        if (!m_open.empty())
            return Fail("the file ends inside <" + Excerpt(m_open.back()) + ">");
        return m_rootSeen ? Token::kDocumentEnd : Fail("no element in the file");
    }
    if (m_text[m_at] == '<')
        return Markup();
    const size_t next = std::min(m_text.find('<', m_at), m_text.size());
    m_rawText = m_text.substr(m_at, next - m_at);
    m_cdata = false;
    m_at = next;
    if (m_open.empty() && !std::all_of(m_rawText.begin(), m_rawText.end(), IsSpace))
        return Fail("text outside the root element");
    return Token::kText;
}

bool XmlReader::ReadNextStartElement()
{
    for (;;) {
        switch (Next()) {
        case Token::kStart:
            return true;
        case Token::kText:
            continue;
        default:
            return false;
        }
    }
}

std::string_view XmlReader::ReadElementText(std::string& made)
{
    made.clear();
    std::string_view whole;
    int pieces = 0;
    for (size_t depth = 1; depth > 0;) {
        switch (Next()) {
        case Token::kStart:
            ++depth;
            break;
        case Token::kEnd:
            --depth;
            break;
        case Token::kText:
            if (++pieces == 1 && (m_cdata || m_rawText.find('&') == std::string_view::npos))
                whole = m_rawText;
            else if (pieces == 2 && !whole.empty())
                made.assign(whole);
            if (pieces > 1 || whole.data() != m_rawText.data()) {
                if (m_cdata)
                    made.append(m_rawText);
                else
                    AppendDecoded(m_rawText, made);
            }
            break;
        default:
            depth = 0;
            break;
        }
    }
    return pieces == 1 && whole.data() != nullptr ? whole : std::string_view(made);
}

void XmlReader::SkipCurrentElement()
{
    for (size_t depth = 1; depth > 0;) {
        const Token token = Next();
        if (token == Token::kStart)
            ++depth;
        else if (token == Token::kEnd)
            --depth;
        else if (token != Token::kText)
            return;
    }
}

} // namespace banktool

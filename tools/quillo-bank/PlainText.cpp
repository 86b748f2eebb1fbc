#include "PlainText.h"

#include <gumbo.h>

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace banktool {

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

bool BreaksLine(GumboTag tag)
{
    for (const GumboTag breaking : {GUMBO_TAG_BR, GUMBO_TAG_P, GUMBO_TAG_DIV, GUMBO_TAG_LI, GUMBO_TAG_TR, GUMBO_TAG_H1,
                                    GUMBO_TAG_H2, GUMBO_TAG_H3, GUMBO_TAG_H4, GUMBO_TAG_H5, GUMBO_TAG_H6})
        if (tag == breaking)
            return true;
    return false;
}

// Text as a browser lays it out: runs of white space one space, a line
// break kept only where a block ends, a no-break space a space.
class PlainWriter {
public:
    void Text(std::string_view text)
    {
        for (size_t i = 0; i < text.size(); ++i) {
            const char ch = text[i];
            const bool noBreakSpace = ch == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0';
            if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f' || noBreakSpace) {
                m_space = !m_plain.empty() && m_plain.back() != '\n';
                i += noBreakSpace ? 1 : 0;
                continue;
            }
            if (m_space)
                m_plain += ' ';
            m_space = false;
            m_plain += ch;
        }
    }

    void BreakLine()
    {
        while (!m_plain.empty() && m_plain.back() == ' ')
            m_plain.pop_back();
        if (!m_plain.empty() && m_plain.back() != '\n')
            m_plain += '\n';
        m_space = false;
    }

    std::string Done()
    {
        while (!m_plain.empty() && (m_plain.back() == '\n' || m_plain.back() == ' '))
            m_plain.pop_back();
        return std::move(m_plain);
    }

private:
    std::string m_plain;
    bool m_space = false;
};

} // namespace

// Gumbo parses as a browser does, every HTML5 character reference
// included. The tree is walked without recursion: a file may nest
// elements deeper than the stack would hold.
std::string PlainFromHtml(std::string_view html)
{
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    GumboOutput* output = gumbo_parse_with_options(&options, html.data(), html.size());
    PlainWriter plain;
    // A node, and whether its children have been walked.
    std::vector<std::pair<const GumboNode*, bool>> pending{{output->root, false}};
    while (!pending.empty()) {
        const auto [node, walked] = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
            plain.Text(node->v.text.text);
            continue;
        }
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE)
            continue;
        const GumboTag tag = node->v.element.tag;
        if (tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE)
            continue;
        if (BreaksLine(tag))
            plain.BreakLine();
        if (walked)
            continue;
        pending.emplace_back(node, true);
        const GumboVector& children = node->v.element.children;
        for (unsigned i = children.length; i > 0; --i)
            pending.emplace_back(static_cast<const GumboNode*>(children.data[i - 1]), false);
    }
    gumbo_destroy_output(&options, output);
    return plain.Done();
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

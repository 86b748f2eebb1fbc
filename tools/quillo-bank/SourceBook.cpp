#include "SourceFormats.h"

#include <algorithm>
#include <cctype>

namespace banktool {

std::vector<TextLine> LinesOf(std::string_view text)
{
    std::vector<TextLine> lines;
    int number = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back({++number, line});
        start = end + 1;
    }
    return lines;
}

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view TrimmedSpace(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return lower;
}

std::string Explanation(std::string_view general, const std::array<std::string_view, 4>& answerFeedback)
{
    std::string explanation(TrimmedSpace(general));
    // A blank line after the question's own feedback, a line an answer.
    const char* separator = explanation.empty() ? "" : "\n\n";
    for (size_t i = 0; i < answerFeedback.size(); ++i) {
        const std::string_view feedback = TrimmedSpace(answerFeedback[i]);
        if (feedback.empty())
            continue;
        explanation.append(separator).append(1, static_cast<char>('A' + i)).append(": ").append(feedback);
        separator = "\n";
    }
    return explanation;
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<std::string_view> AnswerText(std::string_view line, char letter)
{
    if (line.size() < 2 || line[0] != letter || (line[1] != '.' && line[1] != ')'))
        return std::nullopt;
    return Trimmed(line.substr(2));
}

} // namespace banktool

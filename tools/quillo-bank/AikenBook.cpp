#include "SourceFormats.h"

#include <cctype>

namespace banktool {

namespace {

// "ANSWER: B", in any case, with or without the space.
std::optional<std::string_view> AnswerLine(std::string_view line)
{
    constexpr std::string_view kAnswer = "answer:";
    if (line.size() < kAnswer.size())
        return std::nullopt;
    for (size_t i = 0; i < kAnswer.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) != kAnswer[i])
            return std::nullopt;
    return Trimmed(line.substr(kAnswer.size()));
}

size_t NextNonBlank(const std::vector<TextLine>& lines, size_t at)
{
    while (at < lines.size() && IsBlank(lines[at].text))
        ++at;
    return at;
}

} // namespace

// A question is its first line, joined with any more before "A."; the
// options run A, B, C, ... and "ANSWER:" ends it. Once the options have
// begun, a blank line not followed by "ANSWER:" ends it too: one without its
// answer line is damaged and left out, and the next is read from there
// rather than merged into it. Aiken has no ids: the number is the
// question's place in the file, the damaged ones counted, so that the
// numbers stay where they were. A question with other than four options
// is one the program cannot ask, and is left out.
void ReadAikenBook(SourceBook& book)
{
    const std::vector<TextLine> lines = LinesOf(book.text);
    int place = 0;
    size_t at = 0;
    while (at < lines.size()) {
        if (IsBlank(lines[at].text)) {
            ++at;
            continue;
        }
        const int start = lines[at].number;
        std::string_view wording;
        std::vector<std::string_view> options;
        std::optional<std::string_view> answer;
        for (; at < lines.size() && !answer; ++at) {
            const std::string_view line = Trimmed(lines[at].text);
            if (IsBlank(line)) {
                const size_t next = NextNonBlank(lines, at);
                if (!options.empty() && (next == lines.size() || !AnswerLine(Trimmed(lines[next].text))))
                    break;
                at = next - 1;
                continue;
            }
            if ((answer = AnswerLine(line)))
                continue;
            if (const auto option = AnswerText(line, static_cast<char>('A' + options.size())))
                options.push_back(*option);
            else if (options.empty())
                wording = wording.empty() ? line : book.Keep(std::string(wording) + " " + std::string(line));
            else
                options.back() = book.Keep(std::string(options.back()) + " " + std::string(line));
        }
        ++place;
        if (!answer) {
            book.Damaged(start, "the question has no \"ANSWER:\" line");
            continue;
        }
        if (options.size() != 4) {
            book.Warn(start, "left out: a question with " + std::to_string(options.size()) +
                                 " options; the program asks four-answer questions only");
            continue;
        }
        Question question;
        question[kNumber] = book.Keep(std::to_string(place));
        question[kCorrect] = *answer;
        question[kQuestion] = wording;
        for (size_t option = 0; option < 4; ++option)
            question[kA + option] = options[option];
        book.Add(start, question);
    }
}

} // namespace banktool

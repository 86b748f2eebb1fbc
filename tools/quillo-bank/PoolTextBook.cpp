#include "Excerpt.h"
#include "SourceFormats.h"

#include <algorithm>
#include <cctype>

namespace banktool {

namespace {

bool HasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char ch) { return std::isdigit(ch); });
}

bool EndsQuestion(std::string_view line)
{
    return IsBlank(line) || Trimmed(line).substr(0, 2) == "~~";
}

} // namespace

// The id holds a digit, so that a heading such as "Note (A)" is not taken
// for a question; the correct letter is checked with every other format's.
std::optional<PoolHeading> PoolHeadingOf(std::string_view line)
{
    line = Trimmed(line);
    const size_t space = line.find_first_of(" \t");
    if (space == std::string_view::npos)
        return std::nullopt;
    PoolHeading heading;
    heading.id = line.substr(0, space);
    std::string_view rest = Trimmed(line.substr(space));
    if (!HasDigit(heading.id) || rest.size() < 3 || rest[0] != '(' || rest[2] != ')' || !std::isalpha(rest[1]))
        return std::nullopt;
    heading.correct = rest.substr(1, 1);
    rest = Trimmed(rest.substr(3));
    if (!rest.empty()) {
        if (rest.front() != '[' || rest.back() != ']')
            return std::nullopt;
        heading.references = Trimmed(rest.substr(1, rest.size() - 2));
    }
    return heading;
}

// Lines between questions (the pool's title, subelement and group
// headings, "~~~end of question pool text~~~") are passed over. A question
// or an answer wrapped over lines is joined with spaces.
void ReadPoolTextBook(SourceBook& book)
{
    const std::vector<TextLine> lines = LinesOf(book.text);
    size_t at = 0;
    while (at < lines.size()) {
        const std::optional<PoolHeading> heading = PoolHeadingOf(lines[at].text);
        if (!heading) {
            ++at;
            continue;
        }
        const int start = lines[at++].number;
        Question question;
        question[kNumber] = heading->id;
        question[kCorrect] = heading->correct;
        question[kNote] = heading->references;
        // parts[0] is the question, 1 to 4 the answers A to D; a part on one
        // line stays in the text, a wrapped one is joined into a new text.
        std::string_view parts[5];
        int part = 0;
        for (; at < lines.size() && !EndsQuestion(lines[at].text) && !PoolHeadingOf(lines[at].text); ++at) {
            const std::string_view line = Trimmed(lines[at].text);
            const auto answer = part < 4 ? AnswerText(line, static_cast<char>('A' + part)) : std::nullopt;
            if (answer)
                parts[++part] = *answer;
            else
                parts[part] =
                    parts[part].empty() ? line : book.Keep(std::string(parts[part]) + " " + std::string(line));
        }
        if (part < 4) {
            book.Damaged(start, "question " + Excerpt(heading->id) + " has no answer " + static_cast<char>('A' + part) +
                                    ": A. to D. must follow the question");
            continue;
        }
        question[kQuestion] = parts[0];
        for (int answer = 0; answer < 4; ++answer)
            question[static_cast<size_t>(kA + answer)] = parts[answer + 1];
        book.Add(start, question);
    }
}

} // namespace banktool

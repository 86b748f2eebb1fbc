#include "PlainText.h"
#include "SourceFormats.h"

#include <algorithm>

namespace banktool {

namespace {

struct GiftChunk {
    int line = 0;
    std::string_view text;
    std::string_view category;
};

// Where a special character stands unescaped from `from`, or npos. The
// specials are compared in line: this runs over every character of a pool.
size_t FindUnescaped(std::string_view text, std::string_view special, size_t from = 0)
{
    for (size_t i = from; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\\') {
            ++i;
            continue;
        }
        for (const char wanted : special)
            if (ch == wanted)
                return i;
    }
    return std::string_view::npos;
}

// Escapes undone, "\n" made a line break, and the file's own line breaks
// made spaces, as GIFT's wrapped lines are one paragraph. A text with
// none of these is used where it stands.
std::string_view Unescaped(std::string_view text, SourceBook& book)
{
    text = TrimmedSpace(text);
    if (text.find('\\') == std::string_view::npos && text.find('\n') == std::string_view::npos)
        return text;
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            if (next == 'n')
                plain += '\n';
            else if (std::string_view("~=#{}:\\").find(next) != std::string_view::npos)
                plain += next;
            else
                plain.append({'\\', next});
        } else {
            plain += text[i] == '\n' ? ' ' : text[i];
        }
    }
    return book.Keep(std::string(Trimmed(plain)));
}

// "$course$/top/Extra/E1A" is section "E1A".
std::string_view SectionOf(std::string_view category)
{
    category = Trimmed(category);
    return category.substr(category.rfind('/') + 1);
}

// Questions are separated by blank lines, as Moodle reads them: an answer
// block left open ends with its question rather than swallowing the rest
// of the file. "//" lines are comments; "$CATEGORY:" names the section of
// what follows. A question is its stretch of the text, unless a comment
// cuts into it.
std::vector<GiftChunk> Chunks(SourceBook& book)
{
    std::vector<GiftChunk> chunks;
    std::vector<std::string_view> lines;
    GiftChunk current;
    bool commented = false;
    auto finish = [&] {
        if (lines.empty())
            return;
        if (!commented) {
            current.text =
                std::string_view(lines.front().data(),
                                 static_cast<size_t>(lines.back().data() + lines.back().size() - lines.front().data()));
        } else {
            std::string joined;
            for (const std::string_view line : lines)
                joined.append(line).push_back('\n');
            current.text = book.Keep(std::move(joined));
        }
        chunks.push_back(current);
        lines.clear();
        commented = false;
    };
    std::string_view category;
    for (const TextLine& line : LinesOf(book.text)) {
        const std::string_view trimmed = Trimmed(line.text);
        if (trimmed.empty()) {
            finish();
            continue;
        }
        if (trimmed.substr(0, 2) == "//") {
            commented = !lines.empty();
            continue;
        }
        if (lines.empty() && trimmed.substr(0, 10) == "$CATEGORY:") {
            category = SectionOf(trimmed.substr(10));
            continue;
        }
        if (lines.empty()) {
            current.line = line.number;
            current.category = category;
        }
        lines.push_back(line.text);
    }
    finish();
    return chunks;
}

struct GiftAnswer {
    bool right;
    std::string_view text;
    std::string_view feedback;
};

// Where the question's own feedback, "####...", starts in an answer block;
// npos without it.
size_t GeneralFeedbackAt(std::string_view block)
{
    for (size_t at = FindUnescaped(block, "#"); at != std::string_view::npos; at = FindUnescaped(block, "#", at + 1))
        if (block.substr(at, 4) == "####")
            return at;
    return std::string_view::npos;
}

// "=right ~wrong ~%50%partly #feedback": a weight of 100 % counts as right
// and any other weight is dropped.
std::vector<GiftAnswer> Answers(std::string_view block, SourceBook& book)
{
    std::vector<GiftAnswer> answers;
    size_t at = FindUnescaped(block, "=~");
    while (at != std::string_view::npos) {
        const size_t next = FindUnescaped(block, "=~", at + 1);
        std::string_view text = block.substr(at + 1, next == std::string_view::npos ? next : next - at - 1);
        const size_t hash = FindUnescaped(text, "#");
        const std::string_view feedback =
            hash == std::string_view::npos ? std::string_view() : Unescaped(text.substr(hash + 1), book);
        text = text.substr(0, hash);
        bool right = block[at] == '=';
        text = Trimmed(text);
        if (text.size() > 2 && text[0] == '%') {
            const size_t close = text.find('%', 1);
            if (close != std::string_view::npos) {
                right = right || text.substr(1, close - 1) == "100";
                text = text.substr(close + 1);
            }
        }
        answers.push_back({right, Unescaped(text, book), feedback});
        at = next;
    }
    return answers;
}

// What kind a question other than multiple choice is, for the warning.
std::string OtherKind(std::string_view block, const std::vector<GiftAnswer>& answers)
{
    std::string lower(Trimmed(block.substr(0, FindUnescaped(block, "#", 1))));
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return std::tolower(ch); });
    if (lower.empty())
        return "an essay question";
    if (lower[0] == '#')
        return "a numerical question";
    if (lower == "t" || lower == "f" || lower == "true" || lower == "false")
        return "a true/false question";
    for (const GiftAnswer& answer : answers)
        if (answer.text.find("->") != std::string_view::npos)
            return "a matching question";
    if (std::all_of(answers.begin(), answers.end(), [](const GiftAnswer& a) { return a.right; }))
        return "a short-answer question";
    const auto right = std::count_if(answers.begin(), answers.end(), [](const GiftAnswer& a) { return a.right; });
    if (right != 1)
        return "a question with " + std::to_string(right) + " right answers";
    if (answers.size() != 4)
        return "a question with " + std::to_string(answers.size()) + " answers";
    return std::string();
}

// Where a "::title::" ends: the first "::" no backslash escapes
// ("::Ratio 1\:2\:::" is the title "Ratio 1:2:").
size_t TitleEnd(std::string_view text)
{
    for (size_t at = 2; (at = FindUnescaped(text, ":", at)) != std::string_view::npos; ++at)
        if (at + 1 < text.size() && text[at + 1] == ':')
            return at;
    return std::string_view::npos;
}

// Drops the format marker that may open the wording; whether it was
// "[html]".
bool TakeFormatMarker(std::string_view& wording)
{
    for (const std::string_view marker : {"[html]", "[plain]", "[moodle]", "[markdown]"})
        if (wording.substr(0, marker.size()) == marker) {
            wording = Trimmed(wording.substr(marker.size()));
            return marker == "[html]";
        }
    return false;
}

class GiftReader {
public:
    explicit GiftReader(SourceBook& book) : m_book(book) {}

    void Read()
    {
        for (const GiftChunk& chunk : Chunks(m_book))
            ReadQuestion(chunk);
    }

private:
    void ReadQuestion(const GiftChunk& chunk)
    {
        ++m_place;
        std::string_view text = Trimmed(chunk.text);
        std::string_view title;
        if (text.substr(0, 2) == "::") {
            const size_t end = TitleEnd(text);
            if (end == std::string_view::npos)
                return m_book.Damaged(chunk.line, "the title has no closing \"::\"");
            title = Unescaped(text.substr(2, end - 2), m_book);
            text = text.substr(end + 2);
        }
        const size_t open = FindUnescaped(text, "{");
        const size_t close = open == std::string_view::npos ? open : FindUnescaped(text, "}", open);
        if (open == std::string_view::npos)
            return m_book.Warn(chunk.line, "left out: a description, which asks nothing");
        if (close == std::string_view::npos)
            return m_book.Damaged(chunk.line, "the answers' \"{\" is never closed before the blank line that ends "
                                              "the question");
        std::string_view block = text.substr(open + 1, close - open - 1);
        const size_t general = GeneralFeedbackAt(block);
        const std::string_view generalFeedback =
            general == std::string_view::npos ? std::string_view() : Unescaped(block.substr(general + 4), m_book);
        block = block.substr(0, general);
        std::string_view before = Trimmed(text.substr(0, open));
        const bool html = TakeFormatMarker(before);
        const std::vector<GiftAnswer> answers = Answers(block, m_book);
        if (const std::string kind = OtherKind(block, answers); !kind.empty())
            return m_book.Warn(chunk.line, "left out: " + kind + "; the program asks four-answer questions only");
        Question question;
        question[kNumber] = title.empty() ? m_book.Keep(std::to_string(m_place)) : title;
        question[kQuestion] = Wording(before, text.substr(close + 1), html);
        std::array<std::string_view, 4> feedback;
        for (size_t i = 0; i < 4; ++i) {
            question[kA + i] = Plain(answers[i].text, html);
            feedback[i] = Plain(answers[i].feedback, html);
            if (answers[i].right)
                question[kCorrect] = std::string_view("ABCD").substr(i, 1);
        }
        if (std::string explanation = Explanation(Plain(generalFeedback, html), feedback); !explanation.empty())
            question[kExplanation] = m_book.Keep(std::move(explanation));
        question[kSection] = chunk.category;
        m_book.Add(chunk.line, question);
    }

    // A "[html]" question is made plain, its answers and feedback too, as
    // Moodle gives them the question's format; text after the answers
    // makes the question a gap to fill.
    std::string_view Wording(std::string_view before, std::string_view after, bool html)
    {
        std::string_view wording = Unescaped(before, m_book);
        if (!IsBlank(after))
            wording = m_book.Keep(std::string(wording) + " _____ " + std::string(Unescaped(after, m_book)));
        return Plain(wording, html);
    }

    std::string_view Plain(std::string_view text, bool html)
    {
        return html && !text.empty() ? m_book.Keep(PlainFromHtml(text)) : text;
    }

    SourceBook& m_book;
    int m_place = 0;
};

} // namespace

void ReadGiftBook(SourceBook& book)
{
    GiftReader(book).Read();
}

} // namespace banktool

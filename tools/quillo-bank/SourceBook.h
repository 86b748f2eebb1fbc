#pragma once
// One book's questions as a reader took them from its file, in whatever
// format the file is, before the checks every format shares.

#include "Csv.h"

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace banktool {

// kExplanation is kept beside the book's table, in EXPLANATION, not in it.
enum Column { kNumber, kCorrect, kQuestion, kA, kB, kC, kD, kDiagram, kSection, kNote, kExplanation, kColumnCount };

// Fields point into the book's text or into the texts a reader made.
using Question = std::array<std::string_view, kColumnCount>;

struct Finding {
    int line;
    std::string what;
};

struct SourceBook {
    std::string path;
    std::string text;
    // A CSV book's fields point into its table, which holds the text.
    std::unique_ptr<CsvTable> csv;
    std::vector<Question> questions;
    std::vector<int> lines; // where each question starts, from 1
    std::vector<Finding> problems;
    // Questions a fault in the file made unreadable (an answer block never
    // closed, no answer line), each left out without taking any other with
    // it; the import stops on them unless told to take the rest.
    std::vector<Finding> damaged;
    // What is left out without stopping the import: a column of no use, a
    // kind of question the program cannot ask.
    std::vector<Finding> warnings;

    // Texts a reader rewrote (unescaped, joined, made plain) stay here; a
    // deque keeps them where they are as it grows.
    std::string_view Keep(std::string made) { return m_made.emplace_back(std::move(made)); }
    void Add(int line, const Question& question)
    {
        questions.push_back(question);
        lines.push_back(line);
    }
    void Problem(int line, std::string what) { problems.push_back({line, std::move(what)}); }
    void Warn(int line, std::string what) { warnings.push_back({line, std::move(what)}); }
    void Damaged(int line, std::string what) { damaged.push_back({line, std::move(what)}); }

private:
    std::deque<std::string> m_made;
};

// The lines of a text with their numbers, a line break being LF or CRLF.
struct TextLine {
    int number;
    std::string_view text;
};
std::vector<TextLine> LinesOf(std::string_view text);

// Without the spaces and tabs around it.
std::string_view Trimmed(std::string_view text);
// Without any white space around it, line breaks too.
std::string_view TrimmedSpace(std::string_view text);
bool IsBlank(std::string_view text);
std::string Lower(std::string_view text);

// What a learner reads after answering: a question's own feedback, then
// what each answer's feedback says of that answer ("B: ..."); empty when
// the file gives none.
std::string Explanation(std::string_view general, const std::array<std::string_view, 4>& answerFeedback);

} // namespace banktool

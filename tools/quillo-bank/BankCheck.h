#pragma once
// Looks through a question bank for everything the program would stumble
// on, book by book and question by question.

#include <string>
#include <vector>

namespace banktool {

struct BookCounts {
    std::string title;
    int questions = 0;
    int figures = 0;
};

struct CheckSummary {
    int books = 0;
    int questions = 0;
    int figures = 0;
    std::vector<BookCounts> perBook;
};

// One line a problem: book, question number and what is wrong. Diagram
// files are looked for beside the bank, as the program started in the
// bank's folder looks for them; a question whose wording names a figure
// ("figure T-1") and that has no diagram cannot be answered, and is named.
std::vector<std::string> CheckBank(const std::string& bankPath, CheckSummary& summary);

} // namespace banktool

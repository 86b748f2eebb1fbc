#pragma once
// Makes a question bank from CSV files, one a book, in the shape the
// program reads: BOOKNAMES, NUMBER_OF_QUESTIONS and a thirteen-column
// table BOOK1, BOOK2, ... per book.

#include <string>
#include <vector>

namespace banktool {

struct BookSource {
    std::string title;
    std::string csvPath;
};

struct ImportRequest {
    std::string bankPath;
    std::vector<BookSource> books;
    std::vector<std::string> counts{"25"};
    std::string diagramFolder = "figures";
    bool force = false;
};

// The columns a book's CSV may have, in the order export writes them.
// Other quiz tools' names are taken too: id for number, correct_letter
// for correct, figure or image for diagram, refs or reference for note.
constexpr int kCsvColumnCount = 10;
extern const char* const kCsvColumns[kCsvColumnCount];

// Every problem found, each "FILE:LINE: what"; the bank is written, whole,
// only when there are none. An existing bank is replaced only with force.
// What is left out but does not stop the import (a column of no use to the
// program) goes to warnings, when given.
std::vector<std::string> ImportBank(const ImportRequest& request, std::vector<std::string>* warnings = nullptr);

} // namespace banktool

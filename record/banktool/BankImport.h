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
extern const char* const kCsvColumns[9];

// Every problem found, each "FILE:LINE: what"; the bank is written, whole,
// only when there are none. An existing bank is replaced only with force.
std::vector<std::string> ImportBank(const ImportRequest& request);

} // namespace banktool

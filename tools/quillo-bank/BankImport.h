#pragma once
// Makes a question bank from files of questions, one a book, in the shape
// the program reads: BOOKNAMES, NUMBER_OF_QUESTIONS and a thirteen-column
// table BOOK1, BOOK2, ... per book. A file may be our CSV, another quiz
// tool's CSV, a published pool's text, Aiken, GIFT or Moodle XML.

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
    // One of kFormatNames for every book; empty: each file's own.
    std::string format;
    // The practice exam every book offers: questions, pass mark in percent,
    // minutes (0: no limit), and "section" or "random"; empty: none stored.
    std::vector<std::string> exam;
};

// The columns a book's CSV may have, in the order export writes them.
// Other quiz tools' names are taken too: id for number, correct_letter
// for correct, figure or image for diagram, refs or reference for note.
constexpr int kCsvColumnCount = 10;
extern const char* const kCsvColumns[kCsvColumnCount];

// Every problem found, each "FILE:LINE: what"; the bank is written, whole,
// only when there are none. An existing bank is replaced only with force;
// what that changes (questions added, withdrawn, reworded, given another
// answer) goes to changes, when given, and each book keeps its table.
// What is left out but does not stop the import (a column of no use to the
// program, a kind of question it cannot ask) goes to warnings, when given.
std::vector<std::string> ImportBank(const ImportRequest& request, std::vector<std::string>* warnings = nullptr,
                                    std::vector<std::string>* changes = nullptr);

} // namespace banktool

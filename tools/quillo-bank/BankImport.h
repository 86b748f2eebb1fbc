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
    // Empty: the bank in place's counts when a book is added, else 25.
    std::vector<std::string> counts;
    // Taken from the bank's folder when relative, as the program takes it.
    std::string diagramFolder = "figures";
    bool force = false;
    // One of kFormats' names for every book; empty: each file's own.
    std::string format;
    // The practice exam every book offers: questions, pass mark in percent,
    // minutes (0: no limit), and "section" or "random"; empty: none stored.
    std::vector<std::string> exam;
    // Adds the books to the bank in place, or replaces those of the same
    // title, and leaves the others, their tables and exams as they are.
    bool add = false;
    // A character Windows-1252 cannot hold refuses the book, rather than
    // being stored as a stand-in with a warning.
    bool strict = false;
    // A --force import keeps a stored practice exam unless told not to.
    bool keepExam = true;
    // Damaged questions (a block never closed, no answer line) are left
    // out with a warning and the rest imported, rather than stopping it.
    bool partial = false;
    // The diagram folder was named by the user, so it must be there.
    bool diagramFolderGiven = false;
};

// The columns a book's CSV may have, in the order export writes them.
// Other quiz tools' names are taken too: id for number, correct_letter
// for correct, figure or image for diagram, refs or reference for note,
// feedback for explanation. A question with no explanation of its own is
// explained by its note, which a pool's references fill.
constexpr int kCsvColumnCount = 11;
extern const char* const kCsvColumns[kCsvColumnCount];

// Every problem found, each "FILE:LINE: what", quoting at most a short,
// escaped excerpt of a file; the bank is written, whole, only when there
// are none, and only when the program could read all of it. An existing bank is replaced only with force
// or add; what that changes (questions added, withdrawn, reworded, given
// another answer, the stored exam kept or not) goes to changes, when
// given, and each book keeps its table. What is left out but does not stop
// the import (a column of no use to the program, a kind of question it
// cannot ask, a character stored as a stand-in) goes to warnings, and one
// line a book written ("Technician: 411 questions, 12 figures, 35
// sections") to summaries, when given.
std::vector<std::string> ImportBank(const ImportRequest& request, std::vector<std::string>* warnings = nullptr,
                                    std::vector<std::string>* changes = nullptr,
                                    std::vector<std::string>* summaries = nullptr);

} // namespace banktool

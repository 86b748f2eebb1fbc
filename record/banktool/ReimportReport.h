#pragma once
// What a newer pool changes in the bank it is about to replace, so that
// the user sees it before the old bank is gone, and the table each book
// is written to, so that test records keep their keys (table and number)
// for the questions that stayed.

#include "SourceBook.h"

#include <string>
#include <vector>

namespace banktool {

struct NewBook {
    std::string title;
    const std::vector<Question>* questions;
};

struct Reimport {
    // The table for each new book, in order: the old one of a book of the
    // same title, else the first BOOKn no other book has.
    std::vector<std::string> tables;
    // One line a book and kind of change, with the question numbers.
    std::vector<std::string> changes;
};

// A bank that cannot be read counts as empty; what stopped the reading is
// the one change reported.
Reimport CompareWithBank(const std::string& bankPath, const std::vector<NewBook>& books);

} // namespace banktool

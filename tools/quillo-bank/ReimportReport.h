#pragma once
// What a newer pool changes in the bank it is about to replace, so that
// the user sees it before the old bank is gone, and the table each book
// is written to, so that test records keep their keys (table and number)
// for the questions that stayed.

#include "BankWriter.h"

#include <string>
#include <vector>

namespace banktool {

// Gives each book its table: the old one of a book of the same title, else
// the first BOOKn no other book has. Returns one line a book and kind of
// change, with the question numbers. A bank that cannot be read counts as
// empty; what stopped the reading is the one change reported.
std::vector<std::string> CompareWithBank(const std::string& bankPath, std::vector<BookToWrite>& books);

} // namespace banktool

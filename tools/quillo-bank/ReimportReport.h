#pragma once
// What a newer pool changes in the bank it is about to replace, so that
// the user sees it before the old bank is gone, and the table each book
// is written to, so that test records keep their keys (table and number)
// for the questions that stayed.

#include "BankWriter.h"

#include <string>
#include <vector>

namespace banktool {

// What of the bank in place outlives the books read from files.
struct KeptFromBank {
    // The books not read again stay as they are, rather than go.
    bool otherBooks = false;
    // A stored practice exam stays for each book that stays, unless the
    // request gives a new one.
    bool exam = true;
    bool newExam = false;
};

// Gives each book its table: the old one of a book of the same title, else
// the first BOOKn no other book has; adds the books kept as they are, in
// the bank's order. Returns one line a book and kind of change, with the
// question numbers, and what became of a stored practice exam. A bank that
// cannot be read counts as empty; what stopped the reading is the one
// change reported.
std::vector<std::string> CompareWithBank(const std::string& bankPath, std::vector<BookToWrite>& books,
                                         const KeptFromBank& keep = KeptFromBank());

} // namespace banktool

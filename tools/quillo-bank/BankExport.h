#pragma once
// Writes a question bank out as the CSV files import reads, one a book,
// with the import command that makes the same bank again from them.

#include <string>

namespace banktool {

// Writes BOOK1.csv, ... and import.sh into folder (made if missing).
// Returns the empty text or what went wrong.
std::string ExportBank(const std::string& bankPath, const std::string& folder, std::string& importCommand);

} // namespace banktool

#pragma once
// Opens a question bank the one way the program opens banks: read-only, as
// a file name and never as a URI, defensive, with the limits for untrusted
// databases. A bank its writer left half-written (a hot journal) is rolled
// back first, as SQLite itself would; a bank in WAL mode on media where
// nothing may be written is read as it stands.

#include "afx/CString.h"

#include <string>

namespace litex {

class SQLiteDatabase;

// nativePath is the name as the file system spells it; the empty name
// opens an empty temporary database, as SQLite does. Returns the empty text
// when the bank is open; otherwise the user's message, naming the bank at
// "%1". A bank that is not a database at all still opens here: its first
// query reports it.
std::string OpenQuestionBank(SQLiteDatabase& database, const CString& nativePath);

// Whether a bank the user picked while the program runs can replace the
// one open: it opens, and holds the book list and the test sizes the
// readers start from. Returns the empty text, or the message naming the
// bank at "%1".
std::string CheckQuestionBank(const CString& nativePath);

// Whether the file begins as every SQLite database does: a question bank,
// not a test record, whatever its name.
bool IsDatabaseFile(const CString& nativePath);

} // namespace litex

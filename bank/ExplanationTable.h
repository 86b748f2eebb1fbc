#pragma once
// A bank may explain its questions in a table of its own, EXPLANATION
// (TableName, Number, Explanation), read one question at a time when the
// user asks. Like the practice exam table it is optional: the book readers
// never look at it, and a bank without it, or with one this reader cannot
// read, explains nothing.

#include "afx/CString.h"

#include <optional>

namespace litex {

class SQLiteDatabase;

constexpr const char* kExplanationTable = "EXPLANATION";

// The question's explanation; nothing when the bank has none for it.
std::optional<CString> ReadExplanation(SQLiteDatabase& database, const CString& table, const CString& number);

} // namespace litex

#pragma once
// A test record as JSON, for people and scripts: settings under their member
// names, each outcome set a sorted array of keys, texts in UTF-8; where the
// record has them, "m_history", each key's answers ({"time": seconds since
// 1970, "answer": "A" to "D" or "?", "right": true or false}, oldest
// first), and "m_examScores", every practice exam's score, oldest first.

#include <string>

class COptions;

// Adds per-book counts of each set under "books"; a key's book is the text
// before its first '.'.
std::string RecordToJson(const COptions& record);

// Fills a reset record from JSON. Settings left out keep their reset value;
// "books" is ignored. A set is an array of keys or an object of keys and
// values. Anything the record could not keep as given (an unknown name, a
// character outside Windows-1252) is refused. Returns an empty text on
// success, otherwise what is wrong.
std::string RecordFromJson(const std::string& json, COptions& record);

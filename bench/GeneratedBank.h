#pragma once

#include <string>

// Writes a question bank of one book, BOOK1, holding the given number of
// questions numbered 1.. with wording and answers of realistic length.
// Throws std::runtime_error when the file cannot be written.
void GenerateBank(const std::string& path, int questions);

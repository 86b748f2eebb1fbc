#pragma once
// The interface works in the ANSI code page, SQLite in UTF-8: every SQL text
// and path goes through AnsiToUtf8, every text read back through Utf8ToAnsi.

#include <string>

namespace litex {

std::u16string MultiByteToWideString(const char* text, int length, unsigned codePage);
std::string WideStringToMultiByte(const char16_t* text, int length, unsigned codePage);

std::string AnsiToUtf8(const char* text);
std::string Utf8ToAnsi(const char* text);

} // namespace litex

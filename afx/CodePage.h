#pragma once
// The one converter between the ANSI code page, UTF-8 and UTF-16. The ANSI
// code page is Windows-1252 with Windows' own table, so bytes move between
// platforms unchanged; a character it cannot hold becomes the default
// character, never a best-fit look-alike.

#include <string>

namespace afx {

constexpr unsigned CP_ACP = 0;
constexpr unsigned CP_1252 = 1252;
constexpr unsigned CP_UTF8 = 65001;
constexpr char kDefaultChar = '?';

// length -1: the text ends at its terminator, which is never converted.
// A null text converts to the empty string. Any code page other than UTF-8
// is read as the ANSI code page.
std::u16string MultiByteToWideChar(unsigned codePage, const char* text, int length);
std::string WideCharToMultiByte(unsigned codePage, const char16_t* text, int length);

// One code point, which the caller has checked, appended as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

} // namespace afx

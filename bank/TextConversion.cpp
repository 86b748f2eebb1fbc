#include "TextConversion.h"

#include "afx/CodePage.h"

namespace litex {

std::u16string MultiByteToWideString(const char* text, int length, unsigned codePage)
{
    return afx::MultiByteToWideChar(codePage, text, length);
}

std::string WideStringToMultiByte(const char16_t* text, int length, unsigned codePage)
{
    return afx::WideCharToMultiByte(codePage, text, length);
}

std::string AnsiToUtf8(const char* text)
{
    const std::u16string wide = MultiByteToWideString(text, -1, afx::CP_ACP);
    return WideStringToMultiByte(wide.c_str(), static_cast<int>(wide.size()), afx::CP_UTF8);
}

std::string Utf8ToAnsi(const char* text)
{
    // Plain ASCII reads the same in both code pages; most bank text is.
    const char* end = text;
    while (*end != 0 && static_cast<unsigned char>(*end) < 0x80)
        ++end;
    if (*end == 0)
        return std::string(text, end);

    const std::u16string wide = MultiByteToWideString(text, -1, afx::CP_UTF8);
    return WideStringToMultiByte(wide.c_str(), static_cast<int>(wide.size()), afx::CP_ACP);
}

} // namespace litex

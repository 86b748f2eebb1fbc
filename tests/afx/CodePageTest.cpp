#include "afx/CodePage.h"

#include <gtest/gtest.h>

using afx::CP_ACP;
using afx::CP_UTF8;

namespace {
std::string AnsiToUtf8(const std::string& ansi)
{
    const auto wide = afx::MultiByteToWideChar(CP_ACP, ansi.data(), static_cast<int>(ansi.size()));
    return afx::WideCharToMultiByte(CP_UTF8, wide.data(), static_cast<int>(wide.size()));
}
std::string Utf8ToAnsi(const std::string& utf8)
{
    const auto wide = afx::MultiByteToWideChar(CP_UTF8, utf8.data(), static_cast<int>(utf8.size()));
    return afx::WideCharToMultiByte(CP_ACP, wide.data(), static_cast<int>(wide.size()));
}
} // namespace

TEST(CodePage, EveryAnsiByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(CodePage, UsesWindowsTableForTheHighControls)
{
    const auto euro = afx::MultiByteToWideChar(CP_ACP, "\x80", -1);
    EXPECT_EQ(euro, std::u16string(1, char16_t(0x20AC)));
    // The five bytes Windows-1252 leaves unassigned map to the C1 controls.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const char text[2] = {static_cast<char>(b), 0};
        EXPECT_EQ(afx::MultiByteToWideChar(CP_ACP, text, -1), std::u16string(1, char16_t(b)));
    }
    EXPECT_EQ(AnsiToUtf8("\xE9\xB0\xB1"), "\xC3\xA9\xC2\xB0\xC2\xB1"); // é ° ±
}

TEST(CodePage, UnrepresentableCharactersBecomeTheDefaultCharacter)
{
    EXPECT_EQ(Utf8ToAnsi("a\xE2\x88\x9A"
                         "b"),
              "a?b");                               // √ has no ANSI byte
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80"), "?"); // one character, one ?
    EXPECT_EQ(Utf8ToAnsi("\xC4\x81"), "?");         // no best-fit 'a'
}

TEST(CodePage, InvalidUtf8NeverCrashesAndIsReplaced)
{
    EXPECT_EQ(Utf8ToAnsi("\xC3"), "?");           // truncated
    EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");      // overlong
    EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???"); // encoded surrogate
    EXPECT_EQ(Utf8ToAnsi("x\xFFy"), "x?y");
    const std::u16string lone(1, char16_t(0xD800));
    EXPECT_EQ(afx::WideCharToMultiByte(CP_UTF8, lone.data(), 1), "\xEF\xBF\xBD");
}

TEST(CodePage, LengthAndTerminatorRules)
{
    EXPECT_TRUE(afx::MultiByteToWideChar(CP_ACP, nullptr, -1).empty());
    EXPECT_TRUE(afx::MultiByteToWideChar(CP_UTF8, "", -1).empty());
    EXPECT_EQ(afx::MultiByteToWideChar(CP_ACP, "abc", 2), u"ab");
    EXPECT_EQ(afx::WideCharToMultiByte(CP_ACP, u"abc", -1), "abc");
}

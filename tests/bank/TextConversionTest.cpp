#include "bank/TextConversion.h"

#include <gtest/gtest.h>

TEST(TextConversion, AnsiAndUtf8MeetThroughUtf16)
{
    EXPECT_EQ(litex::AnsiToUtf8("25 \xB0"
                                "C \xB1 1"),
              "25 \xC2\xB0"
              "C \xC2\xB1 1");
    EXPECT_EQ(litex::Utf8ToAnsi("caf\xC3\xA9"), "caf\xE9");
    EXPECT_EQ(litex::Utf8ToAnsi("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(litex::Utf8ToAnsi("\xCE\xA9"), "?"); // Greek omega is not in the code page
    EXPECT_EQ(litex::Utf8ToAnsi(""), "");
    EXPECT_EQ(litex::WideStringToMultiByte(u"\u00e9", -1, 65001), "\xC3\xA9");
    EXPECT_EQ(litex::MultiByteToWideString("\xE9", -1, 0), u"\u00e9");
}

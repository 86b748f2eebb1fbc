#include "afx/CString.h"

#include <gtest/gtest.h>

TEST(CString, FindsAndCutsLikeTheFramework)
{
    const CString path = "diagrams\\fig1.bmp";
    EXPECT_EQ(path.Find('\\'), 8);
    EXPECT_EQ(path.Find("zz"), -1);
    EXPECT_EQ(path.ReverseFind('.'), 13);
    EXPECT_EQ(path.Left(8), "diagrams");
    EXPECT_EQ(path.Mid(9), "fig1.bmp");
    EXPECT_EQ(path.Mid(9, 4), "fig1");
    EXPECT_EQ(path.Mid(99), "");
    EXPECT_EQ(path.Left(-1), "");
}

TEST(CString, KeepsHighBytesAndFormats)
{
    const CString reset(static_cast<char>(0xFF), 1);
    EXPECT_EQ(reset.GetLength(), 1);
    EXPECT_FALSE(reset.IsEmpty());
    CString text;
    text.Format("SELECT * FROM '%s'", "BOOK1");
    EXPECT_EQ(text, "SELECT * FROM 'BOOK1'");
    EXPECT_LT(CString("100").Compare("20"), 0);
    EXPECT_EQ(CString("Book").CompareNoCase("bOOK"), 0);
}

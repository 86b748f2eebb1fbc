#include "afx/CArchive.h"
#include "afx/CMapStringToString.h"
#include "afx/CStringArray.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(CMapStringToString, ActsAsASetOfKeys)
{
    CMapStringToString map;
    map.SetAt("BOOK1.7", "");
    map.SetAt("BOOK1.7", "");
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_TRUE(map.Contains("BOOK1.7"));
    EXPECT_FALSE(map.Contains("book1.7"));
    EXPECT_FALSE(map.RemoveKey("BOOK2.1"));
    EXPECT_TRUE(map.RemoveKey("BOOK1.7"));
    EXPECT_TRUE(map.IsEmpty());
}

TEST(CMapStringToString, LoadingMergesIntoWhatIsHeld)
{
    CMapStringToString stored;
    stored.SetAt("A.1", "");
    stored.SetAt("A.2", "");
    std::stringstream bytes;
    {
        CArchive out(static_cast<std::ostream&>(bytes));
        stored.Serialize(out);
    }
    EXPECT_EQ(bytes.str(), std::string("\x02\x00\x03"
                                       "A.1\x00\x03"
                                       "A.2\x00",
                                       12));

    CMapStringToString held;
    held.SetAt("A.2", "");
    held.SetAt("B.9", "");
    CArchive in(static_cast<std::istream&>(bytes));
    held.Serialize(in);
    EXPECT_EQ(held.GetCount(), 3);
    EXPECT_TRUE(held.Contains("A.1"));
    EXPECT_TRUE(held.Contains("B.9"));
}

TEST(CStringArray, KeepsInsertionOrder)
{
    CStringArray counts;
    counts.Add("25");
    counts.Add("10");
    ASSERT_EQ(counts.GetSize(), 2);
    EXPECT_EQ(counts[0], "25");
    EXPECT_EQ(counts.GetAt(1), "10");
}

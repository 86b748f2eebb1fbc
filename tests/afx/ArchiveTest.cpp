#include "afx/CArchive.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string StoreText(const CString& text)
{
    std::ostringstream out;
    CArchive archive(out);
    archive << text;
    return out.str();
}

std::string StoreCount(uint32_t count)
{
    std::ostringstream out;
    CArchive archive(out);
    archive.WriteCount(count);
    return out.str();
}

CString LoadText(const std::string& bytes)
{
    std::istringstream in(bytes);
    CArchive archive(in);
    CString text;
    archive >> text;
    return text;
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

} // namespace

TEST(CArchive, StringLengthPrefixesAtEachBoundary)
{
    struct Case {
        int length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Bytes({0x00})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {65535, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
    };
    for (const Case& c : cases) {
        const CString text('x', c.length);
        const std::string stored = StoreText(text);
        EXPECT_EQ(stored.substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(stored.size(), c.prefix.size() + static_cast<size_t>(c.length)) << c.length;
        EXPECT_EQ(LoadText(stored), text) << c.length;
    }
}

TEST(CArchive, CountPrefixesAtTheBoundary)
{
    EXPECT_EQ(StoreCount(65534), Bytes({0xFE, 0xFF}));
    EXPECT_EQ(StoreCount(65535), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    for (uint32_t count : {0u, 1u, 65534u, 65535u, 70000u}) {
        std::istringstream in(StoreCount(count));
        CArchive archive(in);
        EXPECT_EQ(archive.ReadCount(), count);
    }
}

TEST(CArchive, IntegersAreLittleEndianTwosComplement)
{
    std::stringstream bytes;
    {
        CArchive out(static_cast<std::ostream&>(bytes));
        out << int32_t(1) << int32_t(-2);
    }
    EXPECT_EQ(bytes.str(), Bytes({1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    CArchive in(static_cast<std::istream&>(bytes));
    int32_t a = 0;
    int32_t b = 0;
    in >> a >> b;
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, -2);
}

TEST(CArchive, ShortReadIsAnUnexpectedFileFormat)
{
    const std::string cut[] = {
        "",                                                // no prefix at all
        Bytes({0x05, 'B', 'O'}),                           // text shorter than its prefix
        Bytes({0xFF, 0x10}),                               // half a 2-byte length
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), // 2 GB claimed, nothing there
    };
    for (const std::string& bytes : cut) {
        try {
            LoadText(bytes);
            ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
            EXPECT_EQ(e.Message(), "Unexpected file format.");
        }
    }
    std::istringstream in(Bytes({1, 0}));
    CArchive archive(in);
    int32_t value = 0;
    EXPECT_THROW(archive >> value, CArchiveException);
}

TEST(CArchive, WideTextMarkIsNotOurFormat)
{
    try {
        LoadText(Bytes({0xFF, 0xFE, 0xFF, 0x01, 'a', 0}));
        ADD_FAILURE();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.Message(), "Unexpected file format.");
    }
}

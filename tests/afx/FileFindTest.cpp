#include "afx/CFileFind.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {
std::vector<std::string> Found(const std::string& pattern)
{
    afx::CFileFind finder;
    std::vector<std::string> names;
    bool more = finder.FindFile(pattern.c_str());
    while (more) {
        more = finder.FindNextFile();
        names.push_back(finder.GetFileName().Bytes());
    }
    return names;
}
} // namespace

TEST(CFileFind, ListsOrdinaryMatchingFilesWithTheFrameworkCallPattern)
{
    TempFolder folder;
    folder.Write("b.db", "");
    folder.Write("a.db", "");
    folder.Write("notes.txt", "");
    std::filesystem::create_directory(folder.File("dir.db"));

    afx::CFileFind finder;
    ASSERT_TRUE(finder.FindFile((folder.Path() + "/*.db").c_str()));
    std::vector<std::string> names;
    bool more = true;
    while (more) {
        more = finder.FindNextFile();
        names.push_back(finder.GetFileName().Bytes());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a.db", "b.db"}));
    EXPECT_EQ(finder.GetFilePath(), (folder.Path() + "/b.db").c_str());

    EXPECT_FALSE(finder.FindFile((folder.Path() + "/*.nve").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
}

// As Windows finds them: case ignored, hidden files included, names as the
// file system spells them.
TEST(CFileFind, MatchesAsWindowsDoes)
{
    TempFolder folder;
    for (const char* name : {"Z.db", "a.db", "BANK.DB", ".hidden.db", "café.db", "x.dbx"})
        folder.Write(name, "");
    EXPECT_EQ(Found(folder.Path() + "/*.db"),
              (std::vector<std::string>{".hidden.db", "a.db", "BANK.DB", "café.db", "Z.db"}));
}

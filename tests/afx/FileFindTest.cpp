#include "afx/CFileFind.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

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

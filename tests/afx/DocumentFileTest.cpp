#include "afx/DocumentFile.h"

#include "FileSizeLimit.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> Listing(const TempFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t Mode(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}
} // namespace

TEST(ReplaceFileContents, KeepsPermissionsFollowsLinksAndIgnoresPlantedNames)
{
    TempFolder folder;
    folder.Write("r.nve", "old");
    chmod(folder.File("r.nve").c_str(), 0600);
    // Another file where a fixed temporary name would be looked for.
    folder.Write("victim", "precious");
    fs::create_symlink(folder.File("victim"), folder.File("r.nve.saving"));
    fs::create_symlink("r.nve", folder.File("link.nve"));

    EXPECT_EQ(afx::ReplaceFileContents(folder.File("r.nve").c_str(), "new"), afx::FileFault::none);
    EXPECT_EQ(folder.Read("r.nve"), "new");
    EXPECT_EQ(Mode(folder.File("r.nve")), 0600u);
    EXPECT_EQ(folder.Read("victim"), "precious");

    EXPECT_EQ(afx::ReplaceFileContents(folder.File("link.nve").c_str(), "through"), afx::FileFault::none);
    EXPECT_TRUE(fs::is_symlink(folder.File("link.nve")));
    EXPECT_EQ(folder.Read("r.nve"), "through");
    EXPECT_EQ(Listing(folder), (std::vector<std::string>{"link.nve", "r.nve", "r.nve.saving", "victim"}));
}

TEST(ReplaceFileContents, ARefusedOrFailedWriteLeavesTheOldFileAndNoTemporary)
{
    TempFolder folder;
    folder.Write("locked.nve", "keep me");
    chmod(folder.File("locked.nve").c_str(), 0444);
    EXPECT_EQ(afx::ReplaceFileContents(folder.File("locked.nve").c_str(), "x"), afx::FileFault::accessDenied);
    EXPECT_EQ(folder.Read("locked.nve"), "keep me");

    // The disk runs out part way: files may grow to 4 KiB at most.
    folder.Write("big.nve", "previous");
    afx::FileFault fault = afx::FileFault::none;
    {
        FileSizeLimit disk(4096);
        fault = afx::ReplaceFileContents(folder.File("big.nve").c_str(), std::string(100000, 'x'));
    }

    EXPECT_EQ(fault, afx::FileFault::ioError);
    EXPECT_EQ(folder.Read("big.nve"), "previous");
    EXPECT_EQ(Listing(folder), (std::vector<std::string>{"big.nve", "locked.nve"}));
}

TEST(DocumentReader, RefusesWhatIsNotAnOrdinaryFile)
{
    TempFolder folder;
    afx::DocumentReader reader;
    EXPECT_EQ(reader.Open(folder.Path().c_str()), afx::FileFault::accessDenied);
    EXPECT_EQ(reader.Open(folder.File("gone.nve").c_str()), afx::FileFault::notFound);
    ASSERT_EQ(mkfifo(folder.File("pipe.nve").c_str(), 0600), 0);
    EXPECT_EQ(reader.Open(folder.File("pipe.nve").c_str()), afx::FileFault::ioError); // and does not wait
}

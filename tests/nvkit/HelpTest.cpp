#include "NvkitFixture.h"
#include "RunCommand.h"

#include "nvkit/HtmlHelp.h"
#include "nvkit/nvkit.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

using nvkit::HelpFolder;
using nvkit::HelpName;

TEST(HelpNames, FollowTheHelpFileRules)
{
    EXPECT_EQ(HelpFolder("quillo.chm"), "");
    EXPECT_EQ(HelpName("quillo.chm"), "quillo.chm");
    EXPECT_EQ(HelpFolder("help/quillo.chm"), "help");
    EXPECT_EQ(HelpName("help/quillo.chm"), "quillo.chm");
    EXPECT_EQ(HelpFolder("dir/book.chm::/page.htm"), "dir");
    EXPECT_EQ(HelpName("dir/book.chm::/page.htm"), "book.chm::/page.htm");
    EXPECT_EQ(HelpFolder("C:\\docs\\book.chm"), "");
    EXPECT_EQ(HelpName("C:\\docs\\book.chm"), "C:/\\docs\\book.chm");
    EXPECT_EQ(HelpFolder("docs\\book.chm"), "docs");
    EXPECT_EQ(HelpName("docs\\book.chm"), "docs\\book.chm");
}

// The viewer is found once per process, so each case runs in a probe
// process of its own.
class HelpViewer : public testing::Test {
protected:
    HelpViewer()
    {
        std::filesystem::create_directory(folder.File("help"));
        folder.Write("quillo.chm", "");
        folder.Write("help/quillo.chm", "");
        setenv("RECORD_FILE", folder.File("viewer.log").c_str(), 1);
    }
    std::vector<std::string> Probe(const std::string& viewer, const std::string& paths)
    {
        const std::string command = "cd '" + folder.Path() + "' && NVKIT_HELP_VIEWER='" + viewer + "' PATH='" +
                                    folder.Path() + "' '" + NVKIT_PROBE + "' help " + paths;
        std::vector<std::string> results;
        std::istringstream lines(RunCommand(command).output);
        for (std::string line; std::getline(lines, line);)
            results.push_back(line);
        return results;
    }
    // The viewer is not waited for: give its record a moment to appear.
    std::vector<std::string> ViewerLog(size_t expected = 0)
    {
        for (int tries = 0; tries < 300 && Lines(folder.File("viewer.log")).size() < expected; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (expected == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return Lines(folder.File("viewer.log"));
    }

    TempFolder folder;
};

TEST_F(HelpViewer, OpensTheFileInTheRightFolderAndReturnsThere)
{
    const auto results = Probe(RECORD_ARGS, "quillo.chm quillo.chm help/quillo.chm quillo.chm");
    EXPECT_EQ(results, (std::vector<std::string>{"1", "1", "1", "1"}));
    const std::string top = "cwd=" + std::filesystem::canonical(folder.Path()).string();
    const std::string name = std::filesystem::path(RECORD_ARGS).filename().string();
    // Viewers are not waited for, so their records may come in any order.
    std::vector<std::string> log = ViewerLog(12);
    std::vector<std::string> starts;
    for (size_t i = 0; i + 2 < log.size(); i += 3)
        starts.push_back(log[i] + " " + log[i + 1] + " " + log[i + 2]);
    std::sort(starts.begin(), starts.end());
    const std::string there = name + " quillo.chm " + top;
    EXPECT_EQ(starts, (std::vector<std::string>{there, there, there, there + "/help"}));
}

TEST_F(HelpViewer, AMissingViewerFailsEveryCallWithoutAnotherLook)
{
    const auto results = Probe("no-such-viewer", "quillo.chm quillo.chm");
    EXPECT_EQ(results, (std::vector<std::string>{"0", "0"}));
    EXPECT_TRUE(ViewerLog().empty());
}

TEST_F(HelpViewer, AMissingHelpFileOpensNothing)
{
    const auto results = Probe(RECORD_ARGS, "gone.chm help/gone.chm::/page.htm");
    EXPECT_EQ(results, (std::vector<std::string>{"0", "0"}));
    EXPECT_TRUE(ViewerLog().empty());
}

TEST_F(HelpViewer, AnOverlongPathIsRefused)
{
    const auto results = Probe(RECORD_ARGS, std::string(300, 'x'));
    EXPECT_EQ(results, (std::vector<std::string>{"0"}));
    EXPECT_TRUE(ViewerLog().empty());
}

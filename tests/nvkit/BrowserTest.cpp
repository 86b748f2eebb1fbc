#include "NvkitFixture.h"

#include "nvkit/WebBrowser.h"
#include "nvkit/nvkit.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

class Browser : public testing::Test {
protected:
    Browser()
    {
        m_saved = std::getenv("BROWSER") ? std::getenv("BROWSER") : "";
        setenv("RECORD_FILE", folder.File("browser.log").c_str(), 1);
        // Under another name, so argument zero shows which name it was given.
        std::filesystem::copy_file(RECORD_ARGS, folder.File("webviewer"));
    }
    ~Browser() override { setenv("BROWSER", m_saved.c_str(), 1); }

    // The browser is not waited for; its record appears shortly.
    std::vector<std::string> Log(size_t lines)
    {
        for (int tries = 0; tries < 300 && Lines(folder.File("browser.log")).size() < lines; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return Lines(folder.File("browser.log"));
    }

    TempFolder folder;
    RecordingUi ui;
    std::string m_saved;
};

} // namespace

TEST_F(Browser, StartsTheFirstBrowserWithItsNameAndTheUrl)
{
    setenv("BROWSER", (folder.File("webviewer") + ":firefox").c_str(), 1);
    ExecDefaultWebBrowser("https://example.org/page");
    const auto log = Log(3);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "webviewer");
    EXPECT_EQ(log[1], "https://example.org/page");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Browser, TechSupportOpensTheSupportPage)
{
    setenv("BROWSER", folder.File("webviewer").c_str(), 1);
    TechSupportOnTheWeb();
    const auto log = Log(3);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1].substr(log[1].size() - 26), "/support/support_title.htm");
}

TEST_F(Browser, SaysSoWhenNothingCanBeStarted)
{
    setenv("BROWSER", folder.File("missing-browser").c_str(), 1);
    ExecDefaultWebBrowser("https://example.org/");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Unable to find Internet Browser"}));

    // A launcher that finds no browser ends in failure at once.
    folder.Write("no-browser-launcher", "#!/bin/sh\nexit 3\n");
    std::filesystem::permissions(folder.File("no-browser-launcher"), std::filesystem::perms::owner_all);
    setenv("BROWSER", folder.File("no-browser-launcher").c_str(), 1);
    ExecDefaultWebBrowser("https://example.org/");
    EXPECT_EQ(ui.messages.size(), 2u);

    setenv("BROWSER", folder.File("webviewer").c_str(), 1);
    ExecDefaultWebBrowser("--new-window");
    EXPECT_EQ(ui.messages.size(), 3u);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(Lines(folder.File("browser.log")).empty());
}

TEST(BrowserChoice, BrowserVariableElseXdgOpen)
{
    const std::string saved = std::getenv("BROWSER") ? std::getenv("BROWSER") : "";
    unsetenv("BROWSER");
    EXPECT_EQ(nvkit::DefaultBrowser(), "xdg-open");
    setenv("BROWSER", "lynx:w3m", 1);
    EXPECT_EQ(nvkit::DefaultBrowser(), "lynx");
    setenv("BROWSER", saved.c_str(), 1);
}

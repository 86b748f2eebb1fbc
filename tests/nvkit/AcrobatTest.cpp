#include "NvkitFixture.h"
#include "RunCommand.h"

#include "nvkit/nvkit.h"

#include <cstdlib>
#include <filesystem>

namespace {

class Acrobat : public testing::Test {
protected:
    Acrobat() { setenv("NVKIT_REGISTRY", registry.Path().c_str(), 1); }
    ~Acrobat() override { unsetenv("NVKIT_REGISTRY"); }

    void AddKey(const std::string& key)
    {
        std::filesystem::create_directories(registry.File("HKEY_LOCAL_MACHINE/" + key));
    }

    TempFolder registry;
    RecordingUi ui;
};

} // namespace

TEST_F(Acrobat, AnyOfTheReaderKeysIsEnough)
{
    AddKey("Software/Adobe/Acrobat Reader/7.0/InstallPath");
    EXPECT_EQ(TestForAcrobat(0, 0, 0, 0, 0), 1);
    EXPECT_EQ(TestForAcrobat16(1, 2, 3, 4, 5), 1);
    EXPECT_EQ(TestForAcrobat50(0, 0, 0, 0, 0), 1);
    EXPECT_TRUE(ui.captions.empty());
}

TEST_F(Acrobat, NoReaderShowsTheDialogAndReturnsZero)
{
    AddKey("Software/Adobe/Acrobat Reader/8.0/InstallPath");
    std::string button;
    ui.script = [&button](afx::CDialog& dialog) {
        button = static_cast<QAbstractButton*>(dialog.GetDlgItem(afx::IDOK))->text().toStdString();
        static_cast<QAbstractButton*>(dialog.GetDlgItem(afx::IDOK))->click();
        return dialog.result();
    };
    EXPECT_EQ(TestForAcrobat(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(ui.captions, (std::vector<std::string>{"Check for Adobe Reader 5.0"}));
    EXPECT_EQ(button, "  Exit Installation  ");

    ui.script = nullptr; // the close box
    EXPECT_EQ(TestForAcrobat50(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(ui.captions.size(), 2u);
}

// A program that is no Qt application, on a machine with no display: the
// exports that would show something say it on standard error and return
// their failure value; the caller goes on.
TEST(NoDisplay, TheExportsReportOnStandardErrorAndReturn)
{
    TempFolder registry;
    const std::string environment = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM NVKIT_REGISTRY='" +
                                    registry.Path() + "' BROWSER=/nonexistent/browser ";
    const auto run = [&environment](const std::string& arguments) {
        return RunCommand(environment + NVKIT_PROBE + " " + arguments + " 2>&1; echo status=$?").output;
    };
    EXPECT_EQ(run("browser https://example.org/"), "nvkit: Unable to find Internet Browser\nstatus=0\n");
    const std::string acrobat = run("acrobat");
    EXPECT_EQ(acrobat.rfind("nvkit: Welcome to Norvane Pellomar.", 0), 0u) << acrobat;
    EXPECT_NE(acrobat.find("installation notes shown prior to this test for details.\n0\nstatus=0\n"),
              std::string::npos)
        << acrobat;
}

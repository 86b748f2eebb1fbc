#include "NvkitFixture.h"

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

    ui.script = nullptr;  // the close box
    EXPECT_EQ(TestForAcrobat50(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(ui.captions.size(), 2u);
}

// What a start leaves for the desktop: a file type for records and an entry
// that opens them, with the desktop's caches up to date.

#include "AppFixture.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class DesktopEntryTest : public AppTest {};
std::string Contents(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

// Run from its build, the program registers an entry of its own name, which
// cannot shadow the installed one: it runs this program while it exists
// and never moves to the folder a start happened in.
TEST_F(DesktopEntryTest, ABuildRegistersItsOwnEntryThatTheDesktopCanStart)
{
    const std::string data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    const std::string entry = data + "/applications/app_tests-build.desktop";
    std::filesystem::remove(entry);
    // What earlier versions left under the installed entry's name goes.
    const std::string shadowing = data + "/applications/app_tests.desktop";
    std::filesystem::create_directories(data + "/applications");
    std::ofstream(shadowing) << "[Desktop Entry]\nExec=\"/gone/quillo\" %f\nPath=/gone\n"
                                "MimeType=application/x-quillo-document;\n";

    AddBank("only.db");
    ASSERT_TRUE(Start());
    Stop();
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_NE(Contents(entry).find("\nTryExec=" + program + "\nExec=" + program + " %f\n"), std::string::npos)
        << Contents(entry);
    EXPECT_EQ(Contents(entry).find("\nPath="), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(shadowing));
    EXPECT_NE(Contents(entry).find("\nMimeType=application/x-quillo-document;\n"), std::string::npos);
    EXPECT_NE(Contents(data + "/mime/packages/app_tests.xml").find("<glob pattern=\"*.nve\"/>"), std::string::npos);
    // The desktop looks types and entries up in its caches.
    EXPECT_NE(Contents(data + "/mime/globs2").find("application/x-quillo-document:*.nve"), std::string::npos);
    EXPECT_NE(
        Contents(data + "/applications/mimeinfo.cache").find("application/x-quillo-document=app_tests-build.desktop"),
        std::string::npos);
}

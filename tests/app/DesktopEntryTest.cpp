// What a start leaves for the desktop: a file type for records and an entry
// that opens them, with the desktop's caches up to date.

#include "AppFixture.h"

#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
std::string Contents(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST_F(AppTest, TheDesktopEntryStartsWhereABankWasLastOpened)
{
    const std::string data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    const std::string entry = data + "/applications/app_tests.desktop";
    std::filesystem::remove(entry);

    AddBank("only.db");
    ASSERT_TRUE(Start());
    Stop();
    EXPECT_NE(Contents(entry).find("\nPath=" + folder.Path() + "\n"), std::string::npos) << Contents(entry);
    EXPECT_NE(Contents(entry).find("\nMimeType=application/x-quillo-document;\n"), std::string::npos);
    EXPECT_NE(Contents(data + "/mime/packages/app_tests.xml").find("<glob pattern=\"*.nve\"/>"), std::string::npos);
    // The desktop looks types and entries up in its caches.
    EXPECT_NE(Contents(data + "/mime/globs2").find("application/x-quillo-document:*.nve"), std::string::npos);
    EXPECT_NE(Contents(data + "/applications/mimeinfo.cache").find("application/x-quillo-document=app_tests.desktop"),
              std::string::npos);

    // A start that found no bank does not move the entry.
    TempFolder empty;
    WorkingFolder elsewhere(empty.Path());
    EXPECT_FALSE(Start());
    EXPECT_NE(Contents(entry).find("\nPath=" + folder.Path() + "\n"), std::string::npos);
}

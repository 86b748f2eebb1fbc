// Runs the quillo-record program itself, as a user's shell would.

#include "RunCommand.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Result {
    int status;
    std::string output;
};

Result RunTool(const std::string& arguments)
{
    const std::string command = std::string(QUILLO_RECORD) + " " + arguments + " 2>&1";
    const CommandResult run = RunCommand(command);
    return {run.status, run.output};
}

} // namespace

TEST(QuilloRecordTool, BuildThenShow)
{
    TempFolder folder;
    folder.Write("in.json", R"({"m_strTable": "BOOK1", "m_strTitle": "Book 1", "m_strCount": "25",)"
                            R"( "m_answered": ["BOOK1.7"], "m_correct": ["BOOK1.7"]})");
    const Result built = RunTool("build " + folder.File("in.json") + " " + folder.File("out.nve"));
    EXPECT_EQ(built.status, 0) << built.output;
    EXPECT_EQ(folder.Read("out.nve").size(), 73u);

    const Result shown = RunTool("show " + folder.File("out.nve"));
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.output.find("\"m_correct\": [\"BOOK1.7\"]"), std::string::npos);
}

TEST(QuilloRecordTool, DamagedInputGivesOneLineAndStatusOne)
{
    TempFolder folder;
    folder.Write("cut.nve", std::string("\x05"
                                        "BOOK1\x06"
                                        "Bo",
                                        9));
    const Result shown = RunTool("show " + folder.File("cut.nve"));
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.output, "quillo-record: " + folder.File("cut.nve") +
                                ": truncated: the text at byte 6 is 6 bytes long, but the file ends at byte 9\n");
    folder.Write("count.nve",
                 std::string("\0\0\0", 3) + std::string(29, '\0') + std::string("\xFF\xFF\xFF\xFF\xFF\x7F", 6));
    EXPECT_EQ(RunTool("show " + folder.File("count.nve")).output,
              "quillo-record: " + folder.File("count.nve") +
                  ": count too large: the set at byte 32 counts 2147483647 entries, more than the rest of the file "
                  "can hold\n");
    // The program opens an empty record and refuses a folder; so does the tool.
    folder.Write("empty.nve", "");
    EXPECT_EQ(RunTool("show " + folder.File("empty.nve")).status, 0);
    const Result directory = RunTool("show " + folder.Path());
    EXPECT_EQ(directory.status, 1);
    EXPECT_NE(directory.output.find("not a file that can be read"), std::string::npos);

    folder.Write("bad.json", "{\"m_bNew\": true}");
    folder.Write("keep.nve", "previous");
    const Result built = RunTool("build " + folder.File("bad.json") + " " + folder.File("keep.nve"));
    EXPECT_EQ(built.status, 1);
    EXPECT_EQ(built.output, "quillo-record: " + folder.File("bad.json") + ": m_bNew must be a 32-bit integer\n");
    EXPECT_EQ(folder.Read("keep.nve"), "previous");

    EXPECT_EQ(RunTool("show").status, 2);
    const Result help = RunTool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("usage: quillo-record show FILE.nve", 0), 0u);
}

// A question bank is not a record, even where its bytes would read as
// one; a record with something after it reads as the program reads it.
TEST(QuilloRecordTool, WhatIsNotARecordIsRefused)
{
    TempFolder folder;
    folder.Write("bank.nve", std::string("SQLite format 3\0", 16) + std::string(100, '\0'));
    const Result bank = RunTool("show " + folder.File("bank.nve"));
    EXPECT_EQ(bank.status, 1);
    EXPECT_EQ(bank.output, "quillo-record: " + folder.File("bank.nve") + ": a question bank, not a test record\n");
    folder.Write("in.json", R"({"m_strTable": "BOOK1", "m_strTitle": "Book 1", "m_answered": ["BOOK1.7"]})");
    ASSERT_EQ(RunTool("build " + folder.File("in.json") + " " + folder.File("record.nve")).status, 0);
    folder.Write("longer.nve", folder.Read("record.nve") + "trailing");
    const Result longer = RunTool("show " + folder.File("longer.nve"));
    EXPECT_EQ(longer.status, 0);
    EXPECT_NE(longer.output.find("quillo-record: warning: " + folder.File("longer.nve") +
                                 ": bytes after the record's last set are ignored\n"),
              std::string::npos)
        << longer.output;
    EXPECT_NE(longer.output.find("\"m_answered\": [\"BOOK1.7\"]"), std::string::npos) << "the record itself is shown";
}

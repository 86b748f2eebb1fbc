// quillo-bank as its users meet it: CSV in, a bank the program reads out,
// every problem named with its file and line, and nothing written then.

#include "BankRows.h"
#include "RunCommand.h"
#include "TempFolder.h"
#include "TestBank.h"

#include "tools/quillo-bank/BankCheck.h"
#include "tools/quillo-bank/BankExport.h"
#include "tools/quillo-bank/BankImport.h"
#include "tools/quillo-bank/Csv.h"
#include "tools/quillo-bank/SourceFormats.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

const char* const kHeader = "number,correct,question,a,b,c,d\n";

std::vector<std::string> FilesIn(const TempFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(BankCsv, ReadsRfc4180FieldsWithTheirLines)
{
    const banktool::CsvTable table("\xEF\xBB\xBF"
                                   "a,\"b,\"\"c\"\"\r\nd\",\r\n\r\n\"\",x\n");
    ASSERT_TRUE(table.Problems().empty());
    const auto& records = table.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string_view>{"a", "b,\"c\"\r\nd", ""}));
    EXPECT_EQ(records[1].line, 4);
    EXPECT_EQ(records[1].fields, (std::vector<std::string_view>{"", "x"}));
    for (const std::string value : {"plain", "with, comma", "say \"hi\"", "two\nlines", " spaced ", ""})
        EXPECT_EQ(banktool::CsvTable(banktool::CsvField(value) + ",end").Records().at(0).fields.at(0), value);
}

// A header in any order, optional columns, and the bank the program reads.
TEST(BankImport, MakesTheBankTheProgramReads)
{
    TempFolder folder;
    folder.Write("one.csv", "Question,a,b,c,d,correct,number,diagram,section\n"
                            "\"Which, of these?\",x,y,z,w,B,1,fig,Part 1\n"
                            "Café °C,1,2,3,4,D,2,,\n");
    folder.Write("two.csv", kHeader + std::string("7,A,q,a,b,c,d\n"));
    const std::string bank = folder.File("new.db");
    EXPECT_TRUE(banktool::ImportBank({bank,
                                      {{"First", folder.File("one.csv")}, {"Second", folder.File("two.csv")}},
                                      {"25", "35"},
                                      "figures",
                                      false,
                                      "",
                                      {"35", "74", "0", "section"}})
                    .empty());
    EXPECT_EQ(Rows(bank, "SELECT * FROM PRACTICE_EXAM"),
              (std::vector<std::string>{"BOOK1|35|74|0|section|", "BOOK2|35|74|0|section|"}));
    EXPECT_EQ(Rows(bank, "SELECT * FROM BOOKNAMES"), (std::vector<std::string>{"1|BOOK1|First|", "2|BOOK2|Second|"}));
    EXPECT_EQ(Rows(bank, "SELECT * FROM NUMBER_OF_QUESTIONS"), (std::vector<std::string>{"1|25|", "2|35|"}));
    EXPECT_EQ(Rows(bank, "SELECT * FROM BOOK1"),
              (std::vector<std::string>{"1|Part 1|1|B|Which, of these?|x|y|z|w|fig|figures|||",
                                        "2||2|D|Café °C|1|2|3|4|||||"}));

    // Only with --force is an existing bank replaced.
    const auto again = banktool::ImportBank(
        {bank, {{"Only", folder.File("two.csv")}}, {"5"}, "figures", false, "", {"35", "0", "", "x"}});
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0], bank + ": already exists; give --force to replace it, or add a book with add");
    EXPECT_EQ(again[1].substr(0, 7), "--exam:") << "a pass mark of 0";
    // A bank reached through a link is replaced where the link leads.
    const std::string link = folder.File("linked.db");
    std::filesystem::create_symlink(bank, link);
    EXPECT_TRUE(
        banktool::ImportBank({link, {{"Only", folder.File("two.csv")}}, {"5"}, "figures", true, "", {}}).empty());
    EXPECT_EQ(Rows(bank, "SELECT Title FROM BOOKNAMES"), (std::vector<std::string>{"Only|"}));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

TEST(BankImport, ReportsEveryProblemWithItsLineAndWritesNothing)
{
    TempFolder folder;
    folder.Write("bad.csv", std::string(kHeader) + "1,E,q,a,b,c,d\n"
                                                   "2,A,q,a,b,c,d\n"
                                                   "2,B,q,a,b,c,d\n"
                                                   "3,C,Smile \xF0\x9F\x98\x80,a,b,c,d\n"
                                                   "4,A,\"never closed,a,b,c,d\n");
    folder.Write("odd.csv", "number,correct,question,a,b,c,colour\n");
    // A folder or a pipe given as a book is named as what it is, never read.
    std::filesystem::create_directory(folder.File("dir.csv"));
    ASSERT_EQ(mkfifo(folder.File("pipe.csv").c_str(), 0600), 0);
    const std::string quillo = QUILLO_BANK;
    const std::string command = quillo + " import " + folder.File("out.db") + " --book Bad " + folder.File("bad.csv") +
                                " --book Odd " + folder.File("odd.csv") + " --book Dir " + folder.File("dir.csv") +
                                " --book Pipe " + folder.File("pipe.csv") + " 2>&1";
    const auto [status, output] = RunCommand(command);

    const std::string bad = "quillo-bank: " + folder.File("bad.csv");
    const std::string odd = "quillo-bank: " + folder.File("odd.csv");
    // A column of no use to the program is left out with a warning.
    // A character the bank cannot hold is stored as a stand-in, with a
    // warning, and refuses nothing.
    EXPECT_EQ(output, "quillo-bank: warning: " + folder.File("bad.csv") +
                          ":5: column \"question\": U+1F600 (\xF0\x9F\x98\x80) at character 7 stored as \"?\", as "
                          "Windows-1252 cannot hold it (--strict refuses the book instead)\n"
                          "quillo-bank: warning: " +
                          folder.File("odd.csv") + ":1: left out, of no use to the program: \"colour\"\n" + bad +
                          ":2: the correct answer \"E\" is not A, B, C or D\n" + bad +
                          ":4: question number 2 is already used on line 3\n" + bad +
                          ":6: a quoted field is never closed\n" + odd + ":1: missing column \"d\"\n" +
                          "quillo-bank: " + folder.File("dir.csv") + ": is a folder, not a file of questions\n" +
                          "quillo-bank: " + folder.File("pipe.csv") +
                          ": is not an ordinary file (a pipe or a device)\n");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"bad.csv", "dir.csv", "odd.csv", "pipe.csv"}));
}

TEST(BankCheck, NamesWhatTheProgramWouldStumbleOn)
{
    TempFolder folder;
    const std::string columns = "(id, c1, num, correct, Question, a, b, c, d, diagram, folder, c11, c12)";
    BuildBankFile(folder.File("bad.db"),
                  "CREATE TABLE BOOKNAMES(id, tbl, title); CREATE TABLE NUMBER_OF_QUESTIONS(id, n);"
                  "INSERT INTO NUMBER_OF_QUESTIONS VALUES(1, 'ten');"
                  "INSERT INTO BOOKNAMES VALUES(1, 'BOOK1', 'One'), (2, 'GONE', 'Gone'), (3, 'SHORT', 'Short');"
                  "CREATE TABLE BOOK1" +
                      columns +
                      ";"
                      "INSERT INTO BOOK1 VALUES(1, '', '1', 'a', 'q', 'a', 'b', 'c', 'd', 'pic', 'figs', '', ''),"
                      " (2, '', '1', 'B', 'q', 'a', '', 'c', 'd', '', '', '', '');"
                      "CREATE TABLE SHORT(id, c1, num, correct, Wording, a, b, c, d, diagram, folder, c11);");
    banktool::CheckSummary summary;
    EXPECT_EQ(banktool::CheckBank(folder.File("bad.db"), summary),
              (std::vector<std::string>{"NUMBER_OF_QUESTIONS row 1: the count \"ten\" is not written in decimal digits",
                                        "BOOK1 1: the correct answer \"a\" does not start with A, B, C or D",
                                        "BOOK1 1: the diagram figs/pic.bmp is not beside the bank",
                                        "BOOK1 1: the question number is used more than once",
                                        "BOOK1 1: answer B is empty", "GONE: the book's table is missing",
                                        "SHORT: the table has 12 columns, fewer than the 13 a question needs",
                                        "SHORT: no column is named Question, which the filter searches"}));
}

// Export, then the import script it wrote, gives the same rows in the same
// order.
TEST(BankExport, ExportThenImportGivesTheSameBank)
{
    TempFolder folder;
    const std::string sample = std::string(QUILLO_SAMPLE_DIR) + "/sample.db";
    const std::string copy = folder.File("copy.db");
    std::filesystem::copy_file(sample, copy);
    std::string command;
    ASSERT_EQ(banktool::ExportBank(copy, folder.File("csv"), command), "");
    EXPECT_NE(command.find("--counts '25,10,20,50,100' --diagrams 'diagrams'"), std::string::npos) << command;
    std::filesystem::remove(copy);
    std::filesystem::create_directory(folder.File("diagrams"));

    const std::string tools = std::filesystem::path(QUILLO_BANK).parent_path().string();
    ASSERT_EQ(std::system(("PATH=" + tools + ":$PATH sh " + folder.File("csv/import.sh")).c_str()), 0);
    const std::string questions = "SELECT Section, Number, Answer, Question, A, B, C, D, Diagram, Folder FROM ";
    for (const std::string table : {"BOOK1", "BOOK2", "BOOK3"})
        EXPECT_EQ(Rows(copy, questions + table), Rows(sample, questions + table)) << table;
    for (const std::string table : {"BOOKNAMES", "NUMBER_OF_QUESTIONS", "EXPLANATION"})
        EXPECT_EQ(Rows(copy, "SELECT * FROM " + table), Rows(sample, "SELECT * FROM " + table)) << table;
}

// What cannot be read to its end is not exported or counted as if it had
// ended: the bank is named, nothing is left behind, and a name that is a
// link is replaced, never written through.
TEST(BankExport, AQueryStoppedPartWayFailsAndLeavesNothingAndLinksAreNotFollowed)
{
    TempFolder folder;
    BuildBankFile(folder.File("big.db"),
                  QuestionBankSql(1, 3) + "UPDATE BOOK1 SET Question = hex(zeroblob(6000000)) WHERE num = '2';");
    std::string command;
    const std::string exported = banktool::ExportBank(folder.File("big.db"), folder.File("out"), command);
    EXPECT_NE(exported.find(folder.File("big.db") + " "), std::string::npos) << exported;
    EXPECT_NE(exported.find("longer than 10000000 bytes"), std::string::npos) << exported;
    EXPECT_TRUE(std::filesystem::is_empty(folder.File("out")));
    banktool::CheckSummary summary;
    EXPECT_EQ(banktool::CheckBank(folder.File("big.db"), summary), std::vector<std::string>{exported});

    BuildBankFile(folder.File("small.db"), QuestionBankSql(1, 3));
    folder.Write("victim", "keep");
    std::filesystem::create_symlink(folder.File("victim"), folder.File("out/BOOK1.csv"));
    ASSERT_EQ(banktool::ExportBank(folder.File("small.db"), folder.File("out"), command), "");
    EXPECT_EQ(folder.Read("victim"), "keep");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder.File("out/BOOK1.csv"))));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.File("out")), {}), 2);
}

// Import takes only what the program shows as written; check holds banks
// to the same rules.
TEST(BankImport, RefusesWhatTheProgramWouldRefuseOrShowWrong)
{
    TempFolder folder;
    folder.Write("limits.csv", std::string(kHeader) + std::string("1,A,has\0nul,a,b,c,d\n", 20) +
                                   "2,B,line\x1b]0;title\a,a,b,c,d\n3,C," + std::string(10000001, 'x') + ",a,b,c,d\n");
    banktool::ImportRequest request;
    request.bankPath = folder.File("out.db");
    request.books = {{"Limits", folder.File("limits.csv")}};
    request.counts = {"0", "25"};
    const std::vector<std::string> problems = banktool::ImportBank(request);
    const std::string at = folder.File("limits.csv") + ":";
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "--counts: \"0\" is not a number of questions from 1 to 100000",
                            at + "2: column \"question\" holds the control character U+0000 at byte 4, which the "
                                 "program would not show as written",
                            at + "3: column \"question\" holds the control character U+001B at byte 5, which the "
                                 "program would not show as written",
                            at + "4: column \"question\" holds 10000001 bytes, more than the 10000000 the program "
                                 "reads of one text"}));
}

// The CSV other quiz tools write: their column names, the correct answer as
// a 0-based index, references kept as a note and explaining a question
// that has no feedback of its own, export giving them back.
TEST(BankImport, TakesOtherToolsColumnsAndKeepsReferencesAsNotes)
{
    TempFolder folder;
    folder.Write("pool.csv", "id,correct,question,a,b,c,d,refs,figure,topic,feedback\n"
                             "T1A01,0,Which band?,2 m,70 cm,6 m,10 m,[97.3],,radio,\n"
                             "T1A02,3,Which power?,1 W,5 W,50 W,1500 W,[97.313],T1-1,radio,The legal limit\n");
    banktool::ImportRequest request;
    request.bankPath = folder.File("pool.db");
    request.books = {{"Technician", folder.File("pool.csv")}};
    std::vector<std::string> warnings;
    ASSERT_EQ(banktool::ImportBank(request, &warnings), std::vector<std::string>{});
    EXPECT_EQ(warnings,
              (std::vector<std::string>{folder.File("pool.csv") + ":1: left out, of no use to the program: \"topic\"",
                                        "--diagrams: no folder " + folder.File("figures") +
                                            " (named from the bank's folder): no question gets its picture"}));
    EXPECT_EQ(Rows(folder.File("pool.db"), "SELECT Number, Answer, Note1, Diagram FROM BOOK1"),
              (std::vector<std::string>{"T1A01|A|[97.3]||", "T1A02|D|[97.313]|T1-1|"}));
    const std::vector<std::string> explained = {"BOOK1|T1A01|Reference: [97.3]|", "BOOK1|T1A02|The legal limit|"};
    EXPECT_EQ(Rows(folder.File("pool.db"), "SELECT * FROM EXPLANATION"), explained);

    std::string command;
    ASSERT_EQ(banktool::ExportBank(folder.File("pool.db"), folder.File("out"), command), "");
    const std::string exported = folder.Read("out/BOOK1.csv");
    EXPECT_NE(exported.find(",[97.3],Reference: [97.3]\r\n"), std::string::npos) << exported;
    request.books = {{"Technician", folder.File("out/BOOK1.csv")}};
    request.force = true;
    ASSERT_EQ(banktool::ImportBank(request), std::vector<std::string>{});
    EXPECT_EQ(Rows(folder.File("pool.db"), "SELECT * FROM EXPLANATION"), explained);
}

// The formats are listed once, in the tool; its manual page and the README
// name each of them, so that a format added there is documented too.
TEST(BankFormatsList, TheManualAndTheReadmeNameEveryFormat)
{
    std::string manual;
    std::string readme;
    for (auto [path, text] : {std::pair{"/packaging/quillo-bank.1", &manual}, std::pair{"/README.md", &readme}}) {
        std::ifstream file(std::string(QUILLO_SOURCE_DIR) + path);
        *text = std::string(std::istreambuf_iterator<char>(file), {});
        std::transform(text->begin(), text->end(), text->begin(), [](unsigned char ch) { return std::tolower(ch); });
    }
    const std::string usage = RunCommand(std::string(QUILLO_BANK) + " --help").output;
    const size_t named = manual.find(".b \\-\\-format\n.br ");
    ASSERT_NE(named, std::string::npos);
    const std::string formatLine = manual.substr(named, manual.find('\n', named + 20) - named);
    for (const banktool::NamedFormat& format : banktool::kFormats) {
        const std::string name(format.name);
        EXPECT_NE(formatLine.find(name), std::string::npos) << name;
        EXPECT_NE(readme.find(name), std::string::npos) << name;
        EXPECT_NE(usage.find(name), std::string::npos) << name;
    }
}

// Files as they reach the bank tool from other people's hands: one fault
// in the middle of a long file, Windows line ends and encodings, bytes
// meant to upset a terminal, more than the program can hold. A fault costs
// its own question and says where; nothing else is lost or changed.

#include "BankRows.h"
#include "RunCommand.h"
#include "TempFolder.h"

#include "tools/quillo-bank/BankCheck.h"
#include "tools/quillo-bank/BankImport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kQuestions = 300;
constexpr int kDamaged = 150;

struct Imported {
    std::vector<std::string> problems;
    std::vector<std::string> warnings;
    std::vector<std::string> rows;
};

Imported Import(const TempFolder& folder, const std::string& file, bool partial)
{
    banktool::ImportRequest request;
    request.bankPath = folder.File("bank.db");
    request.books = {{"Book", folder.File(file)}};
    request.force = true;
    request.partial = partial;
    Imported imported;
    imported.problems = banktool::ImportBank(request, &imported.warnings);
    if (imported.problems.empty())
        imported.rows = Rows(request.bankPath, "SELECT Number, Answer, Question, A, B, C, D FROM BOOK1");
    return imported;
}

std::string Row(int n)
{
    const std::string q = std::to_string(n);
    return q + "|B|Question " + q + "?|wrong " + q + "|right " + q + "|wrong|wrong|";
}

// Question n of a GIFT file, its closing brace left out when damaged; the
// wording wraps over two lines.
std::string GiftQuestion(int n, bool damaged)
{
    const std::string q = std::to_string(n);
    return "::" + q + "::Question\n" + q + "? {\n~wrong " + q + "\n=right " + q + "\n~wrong\n~wrong\n" +
           (damaged ? "" : "}\n") + "\n";
}

std::string AikenQuestion(int n, bool damaged)
{
    const std::string q = std::to_string(n);
    return "Question " + q + "?\nA. wrong " + q + "\nB. right " + q + "\nC. wrong\nD. wrong\n" +
           (damaged ? "" : "ANSWER: B\n") + "\n";
}

template <typename Write>
std::string LongFile(Write question)
{
    std::string text;
    for (int n = 1; n <= kQuestions; ++n)
        text += question(n, n == kDamaged);
    return text;
}

std::vector<std::string> RowsBut(int left)
{
    std::vector<std::string> rows;
    for (int n = 1; n <= kQuestions; ++n)
        if (n != left)
            rows.push_back(Row(n));
    return rows;
}

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string wide = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char ch : ascii)
        wide += bigEndian ? std::string{'\0', ch} : std::string{ch, '\0'};
    return wide;
}

std::string Utf32LittleEndian(const std::string& ascii)
{
    std::string wide("\xFF\xFE\0\0", 4);
    for (const char ch : ascii)
        wide += std::string{ch, '\0', '\0', '\0'};
    return wide;
}

} // namespace

TEST(DamagedFiles, OneFaultInALongFileCostsOnlyItsQuestion)
{
    TempFolder folder;
    folder.Write("book.gift", LongFile(GiftQuestion));
    folder.Write("book.aiken", LongFile(AikenQuestion));
    // Question 150 starts on line 1 + 149 * 8 of the GIFT file, 1 + 149 * 7
    // of the Aiken file.
    const std::pair<std::string, std::string> damaged[] = {
        {"book.gift", ":1193: the answers' \"{\" is never closed before the blank line that ends the question"},
        {"book.aiken", ":1044: the question has no \"ANSWER:\" line"},
    };
    for (const auto& [file, fault] : damaged) {
        SCOPED_TRACE(file);
        std::filesystem::remove(folder.File("bank.db"));
        const Imported refused = Import(folder, file, false);
        EXPECT_EQ(refused.problems,
                  (std::vector<std::string>{folder.File(file) + fault,
                                            folder.File(file) + ": a damaged question; mend the file, or give "
                                                                "--partial to import the rest"}));
        EXPECT_FALSE(std::filesystem::exists(folder.File("bank.db")));

        const Imported partial = Import(folder, file, true);
        ASSERT_EQ(partial.problems, std::vector<std::string>{});
        EXPECT_EQ(partial.warnings, std::vector<std::string>{folder.File(file) + fault.substr(0, fault.find(": ") + 2) +
                                                             "left out: " + fault.substr(fault.find(": ") + 2)});
        EXPECT_EQ(partial.rows, RowsBut(kDamaged));
    }
}

// Notepad's "Unicode", a spreadsheet's CRLF, an old Mac's CR: the same
// questions. Escaped colons stay in a title; an [html] question's answers
// are made plain as its wording is.
TEST(DamagedFiles, LineEndsAndEncodingsReadAlike)
{
    const std::string gift = "::Ratio 1\\:2\\:::[html]Which <i>ratio</i>\nis it? {\n=<b>one</b> to two\n"
                             "~a &amp; b\n~c\n~d\n}\n\n::Q2:: Second {~a =b ~c ~d}\n";
    std::string crlf;
    std::string cr;
    for (const char ch : gift) {
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        cr += ch == '\n' ? '\r' : ch;
    }
    const std::vector<std::string> expected = {"Ratio 1:2:|A|Which ratio is it?|one to two|a & b|c|d|",
                                               "Q2|B|Second|a|b|c|d|"};
    TempFolder folder;
    for (const std::string& text :
         {gift, crlf, cr, "\xEF\xBB\xBF" + crlf, Utf16(crlf, false), Utf16(gift, true), Utf32LittleEndian(crlf)}) {
        folder.Write("book.gift", text);
        const Imported imported = Import(folder, "book.gift", false);
        ASSERT_EQ(imported.problems, std::vector<std::string>{}) << text;
        EXPECT_EQ(imported.rows, expected) << text;
    }

    folder.Write("latin.gift", "::Q1:: Caf\xE9 {~a =b ~c ~d}\n\n::Q2:: Na\xEFve {~a =b ~c ~d}\n");
    EXPECT_EQ(
        Import(folder, "latin.gift", false).problems,
        std::vector<std::string>{folder.File("latin.gift") +
                                 ":1: this line is not UTF-8; the file looks like Windows-1252: save it as UTF-8"});
    folder.Write("wide.gift", Utf16(gift, false).substr(2));
    EXPECT_EQ(Import(folder, "wide.gift", false).problems,
              std::vector<std::string>{folder.File("wide.gift") +
                                       ":1: the file looks like UTF-16 without a byte order mark: save it as UTF-8"});
}

// A file that is not what it claims: a first line of a megabyte, escape
// sequences that would retitle and clear the terminal, a thousand broken
// rows. What reaches the terminal is short and shows the escapes as text.
TEST(DamagedFiles, NothingFromAFileReachesTheTerminalRaw)
{
    TempFolder folder;
    std::string hostile = "number,correct,question,a,b,c,d,\x1b]0;owned\x07\x1b[2J" + std::string(1 << 20, 'x') + "\n";
    for (int n = 1; n <= 1000; ++n)
        hostile += std::to_string(n) + ",\x1b[31mZ,q,a,b,c,d,\n";
    folder.Write("hostile.csv", hostile);
    const CommandResult result = RunCommand(std::string(QUILLO_BANK) + " import " + folder.File("bank.db") +
                                            " --book Hostile " + folder.File("hostile.csv") + " 2>&1");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output.find('\x1b'), std::string::npos);
    EXPECT_EQ(result.output.find('\x07'), std::string::npos);
    EXPECT_LT(result.output.size(), 64u << 10);
    EXPECT_NE(result.output.find("left out, of no use to the program: \"\\x1b]0;owned\\x07\\x1b[2Jxxx"),
              std::string::npos)
        << result.output.substr(0, 2000);
    EXPECT_NE(result.output.find("the correct answer \"\\x1b[31mZ\" is not A, B, C or D"), std::string::npos);
    EXPECT_NE(result.output.find("... and "), std::string::npos);
}

// A bank the program would stop reading is refused by check, with the
// figure; a diagram folder the user names must be there.
TEST(DamagedFiles, TheToolHoldsBanksToWhatTheProgramReads)
{
    TempFolder folder;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(folder.File("huge.db").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE BOOKNAMES(ID INTEGER PRIMARY KEY, TableName TEXT, Title TEXT);"
                           "INSERT INTO BOOKNAMES VALUES(1, 'BOOK1', 'Huge');"
                           "CREATE TABLE NUMBER_OF_QUESTIONS(ID INTEGER PRIMARY KEY, Count TEXT);"
                           "INSERT INTO NUMBER_OF_QUESTIONS VALUES(1, '25');"
                           "CREATE TABLE BOOK1(ID INTEGER PRIMARY KEY, Section, Number, Answer, Question, A, B, C, "
                           "D, Diagram, Folder, Note1, Note2);"
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)"
                           " INSERT INTO BOOK1 SELECT i, '', i, 'A', 'q', 'a', 'b', 'c', 'd', '', '', '', '' FROM n;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    banktool::CheckSummary summary;
    EXPECT_EQ(banktool::CheckBank(folder.File("huge.db"), summary),
              std::vector<std::string>{"BOOK1: 1000000 questions, more than the 999999 Quillo reads of one book"});

    folder.Write("one.gift", "::Q1:: Which? {~a =b ~c ~d}\n");
    banktool::ImportRequest request;
    request.bankPath = folder.File("bank.db");
    request.books = {{"Book", folder.File("one.gift")}};
    request.diagramFolder = "figurs";
    request.diagramFolderGiven = true;
    EXPECT_EQ(banktool::ImportBank(request),
              std::vector<std::string>{"--diagrams: there is no folder " + folder.File("figurs") +
                                       " (named from the bank's folder)"});
}

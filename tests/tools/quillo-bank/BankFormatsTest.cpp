// Question pools as people have them, in the formats other programs write,
// made into banks: every question whole, other kinds left out with a
// warning, broken files named with their line, and a newer pool's changes
// shown before it replaces the bank.

#include "BankRows.h"
#include "TempFolder.h"

#include "tools/quillo-bank/BankCheck.h"
#include "tools/quillo-bank/BankImport.h"
#include "tools/quillo-bank/Csv.h"

#include "bank/ExplanationTable.h"
#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

const char* const kQuestionColumns = "SELECT Section, Number, Answer, Question, A, B, C, D, Diagram, Note1 FROM BOOK1";
const char* const kExplanations = "SELECT TableName, Number, Explanation FROM EXPLANATION ORDER BY Number";

struct Imported {
    std::vector<std::string> problems;
    std::vector<std::string> warnings;
    std::vector<std::string> rows;
    std::vector<std::string> explanations;
};

Imported Import(const TempFolder& folder, const std::string& source, const std::string& format = "")
{
    banktool::ImportRequest request;
    request.bankPath = folder.File("bank.db");
    request.books = {{"Book", source}};
    request.diagramFolder = folder.File("figures");
    request.format = format;
    request.force = true;
    Imported imported;
    imported.problems = banktool::ImportBank(request, &imported.warnings);
    if (imported.problems.empty()) {
        imported.rows = Rows(request.bankPath, kQuestionColumns);
        imported.explanations = Rows(request.bankPath, kExplanations);
    }
    return imported;
}

// The explanation as the program reads it from the bank, after a commit.
std::string ShownExplanation(const TempFolder& folder, const char* number)
{
    litex::SQLiteDatabase database;
    if (!litex::OpenQuestionBank(database, folder.File("bank.db").c_str()).empty())
        return "(no bank)";
    const std::optional<CString> explanation = litex::ReadExplanation(database, "BOOK1", number);
    return explanation ? explanation->Bytes() : "(none)";
}

std::string Pool(const std::string& name)
{
    return std::string(QUILLO_POOLS_DIR) + "/" + name;
}

} // namespace

// Each file is told by its content; the figure named in a pool question's
// wording is found in the diagram folder as a PNG, and check finds it too.
TEST(BankFormats, EachFormatGivesItsQuestionsWholeAndLeavesOtherKindsOut)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.File("figures"));
    folder.Write("figures/E5-2.png", "not looked into");

    const Imported pool = Import(folder, Pool("pool.txt"));
    ASSERT_EQ(pool.problems, std::vector<std::string>{});
    EXPECT_EQ(pool.rows, (std::vector<std::string>{
                             "E1A|E1A01|D|Which displayed frequency is the lowest at which a properly adjusted USB "
                             "signal stays within the band?|The exact upper band edge|300 Hz below the upper band "
                             "edge|300 Hz above the lower band edge|The exact lower band edge||97.305, 97.307(b)|",
                             "E1A|E1A02|A|Which point on Figure E5-2 is the impedance asked for?|Point 2|Point 4, "
                             "which is the second|Point 5|Point 6|E5-2||",
                             "E1B|E1B01|B|Which of these is a spurious emission?|An emission on the carrier|An "
                             "emission outside the necessary bandwidth|A key click|Speech||97.3(a)(22)|"}));
    EXPECT_EQ(pool.explanations, (std::vector<std::string>{"BOOK1|E1A01|Reference: 97.305, 97.307(b)|",
                                                           "BOOK1|E1B01|Reference: 97.3(a)(22)|"}));
    banktool::CheckSummary summary;
    EXPECT_EQ(banktool::CheckBank(folder.File("bank.db"), summary), std::vector<std::string>{});
    EXPECT_EQ(summary.figures, 1);

    const Imported aiken = Import(folder, Pool("aiken.txt"));
    ASSERT_EQ(aiken.problems, std::vector<std::string>{});
    EXPECT_EQ(aiken.rows,
              (std::vector<std::string>{
                  "|1|B|What is the unit of capacitance?|Henry|Farad|Ohm|Siemens|||",
                  "|3|A|Which colour is the third band of a 4.7 kilohm resistor?|Red|Violet|Yellow|Orange|||"}));
    EXPECT_EQ(aiken.warnings,
              std::vector<std::string>{Pool("aiken.txt") + ":8: left out: a question with 2 options; "
                                                           "the program asks four-answer questions only"});

    const Imported gift = Import(folder, Pool("questions.gift"));
    ASSERT_EQ(gift.problems, std::vector<std::string>{});
    EXPECT_EQ(gift.rows,
              (std::vector<std::string>{
                  "E5C|E5C01|A|Which represents a capacitive reactance in rectangular notation?|-jX|+jX|X|Omega|||",
                  "E5C|E5C02|B|What does 5 = 2 + 3 show: an equation?|No|Yes|Maybe|{never}|||",
                  "E5C|GAP1|A|A resistor's unit is the _____ in every system.|ohm|volt|amp|watt|||"}));
    EXPECT_EQ(gift.warnings.size(), 2u);
    EXPECT_EQ(gift.explanations,
              (std::vector<std::string>{"BOOK1|E5C01|A: the imaginary part is negative|",
                                        "BOOK1|E5C02|An equation says that two sides are equal: = between them.|"}));
    EXPECT_EQ(ShownExplanation(folder, "E5C02"), "An equation says that two sides are equal: = between them.");
    EXPECT_EQ(ShownExplanation(folder, "GAP1"), "(none)");

    const Imported moodle = Import(folder, Pool("moodle.xml"));
    ASSERT_EQ(moodle.problems, std::vector<std::string>{});
    EXPECT_EQ(moodle.rows,
              (std::vector<std::string>{
                  "E6A|E6A01|D|In what application is gallium arsenide used as a semiconductor "
                  "material?|In high-current rectifier circuits|In high-power audio circuits|In very "
                  "low-frequency RF circuits|In microwave circuits & \xE2\x80\x9Cmore\xE2\x80\x9D|E6-1||"}));
    EXPECT_EQ(moodle.warnings.size(), 2u);
    EXPECT_EQ(moodle.explanations, std::vector<std::string>{"BOOK1|E6A01|Its electrons move fast.\n\nA: No, silicon|"});
    EXPECT_EQ(ShownExplanation(folder, "E6A01"), "Its electrons move fast.\n\nA: No, silicon");
}

// A broken file is a problem at its line and no bank (an XML file that
// declares entities is one, before any is expanded); a damaged question
// stops the import too, with the way round it; a forced format reads the
// file as that format.
TEST(BankFormats, BrokenFilesAreNamedWithTheirLines)
{
    TempFolder folder;
    const std::pair<const char*, const char*> broken[] = {
        {"short.txt", "T1A01 (B)\nWhich band?\nA. 2 m\nB. 70 cm\n~~\n"},
        {"open.gift", "::Q1:: Which? {\n=a ~b ~c ~d\n\n"},
        {"bad.xml", "<quiz><question type=\"multichoice\"><name><text>x</name></quiz>"},
        {"noanswer.txt", "Which?\nA. a\nB. b\nC. c\nD. d\n"},
        {"laughs.xml", "<!DOCTYPE quiz [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>\n"
                       "<quiz><question type=\"multichoice\"><name><text>&b;&b;</text></name></question></quiz>"},
    };
    const std::string damaged = ": a damaged question; mend the file, or give --partial to import the rest";
    const std::vector<std::vector<std::string>> expected = {
        {":1: question T1A01 has no answer C: A. to D. must follow the question", damaged},
        {":1: the answers' \"{\" is never closed before the blank line that ends the question", damaged},
        {":1: not well-formed XML: </name> closes <text>"},
        {":1: the question has no \"ANSWER:\" line", damaged},
        {":1: not well-formed XML: a DOCTYPE with declarations, which is not read"},
    };
    for (size_t i = 0; i < std::size(broken); ++i) {
        folder.Write(broken[i].first, broken[i].second);
        const std::string format = i == 3 ? "aiken" : "";
        std::vector<std::string> named;
        for (const std::string& problem : expected[i])
            named.push_back(folder.File(broken[i].first) + problem);
        EXPECT_EQ(Import(folder, folder.File(broken[i].first), format).problems, named);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("bank.db")));
    EXPECT_EQ(Import(folder, Pool("pool.txt"), "gift").problems,
              std::vector<std::string>{Pool("pool.txt") + ":1: holds no question the program can ask"});
}

// A newer pool over the bank: what changed is listed by number, and each
// book keeps its table, so that a test record's keys still find the
// questions that stayed, even when the books are given in another order.
TEST(BankReimport, ListsTheChangesAndKeepsEachBooksTable)
{
    TempFolder folder;
    folder.Write("t1.txt", "T1A01 (A)\nOld wording?\nA. a\nB. b\nC. c\nD. d\n"
                           "T1A02 (B)\nSame?\nA. a\nB. b\nC. c\nD. d\n"
                           "T1A03 (C)\nGone?\nA. a\nB. b\nC. c\nD. d\n");
    folder.Write("t2.txt", "T1A01 (A)\nNew wording?\nA. a\nB. b\nC. c\nD. d\n"
                           "T1A02 (D)\nSame?\nA. a\nB. b\nC. c\nD. d\n"
                           "T1A04 (A)\nNew?\nA. a\nB. b\nC. c\nD. d\n");
    folder.Write("g.txt", "G1A01 (A)\nGeneral?\nA. a\nB. b\nC. c\nD. d\n");
    banktool::ImportRequest request;
    request.bankPath = folder.File("ham.db");
    request.books = {{"General", folder.File("g.txt")}, {"Technician", folder.File("t1.txt")}};
    ASSERT_EQ(banktool::ImportBank(request), std::vector<std::string>{});

    request.books = {{"Technician", folder.File("t2.txt")}, {"Extra", folder.File("g.txt")}};
    request.force = true;
    std::vector<std::string> changes;
    ASSERT_EQ(banktool::ImportBank(request, nullptr, &changes), std::vector<std::string>{});
    EXPECT_EQ(changes, (std::vector<std::string>{
                           "Technician: added 1: T1A04", "Technician: withdrawn 1: T1A03",
                           "Technician: other wording 1: T1A01", "Technician: other correct answer 1: T1A02",
                           "Extra: a new book, 1 questions", "General: the book is withdrawn, 1 questions"}));
    EXPECT_EQ(Rows(request.bankPath, "SELECT TableName, Title FROM BOOKNAMES"),
              (std::vector<std::string>{"BOOK2|Technician|", "BOOK1|Extra|"}));
}

namespace {

// The amateur-radio pools as Debian's hamexam keeps them: a file a
// question, "E1A01 (D) [refs]", the question, then A. to D.
struct PoolQuestion {
    std::string id, correct, question;
    std::array<std::string, 4> answers;
};

// Empty where a file is not of the shape this test was written for (a
// newer hamexam may keep its files otherwise): the test is then skipped.
std::vector<PoolQuestion> ReadHamexam(const std::string& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<PoolQuestion> pool;
    for (const auto& file : files) {
        std::ifstream in(file);
        std::string heading;
        PoolQuestion q;
        std::getline(in, heading);
        std::getline(in, q.question);
        const size_t open = heading.find(" (");
        if (open == std::string::npos || heading.size() < open + 4 || heading[open + 3] != ')')
            return {};
        q.id = heading.substr(0, open);
        q.correct = heading.substr(open + 2, 1);
        for (size_t i = 0; i < q.answers.size(); ++i) {
            std::string& answer = q.answers[i];
            // "A. text", and at times "D.A text": the letter and its stop,
            // then the text without the spaces before it.
            if (!std::getline(in, answer) || answer.size() < 2 || answer[0] != static_cast<char>('A' + i) ||
                answer[1] != '.')
                return {};
            answer.erase(0, answer.find_first_not_of(' ', 2));
        }
        // A few lines end in a space, which the pool's readers do not keep.
        for (std::string* text : {&q.question, &q.answers[0], &q.answers[1], &q.answers[2], &q.answers[3]})
            text->erase(text->find_last_not_of(' ') + 1);
        pool.push_back(q);
    }
    return pool;
}

std::string Gift(const std::string& text)
{
    std::string escaped;
    for (const char ch : text)
        escaped += std::string_view("~=#{}:\\").find(ch) == std::string_view::npos ? std::string(1, ch)
                                                                                   : std::string{'\\', ch};
    return escaped;
}

std::string Xml(const std::string& text)
{
    std::string escaped;
    for (const char ch : text)
        escaped += ch == '<' ? "&lt;" : ch == '>' ? "&gt;" : ch == '&' ? "&amp;" : std::string(1, ch);
    return escaped;
}

// The pool in each of the five formats, as other programs write them.
std::map<std::string, std::string> Written(const std::vector<PoolQuestion>& pool)
{
    std::map<std::string, std::string> files;
    std::string& text = files["pool.txt"] = "Question pool\r\n\r\nSUBELEMENT 1 - RULES\r\n\r\n";
    std::string& csv = files["pool.csv"] = "id,correct_letter,question,a,b,c,d,refs\n";
    std::string& aiken = files["pool.aiken.txt"];
    std::string& gift = files["pool.gift"] = "// converted\n";
    std::string& xml = files["pool.xml"] = "<?xml version=\"1.0\"?>\n<quiz>\n";
    for (const PoolQuestion& q : pool) {
        text += q.id + " (" + q.correct + ") [97.1]\r\n" + q.question + "\r\n";
        csv += q.id + "," + q.correct + "," + banktool::CsvField(q.question);
        aiken += q.question + "\n";
        gift += "::" + Gift(q.id) + ":: " + Gift(q.question) + " {\n";
        xml += "<question type=\"multichoice\"><name><text>" + Xml(q.id) +
               "</text></name><questiontext format=\"plain_text\"><text>" + Xml(q.question) +
               "</text></questiontext>\n";
        for (size_t i = 0; i < 4; ++i) {
            const bool right = q.correct[0] == static_cast<char>('A' + i);
            text += std::string(1, static_cast<char>('A' + i)) + ". " + q.answers[i] + "\r\n";
            csv += "," + banktool::CsvField(q.answers[i]);
            aiken += std::string(1, static_cast<char>('A' + i)) + ") " + q.answers[i] + "\n";
            gift += (right ? "  =" : "  ~") + Gift(q.answers[i]) + "\n";
            xml += std::string("<answer fraction=\"") + (right ? "100" : "0") + "\"><text>" + Xml(q.answers[i]) +
                   "</text></answer>\n";
        }
        text += "~~\r\n\r\n";
        csv += ",97.1\n";
        aiken += "ANSWER: " + q.correct + "\n\n";
        gift += "}\n\n";
        xml += "</question>\n";
    }
    xml += "</quiz>\n";
    return files;
}

} // namespace

// Every question of the three pools, written in every format, comes back
// with its id, wording, answers and correct letter as in the pool.
TEST(HamexamPools, EachFormatImportsThePoolsWhole)
{
    const std::string hamexam = "/usr/share/hamexam";
    if (!std::filesystem::exists(hamexam + "/E"))
        GTEST_SKIP() << "hamexam is not installed";
    TempFolder folder;
    for (const char* element : {"T", "G", "E"}) {
        const std::vector<PoolQuestion> pool = ReadHamexam(hamexam + "/" + element);
        if (pool.empty())
            GTEST_SKIP() << "hamexam's " << element << " files are not of the shape this test reads";
        ASSERT_GT(pool.size(), 400u);
        for (const auto& [name, content] : Written(pool)) {
            folder.Write(name, content);
            const Imported imported = Import(folder, folder.File(name));
            ASSERT_EQ(imported.problems, std::vector<std::string>{}) << element << " " << name;
            ASSERT_EQ(imported.rows.size(), pool.size()) << element << " " << name;
            for (size_t i = 0; i < pool.size(); ++i) {
                const PoolQuestion& q = pool[i];
                const std::string number = name == "pool.aiken.txt" ? std::to_string(i + 1) : q.id;
                const std::string expected = "|" + number + "|" + q.correct + "|" + q.question + "|" + q.answers[0] +
                                             "|" + q.answers[1] + "|" + q.answers[2] + "|" + q.answers[3] + "|";
                EXPECT_NE(imported.rows[i].find(expected), std::string::npos) << name << ": " << imported.rows[i];
            }
        }
    }
}

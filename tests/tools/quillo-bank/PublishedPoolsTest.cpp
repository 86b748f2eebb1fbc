// The amateur-radio pools as people download them (text, CSV, pictures),
// made into banks and checked against the pools' own JSON; and what a
// bank keeps when a book is added or read again.

#include "BankRows.h"
#include "TempFolder.h"

#include "tools/quillo-bank/BankCheck.h"
#include "tools/quillo-bank/BankImport.h"
#include "tools/quillo-bank/FigureFolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

const std::string kPools = QUILLO_PUBLISHED_POOLS;
const char* const kPoolNames[] = {"technician-2026-2030", "general-2023-2027", "extra-2024-2028"};

// Number to "answer|question|a|b|c|d|figure", the figure by its own name.
std::map<std::string, std::string> Expected(const std::string& pool)
{
    QFile file(QString::fromStdString(kPools + "/" + pool + "/" + pool + ".json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<std::string, std::string> questions;
    for (const QJsonValue value : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject question = value.toObject();
        QString row = question["correct_letter"].toString() + "|" + question["question"].toString() + "|";
        for (const QJsonValue answer : question["answers"].toArray())
            row += answer.toString() + "|";
        row += question["figure"].toString().section('.', 0, 0) + "|";
        questions[question["id"].toString().toStdString()] = row.toStdString();
    }
    return questions;
}

std::vector<std::string> Import(const banktool::ImportRequest& request, std::vector<std::string>* changes = nullptr)
{
    std::vector<std::string> warnings;
    std::vector<std::string> problems = banktool::ImportBank(request, &warnings, changes);
    problems.insert(problems.end(), warnings.begin(), warnings.end());
    return problems;
}

} // namespace

TEST(PublishedPools, TextAndCsvImportWholeWithEveryFigureLinkedToItsPicture)
{
    if (!std::filesystem::is_directory(kPools))
        GTEST_SKIP() << "no published pools at " << kPools;
    TempFolder folder;
    int figures = 0;
    for (const std::string pool : kPoolNames) {
        const std::map<std::string, std::string> expected = Expected(pool);
        ASSERT_GT(expected.size(), 400u);
        for (const std::string ending : {".txt", ".csv"}) {
            SCOPED_TRACE(pool + ending);
            banktool::ImportRequest request;
            request.bankPath = folder.File(pool + ending + ".db");
            request.books = {{"Pool", kPools + "/" + pool + "/" + pool + ending}};
            request.diagramFolder = kPools + "/" + pool;
            ASSERT_EQ(Import(request), std::vector<std::string>{});
            std::map<std::string, std::string> imported;
            for (const std::string& row : Rows(request.bankPath, "SELECT Number, Answer, Question, A, B, C, D, Diagram "
                                                                 "FROM BOOK1")) {
                const size_t bar = row.find('|');
                imported[row.substr(0, bar)] = row.substr(bar + 1);
            }
            EXPECT_EQ(imported, expected);

            banktool::CheckSummary summary;
            EXPECT_EQ(banktool::CheckBank(request.bankPath, summary), std::vector<std::string>{})
                << "every figure question has its picture";
            figures += summary.figures;
        }
    }
    EXPECT_EQ(figures, 2 * (12 + 5 + 27));
}

TEST(FigureFolder, FindsPicturesByNameInAnyCaseAndRefusesLinksLeadingOut)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.File("pictures"));
    for (const char* name : {"t-1.png", "e7-2.png", "e7-3.gif", "notes.txt"})
        folder.Write(std::string("pictures/") + name, "");
    folder.Write("secret.png", "");
    std::filesystem::create_symlink(folder.File("secret.png"), folder.File("pictures/e5-1.png"));
    std::filesystem::create_symlink("t-1.png", folder.File("pictures/t-2.png"));

    const banktool::FigureFolder figures(folder.File("pictures"));
    EXPECT_EQ(figures.FigureIn("What is component 3 in figure T-1?"), "t-1");
    EXPECT_EQ(figures.FigureIn("In Figure T-2, which is the emitter?"), "t-2") << "a link inside the folder is a file";
    EXPECT_EQ(figures.FigureIn("Which of Figures E7-9 and E7-3, shown here."), "e7-3");
    EXPECT_EQ(figures.FigureIn("Which figure of merit is best?"), "");
    EXPECT_EQ(figures.FigureIn("What is the output of Figure E5-1?"), "") << "the link leads out";
    EXPECT_EQ(figures.PictureNamed("E7-2.PNG"), "e7-2");
    EXPECT_EQ(figures.PictureNamed("notes"), "");
    ASSERT_EQ(figures.Refused().size(), 1u);
    EXPECT_EQ(figures.Refused()[0].rfind("e5-1.png ", 0), 0u);
    EXPECT_EQ(banktool::NumberedFigureIn("the figure of merit, see figure G7-1."), "G7-1");
}

// Every HTML5 reference, and a character the bank cannot hold stored as a
// stand-in with a warning, or refused when asked to be strict.
TEST(BankImport, DecodesEveryEntityAndStandsInForWhatTheBankCannotHold)
{
    TempFolder folder;
    folder.Write("quiz.xml",
                 "<quiz><question type=\"multichoice\"><name><text>Q1</text></name>"
                 "<questiontext format=\"html\"><text><![CDATA[<p>Caf&eacute; of 4 m&sup2; and &#xB5;A&nbsp;here, "
                 "&pi; &le; 4 &NotEqualTilde;</p>]]></text></questiontext>"
                 "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer>"
                 "<answer fraction=\"0\"><text>c</text></answer><answer fraction=\"0\"><text>d</text></answer>"
                 "</question></quiz>");
    banktool::ImportRequest request;
    request.bankPath = folder.File("quiz.db");
    request.books = {{"Quiz", folder.File("quiz.xml")}};
    std::vector<std::string> warnings;
    ASSERT_EQ(banktool::ImportBank(request, &warnings), std::vector<std::string>{});
    EXPECT_EQ(Rows(request.bankPath, "SELECT Question FROM BOOK1"),
              std::vector<std::string>{"Caf\xC3\xA9 of 4 m\xC2\xB2 and \xC2\xB5"
                                       "A here, ? ? 4 ??|"});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("U+03C0 (\xCF\x80) at character 27 stored as \"?\""), std::string::npos) << warnings[0];

    folder.Write("pool.txt", "E4D05 (A) [97.1]\nWhich balun?\nA. One fed with a\xEF\xBF\xBD"
                             "4:1 balun\nB. b\nC. c\n"
                             "D. d\n~~\n");
    request.books = {{"Extra", folder.File("pool.txt")}};
    request.force = true;
    warnings.clear();
    ASSERT_EQ(banktool::ImportBank(request, &warnings), std::vector<std::string>{});
    EXPECT_EQ(Rows(request.bankPath, "SELECT A FROM BOOK1"), std::vector<std::string>{"One fed with a 4:1 balun|"});
    EXPECT_EQ(warnings.size(), 1u);
    request.strict = true;
    EXPECT_EQ(banktool::ImportBank(request).size(), 1u) << "--strict refuses the pool, as before";
    EXPECT_EQ(Rows(request.bankPath, "SELECT A FROM BOOK1"), std::vector<std::string>{"One fed with a 4:1 balun|"})
        << "and leaves the bank as it was";
    request.strict = false;

    // A CSV holds its text as written: what looks like HTML there is named.
    folder.Write("html.csv", "number,correct,question,a,b,c,d\n1,A,Caf&eacute; or AT&T?,<b>a</b>,x < y,c,d\n");
    request.books = {{"Html", folder.File("html.csv")}};
    ASSERT_EQ(banktool::ImportBank(request), std::vector<std::string>{});
    banktool::CheckSummary summary;
    EXPECT_EQ(banktool::CheckBank(request.bankPath, summary),
              (std::vector<std::string>{
                  "BOOK1 1: the question holds \"&eacute;\", which looks like HTML shown as it was written",
                  "BOOK1 1: answer A holds \"<b>\", which looks like HTML shown as it was written"}));
}

// Adding a book keeps the others as they are: their tables, the stored
// exam and their explanations.
TEST(BankImport, AddsABookAndKeepsTheOthersTheirTablesAndTheStoredExam)
{
    TempFolder folder;
    const std::string header = "number,correct,question,a,b,c,d,section,explanation\n";
    folder.Write("one.csv", header + "1,A,First?,a,b,c,d,S1,Because\n2,B,Second?,a,b,c,d,S2,\n");
    folder.Write("two.csv", header + "7,C,Seventh?,a,b,c,d,S1,\n");
    banktool::ImportRequest request;
    request.bankPath = folder.File("bank.db");
    request.books = {{"One", folder.File("one.csv")}};
    request.counts = {"10", "20"};
    request.exam = {"2", "50", "10", "section"};
    ASSERT_EQ(Import(request), std::vector<std::string>{});
    const std::vector<std::string> first = Rows(request.bankPath, "SELECT * FROM BOOK1");

    banktool::ImportRequest add;
    add.bankPath = request.bankPath;
    add.add = true;
    add.books = {{"Two", folder.File("two.csv")}};
    ASSERT_EQ(Import(add), std::vector<std::string>{});
    EXPECT_EQ(Rows(add.bankPath, "SELECT * FROM BOOKNAMES"),
              (std::vector<std::string>{"1|BOOK1|One|", "2|BOOK2|Two|"}));
    EXPECT_EQ(Rows(add.bankPath, "SELECT * FROM BOOK1"), first);
    EXPECT_EQ(Rows(add.bankPath, "SELECT Count FROM NUMBER_OF_QUESTIONS"), (std::vector<std::string>{"10|", "20|"}));
    EXPECT_EQ(Rows(add.bankPath, "SELECT * FROM PRACTICE_EXAM"), std::vector<std::string>{"BOOK1|2|50|10|section|"});
    EXPECT_EQ(Rows(add.bankPath, "SELECT * FROM EXPLANATION"), std::vector<std::string>{"BOOK1|1|Because|"});

    // The first book read again alone: its exam stays and the report says
    // so; the book added is withdrawn, as a --force import is the whole bank.
    request.force = true;
    request.exam.clear();
    std::vector<std::string> changes;
    ASSERT_EQ(Import(request, &changes), std::vector<std::string>{});
    EXPECT_EQ(changes, (std::vector<std::string>{"Two: the book is withdrawn, 1 questions",
                                                 "One: the stored practice exam is kept"}));
    EXPECT_EQ(Rows(add.bankPath, "SELECT * FROM PRACTICE_EXAM"), std::vector<std::string>{"BOOK1|2|50|10|section|"});
    request.keepExam = false;
    changes.clear();
    ASSERT_EQ(Import(request, &changes), std::vector<std::string>{});
    EXPECT_EQ(changes, std::vector<std::string>{"One: the stored practice exam is dropped (--no-exam)"});
    EXPECT_EQ(Rows(add.bankPath, "SELECT name FROM sqlite_master WHERE name = 'PRACTICE_EXAM'"),
              std::vector<std::string>{});
}

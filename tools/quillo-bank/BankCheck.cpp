#include "BankCheck.h"

#include "BankQuery.h"
#include "BankText.h"
#include "Excerpt.h"
#include "FigureFolder.h"
#include "HeldRows.h"

#include "afx/PictureFile.h"
#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"

#include <sqlite3.h>

#include <map>
#include <sys/stat.h>

namespace banktool {
namespace {

constexpr int kQuestionColumns = 13;

class Checker {
public:
    Checker(litex::SQLiteDatabase& database, std::string folder, CheckSummary& summary)
        : m_database(database), m_folder(std::move(folder)), m_summary(summary)
    {}

    std::vector<std::string> Run()
    {
        for (const char* table : {"BOOKNAMES", "NUMBER_OF_QUESTIONS", "BOOK1"})
            if (!TableExists(table))
                m_problems.push_back(std::string("the table ") + table + " is missing");
        if (TableExists("NUMBER_OF_QUESTIONS"))
            CheckCounts();
        if (TableExists("BOOKNAMES"))
            CheckBooks();
        return std::move(m_problems);
    }

private:
    bool TableExists(const std::string& name)
    {
        BankQuery query(m_database, "SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') AND name = " +
                                        QuotedLiteral(name) + " COLLATE NOCASE");
        return query.Next();
    }

    void CheckCounts()
    {
        BankQuery counts(m_database, "SELECT * FROM NUMBER_OF_QUESTIONS");
        int row = 0;
        while (counts.Next()) {
            ++row;
            const std::string count = counts.Text(1);
            if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos)
                m_problems.push_back("NUMBER_OF_QUESTIONS row " + std::to_string(row) + ": the count \"" +
                                     Excerpt(count) + "\" is not written in decimal digits");
        }
        if (row == 0)
            m_problems.emplace_back("NUMBER_OF_QUESTIONS has no row: a test has no size to start with");
    }

    void CheckBooks()
    {
        BankQuery books(m_database, "SELECT * FROM BOOKNAMES");
        while (books.Next()) {
            ++m_summary.books;
            const std::string table = books.Text(1);
            m_summary.perBook.push_back({books.Text(2)});
            if (const std::string problem = TextProblem(books.Text(2)); !problem.empty())
                m_problems.push_back(Excerpt(table) + ": the title holds " + problem);
            CheckBook(table);
        }
        if (m_summary.books == 0)
            m_problems.emplace_back("BOOKNAMES has no row: there is no book to choose");
    }

    void CheckBook(const std::string& table)
    {
        const std::string shown = Excerpt(table);
        if (!TableExists(table)) {
            m_problems.push_back(shown + ": the book's table is missing");
            return;
        }
        BankQuery questions(m_database, "SELECT * FROM " + QuotedIdentifier(table));
        if (!questions.Prepared()) {
            m_problems.push_back(shown + ": " + questions.Error());
            return;
        }
        if (questions.Columns() < kQuestionColumns)
            m_problems.push_back(shown + ": the table has " + std::to_string(questions.Columns()) +
                                 " columns, fewer than the 13 a question needs");
        if (!HasQuestionColumn(table))
            m_problems.push_back(shown + ": no column is named Question, which the filter searches");
        std::map<std::string, int> seen;
        HeldRows held;
        while (questions.Next()) {
            ++m_summary.questions;
            ++m_summary.perBook.back().questions;
            const std::string number = questions.Text(2);
            const std::string where = shown + " " + (number.empty() ? "(no number)" : Excerpt(number)) + ": ";
            if (number.empty())
                m_problems.push_back(where + "the question number is empty");
            else if (++seen[number] == 2)
                m_problems.push_back(where + "the question number is used more than once");
            const std::string correct = questions.Text(3);
            if (correct.empty() || correct[0] < 'A' || correct[0] > 'D')
                m_problems.push_back(where + "the correct answer \"" + Excerpt(correct) +
                                     "\" does not start with A, B, C or D");
            static const char* const kNames[] = {"the question", "answer A", "answer B", "answer C", "answer D"};
            for (int column = 4; column <= 8; ++column) {
                const std::string text = questions.Text(column);
                if (text.find_first_not_of(" \t\r\n") == std::string::npos)
                    m_problems.push_back(where + kNames[column - 4] + " is empty");
                else if (const std::string_view html = LeftoverHtml(text); !html.empty())
                    m_problems.push_back(where + kNames[column - 4] + " holds \"" + Excerpt(html) +
                                         "\", which looks like HTML shown as it was written");
            }
            for (int column = 1; column < questions.Columns() && column < kQuestionColumns; ++column)
                if (const std::string problem = TextProblem(questions.Text(column)); !problem.empty())
                    m_problems.push_back(where + "column " + std::to_string(column) + " holds " + problem);
            held.Add(questions.Columns(), questions.TextBytesHeld());
            CheckDiagram(where, questions.Text(9), questions.Text(10));
            const std::string wording = questions.Text(4);
            if (const std::string_view figure = NumberedFigureIn(wording); !figure.empty() && questions.Text(9).empty())
                m_problems.push_back(where + "the wording names figure " + Excerpt(figure) +
                                     " but the question has no diagram: nobody can answer it");
        }
        if (const std::string tooLarge = held.Problem(); !tooLarge.empty())
            m_problems.push_back(shown + ": " + tooLarge);
    }

    bool HasQuestionColumn(const std::string& table)
    {
        BankQuery columns(m_database, "SELECT 1 FROM pragma_table_info(" + QuotedLiteral(table) +
                                          ") WHERE name = 'Question' COLLATE NOCASE");
        return columns.Next();
    }

    // The program hands "folder/name.bmp" to the viewer, reading
    // backslashes in the folder as separators.
    void CheckDiagram(const std::string& where, const std::string& name, std::string folder)
    {
        if (name.empty())
            return;
        for (char& ch : folder)
            if (ch == '\\')
                ch = '/';
        const std::string relative = (folder.empty() ? std::string() : folder + "/") + name + ".bmp";
        const std::string path = relative[0] == '/' ? relative : m_folder + relative;
        if (!afx::ExistingPicture(path).empty()) {
            ++m_summary.figures;
            ++m_summary.perBook.back().figures;
        } else
            m_problems.push_back(where + "the diagram " + Excerpt(relative) + " is not beside the bank");
    }

    litex::SQLiteDatabase& m_database;
    std::string m_folder;
    CheckSummary& m_summary;
    std::vector<std::string> m_problems;
};

} // namespace

std::vector<std::string> CheckBank(const std::string& bankPath, CheckSummary& summary)
{
    struct stat info {};
    if (stat(bankPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return {bankPath + ": no such bank file"};
    litex::SQLiteDatabase database;
    const std::string problem = litex::OpenQuestionBank(database, bankPath.c_str());
    if (database.Handle() == nullptr || !problem.empty())
        return {bankPath + ": cannot be opened"};
    if (sqlite3_exec(database.Handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
        return {bankPath + ": " + sqlite3_errmsg(database.Handle())};
    const size_t slash = database.m_strPath.rfind('/');
    try {
        return Checker(database, database.m_strPath.substr(0, slash + 1), summary).Run();
    } catch (const BankReadError& e) {
        return {e.what()};
    }
}

} // namespace banktool

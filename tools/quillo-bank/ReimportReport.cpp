#include "ReimportReport.h"

#include "BankQuery.h"

#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"

#include <algorithm>
#include <map>
#include <set>
#include <sys/stat.h>

namespace banktool {

namespace {

struct OldQuestion {
    std::string wording;
    std::string correct;
};
using OldBook = std::map<std::string, OldQuestion>;

// Title to table, each table's questions by number, the books' order, and
// the tables a practice exam is stored for.
struct OldBank {
    std::map<std::string, std::string> tables;
    std::map<std::string, OldBook> books;
    std::vector<std::string> titlesInOrder;
    std::set<std::string> examTables;
};

// Only a table named as this tool names them is kept: the name goes into
// the new bank's SQL as it stands.
bool IsOurTableName(const std::string& table)
{
    return table.size() > 4 && table.size() < 12 && table.compare(0, 4, "BOOK") == 0 &&
           table.find_first_not_of("0123456789", 4) == std::string::npos;
}

OldBank ReadOldBank(litex::SQLiteDatabase& database)
{
    OldBank bank;
    BankQuery titles(database, "SELECT TableName, Title FROM BOOKNAMES ORDER BY ID");
    while (titles.Next())
        if (IsOurTableName(titles.Text(0)) && bank.tables.emplace(titles.Text(1), titles.Text(0)).second)
            bank.titlesInOrder.push_back(titles.Text(1));
    BankQuery exams(database, "SELECT TableName FROM PRACTICE_EXAM");
    while (exams.Next())
        bank.examTables.insert(exams.Text(0));
    for (const auto& [title, table] : bank.tables) {
        BankQuery questions(database, "SELECT Number, Question, Answer FROM " + QuotedIdentifier(table));
        OldBook& book = bank.books[table];
        while (questions.Next())
            book[questions.Text(0)] = {questions.Text(1), questions.Text(2)};
    }
    return bank;
}

// "added 3: E1A15, E1A16, E2B01"; at most twenty numbers are listed.
std::string Listed(const std::string& book, const char* what, const std::vector<std::string>& numbers)
{
    std::string line = book + ": " + what + " " + std::to_string(numbers.size()) + ":";
    for (size_t i = 0; i < numbers.size() && i < 20; ++i)
        line += (i ? ", " : " ") + numbers[i];
    if (numbers.size() > 20)
        line += ", ...";
    return line;
}

void CompareBook(const std::string& title, const std::vector<Question>& questions, const OldBook& old,
                 std::vector<std::string>& changes)
{
    std::vector<std::string> added;
    std::vector<std::string> reworded;
    std::vector<std::string> answered;
    std::vector<std::string> withdrawn;
    std::set<std::string_view> stayed;
    for (const Question& question : questions) {
        const std::string number(question[kNumber]);
        const auto before = old.find(number);
        if (before == old.end()) {
            added.push_back(number);
            continue;
        }
        stayed.insert(question[kNumber]);
        if (before->second.wording != question[kQuestion])
            reworded.push_back(number);
        if (before->second.correct != question[kCorrect])
            answered.push_back(number);
    }
    for (const auto& [number, question] : old)
        if (!stayed.count(number))
            withdrawn.push_back(number);
    const std::pair<const char*, const std::vector<std::string>*> kinds[] = {{"added", &added},
                                                                             {"withdrawn", &withdrawn},
                                                                             {"other wording", &reworded},
                                                                             {"other correct answer", &answered}};
    for (const auto& [what, numbers] : kinds)
        if (!numbers->empty())
            changes.push_back(Listed(title, what, *numbers));
}

int TableNumber(const std::string& table)
{
    return std::stoi(table.substr(4));
}

void KeepOrDropExams(const OldBank& old, const KeptFromBank& keep, std::vector<BookToWrite>& books,
                     std::vector<std::string>& changes)
{
    for (BookToWrite& book : books) {
        if (!old.examTables.count(book.table))
            continue;
        book.examKept = keep.exam && !(keep.newExam && book.questions != nullptr);
        if (book.questions == nullptr)
            continue;
        changes.push_back(book.title + ": the stored practice exam is " +
                          (book.examKept ? "kept"
                           : keep.exam   ? "replaced by --exam"
                                         : "dropped (--no-exam)"));
    }
}

} // namespace

std::vector<std::string> CompareWithBank(const std::string& bankPath, std::vector<BookToWrite>& books,
                                         const KeptFromBank& keep)
{
    OldBank old;
    std::vector<std::string> changes;
    struct stat info {};
    if (stat(bankPath.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        litex::SQLiteDatabase database;
        const std::string problem = litex::OpenQuestionBank(database, bankPath.c_str());
        try {
            if (problem.empty() && database.Handle() != nullptr)
                old = ReadOldBank(database);
        } catch (const BankReadError& e) {
            changes.push_back(std::string("the bank in place could not be compared: ") + e.what());
        }
    }
    // A book keeps its old table once; the books left get the lowest free,
    // past the tables of the books that stay as they are.
    std::set<std::string> reused;
    std::vector<bool> kept;
    for (const BookToWrite& book : books) {
        const auto table = old.tables.find(book.title);
        kept.push_back(table != old.tables.end() && reused.insert(table->second).second);
    }
    std::set<std::string> taken = reused;
    if (keep.otherBooks)
        for (const auto& [title, table] : old.tables)
            taken.insert(table);
    int next = 1;
    for (size_t b = 0; b < books.size(); ++b) {
        BookToWrite& book = books[b];
        if (kept[b]) {
            book.table = old.tables[book.title];
            CompareBook(book.title, *book.questions, old.books[book.table], changes);
            old.tables.erase(book.title);
            continue;
        }
        while (taken.count("BOOK" + std::to_string(next)))
            ++next;
        book.table = "BOOK" + std::to_string(next++);
        if (!old.books.empty())
            changes.push_back(book.title + ": a new book, " + std::to_string(book.questions->size()) + " questions");
    }
    for (const std::string& title : old.titlesInOrder) {
        const auto table = old.tables.find(title);
        if (table == old.tables.end())
            continue;
        if (keep.otherBooks)
            books.push_back({table->second, title, nullptr});
        else
            changes.push_back(title + ": the book is withdrawn, " + std::to_string(old.books[table->second].size()) +
                              " questions");
    }
    if (keep.otherBooks)
        std::stable_sort(books.begin(), books.end(), [](const BookToWrite& a, const BookToWrite& b) {
            return TableNumber(a.table) < TableNumber(b.table);
        });
    KeepOrDropExams(old, keep, books, changes);
    return changes;
}

} // namespace banktool

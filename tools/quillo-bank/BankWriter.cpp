#include "BankWriter.h"

#include "afx/DocumentFile.h"

#include <sqlite3.h>

#include <algorithm>

namespace banktool {

std::string BankWriter::Write(const std::vector<BookToWrite>& books, const std::vector<std::string>& counts,
                              const std::string& diagramFolder, const std::vector<std::string>& exam)
{
    if (m_db.Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK)
        return Failed();
    // Attached before the transaction, which ATTACH cannot join.
    if (!AttachBankInPlace(books))
        return Failed();
    if (!Exec("PRAGMA journal_mode=OFF; BEGIN;"
              "CREATE TABLE BOOKNAMES(ID INTEGER PRIMARY KEY, TableName TEXT, Title TEXT);"
              "CREATE TABLE NUMBER_OF_QUESTIONS(ID INTEGER PRIMARY KEY, Count TEXT);"))
        return Failed();
    for (size_t i = 0; i < counts.size(); ++i)
        if (!Insert("INSERT INTO NUMBER_OF_QUESTIONS VALUES(?1, ?2)", static_cast<int>(i) + 1,
                    std::array<std::string_view, 1>{counts[i]}))
            return Failed();
    for (size_t b = 0; b < books.size(); ++b)
        if (!WriteBook(static_cast<int>(b) + 1, books[b], diagramFolder))
            return Failed();
    if (!WriteExams(books, exam) || !WriteExplanations(books))
        return Failed();
    if (!Exec("COMMIT"))
        return Failed();
    m_insert.Finalize();
    return Publish();
}

bool BankWriter::Exec(const char* sql)
{
    return sqlite3_exec(m_db.Handle(), sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string BankWriter::Failed() const
{
    return m_path + ": " + (m_db.Handle() ? sqlite3_errmsg(m_db.Handle()) : "cannot be created");
}

bool BankWriter::Prepare(const std::string& sql)
{
    m_insert.Finalize();
    return m_insert.Prepare(sql.c_str()) == SQLITE_OK;
}

template <size_t N>
bool BankWriter::Run(int key, const std::array<std::string_view, N>& texts)
{
    sqlite3_stmt* insert = m_insert.Handle();
    sqlite3_reset(insert);
    sqlite3_bind_int(insert, 1, key);
    // A null pointer would bind NULL; every text here is text, if empty.
    for (size_t i = 0; i < N; ++i)
        sqlite3_bind_text(insert, static_cast<int>(i) + 2, texts[i].data() ? texts[i].data() : "",
                          static_cast<int>(texts[i].size()), SQLITE_STATIC);
    return sqlite3_step(insert) == SQLITE_DONE;
}

template <size_t N>
bool BankWriter::Insert(const char* sql, int key, const std::array<std::string_view, N>& texts)
{
    return Prepare(sql) && Run(key, texts);
}

// Only what a copy needs is read from the bank in place, and only when a
// book or an exam is copied.
bool BankWriter::AttachBankInPlace(const std::vector<BookToWrite>& books)
{
    const bool needed = std::any_of(books.begin(), books.end(),
                                    [](const BookToWrite& book) { return !book.questions || book.examKept; });
    return !needed || Insert("ATTACH DATABASE ?2 AS old", 0, std::array<std::string_view, 1>{std::string_view(m_path)});
}

bool BankWriter::WriteBook(int key, const BookToWrite& book, const std::string& folder)
{
    if (!Insert("INSERT INTO BOOKNAMES VALUES(?1, ?2, ?3)", key,
                std::array<std::string_view, 2>{book.table, book.title}))
        return false;
    const std::string create = "CREATE TABLE " + book.table +
                               "(ID INTEGER PRIMARY KEY, Section TEXT, Number TEXT, Answer TEXT, Question TEXT,"
                               " A TEXT, B TEXT, C TEXT, D TEXT, Diagram TEXT, Folder TEXT, Note1 TEXT, Note2 TEXT)";
    if (!Exec(create.c_str()))
        return false;
    if (book.questions == nullptr)
        return CopyBook(book);
    if (!Prepare("INSERT INTO " + book.table + " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"))
        return false;
    int id = 0;
    for (const Question& q : *book.questions) {
        const std::string_view questionFolder = q[kDiagram].empty() ? std::string_view() : folder;
        if (!Run(++id, std::array<std::string_view, 12>{q[kSection], q[kNumber], q[kCorrect], q[kQuestion], q[kA],
                                                        q[kB], q[kC], q[kD], q[kDiagram], questionFolder, q[kNote],
                                                        std::string_view()}))
            return false;
    }
    return true;
}

// The table name was checked to be one of ours (BOOKn); a table of any
// other shape than the one written here is not copied.
bool BankWriter::CopyBook(const BookToWrite& book)
{
    const std::string copy = "INSERT INTO main." + book.table + " SELECT * FROM old." + book.table;
    return Exec(copy.c_str());
}

// The program reads the table by its name and columns; see PracticeExamTable.
bool BankWriter::WriteExams(const std::vector<BookToWrite>& books, const std::vector<std::string>& exam)
{
    const bool any = std::any_of(books.begin(), books.end(), [&exam](const BookToWrite& book) {
        return book.examKept || (!exam.empty() && book.questions != nullptr);
    });
    if (!any)
        return true;
    if (!Exec("CREATE TABLE PRACTICE_EXAM(TableName TEXT, Questions INTEGER, PassMark INTEGER, Minutes INTEGER,"
              " Draw TEXT)"))
        return false;
    for (const BookToWrite& book : books) {
        if (book.examKept) {
            if (!Insert("INSERT INTO PRACTICE_EXAM SELECT TableName, Questions, PassMark, Minutes, Draw"
                        " FROM old.PRACTICE_EXAM WHERE TableName = ?2",
                        0, std::array<std::string_view, 1>{book.table}))
                return false;
        } else if (!exam.empty() && book.questions != nullptr &&
                   !Insert("INSERT INTO PRACTICE_EXAM VALUES(?2, ?3, ?4, ?5, ?6)", 0,
                           std::array<std::string_view, 5>{book.table, exam[0], exam[1], exam[2], exam[3]})) {
            return false;
        }
    }
    return true;
}

// A copied book keeps its explanations.
bool BankWriter::WriteExplanations(const std::vector<BookToWrite>& books)
{
    const auto explained = [](const Question& question) { return !question[kExplanation].empty(); };
    const bool copied =
        std::any_of(books.begin(), books.end(), [](const BookToWrite& book) { return !book.questions; });
    const bool any = std::any_of(books.begin(), books.end(), [&explained](const BookToWrite& book) {
        return book.questions && std::any_of(book.questions->begin(), book.questions->end(), explained);
    });
    const bool keep = copied && BankInPlaceHasExplanations();
    if (!any && !keep)
        return true;
    if (!Exec(
            "CREATE TABLE EXPLANATION(TableName TEXT, Number TEXT, Explanation TEXT, PRIMARY KEY(TableName, Number))"))
        return false;
    for (const BookToWrite& book : books) {
        if (book.questions == nullptr) {
            if (keep && !Insert("INSERT OR IGNORE INTO EXPLANATION SELECT TableName, Number, Explanation"
                                " FROM old.EXPLANATION WHERE TableName = ?2",
                                0, std::array<std::string_view, 1>{book.table}))
                return false;
            continue;
        }
        if (!Prepare("INSERT OR IGNORE INTO EXPLANATION VALUES(?2, ?3, ?4)"))
            return false;
        for (const Question& question : *book.questions)
            if (explained(question) &&
                !Run(0, std::array<std::string_view, 3>{book.table, question[kNumber], question[kExplanation]}))
                return false;
    }
    return true;
}

bool BankWriter::BankInPlaceHasExplanations()
{
    bool found = false;
    const auto seen = [](void* flag, int, char**, char**) {
        *static_cast<bool*>(flag) = true;
        return 0;
    };
    return sqlite3_exec(m_db.Handle(), "SELECT 1 FROM old.sqlite_master WHERE type = 'table' AND name = 'EXPLANATION'",
                        seen, &found, nullptr) == SQLITE_OK &&
           found;
}

// The bank's bytes go through the program's own save, which writes them
// beside the old file, flushed, and renames them into place.
std::string BankWriter::Publish()
{
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(m_db.Handle(), "main", &size, 0);
    if (image == nullptr)
        return m_path + ": too large to be written";
    const std::string bytes(reinterpret_cast<const char*>(image), static_cast<size_t>(size));
    sqlite3_free(image);
    m_db.Close();
    const afx::FileFault fault = afx::ReplaceFileContents(m_path, bytes);
    if (fault == afx::FileFault::none)
        return std::string();
    return m_path + (fault == afx::FileFault::diskFull ? ": the disk is full" : ": cannot be written");
}

} // namespace banktool

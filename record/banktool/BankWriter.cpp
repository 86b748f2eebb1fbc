#include "BankWriter.h"

#include "afx/DocumentFile.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace banktool {

BankWriter::~BankWriter()
{
    sqlite3_finalize(m_insert);
    sqlite3_close(m_db);
    if (!m_temporary.empty())
        unlink(m_temporary.c_str());
}

std::string BankWriter::Write(const std::vector<BookToWrite>& books, const std::vector<std::string>& counts,
                              const std::string& diagramFolder, const std::vector<std::string>& exam)
{
    const size_t slash = m_path.rfind('/');
    m_temporary = (slash == std::string::npos ? std::string() : m_path.substr(0, slash + 1)) + ".quillo-bank-XXXXXX";
    const int fd = mkostemp(&m_temporary[0], O_CLOEXEC);
    if (fd < 0) {
        m_temporary.clear();
        return m_path + ": cannot be written in its folder";
    }
    close(fd);
    if (sqlite3_open_v2(m_temporary.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return Failed();
    // Nothing needs a journal: a bank that is not whole is never renamed
    // into place.
    if (!Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"
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
    if (!exam.empty() && !WriteExams(books, exam))
        return Failed();
    if (!Exec("COMMIT"))
        return Failed();
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
    if (sqlite3_close(m_db) != SQLITE_OK)
        return Failed();
    m_db = nullptr;
    return Publish();
}

bool BankWriter::Exec(const char* sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string BankWriter::Failed() const
{
    return m_path + ": " + (m_db ? sqlite3_errmsg(m_db) : "cannot be created");
}

bool BankWriter::Prepare(const std::string& sql)
{
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
    return sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insert, nullptr) == SQLITE_OK;
}

template <size_t N>
bool BankWriter::Run(int key, const std::array<std::string_view, N>& texts)
{
    sqlite3_reset(m_insert);
    sqlite3_bind_int(m_insert, 1, key);
    // A null pointer would bind NULL; every text here is text, if empty.
    for (size_t i = 0; i < N; ++i)
        sqlite3_bind_text(m_insert, static_cast<int>(i) + 2, texts[i].data() ? texts[i].data() : "",
                          static_cast<int>(texts[i].size()), SQLITE_STATIC);
    return sqlite3_step(m_insert) == SQLITE_DONE;
}

template <size_t N>
bool BankWriter::Insert(const char* sql, int key, const std::array<std::string_view, N>& texts)
{
    return Prepare(sql) && Run(key, texts);
}

bool BankWriter::WriteBook(int key, const BookToWrite& book, const std::string& folder)
{
    if (!Insert("INSERT INTO BOOKNAMES VALUES(?1, ?2, ?3)", key,
                std::array<std::string_view, 2>{book.table, book.title}))
        return false;
    const std::string create = "CREATE TABLE " + book.table +
                               "(ID INTEGER PRIMARY KEY, Section TEXT, Number TEXT, Answer TEXT, Question TEXT,"
                               " A TEXT, B TEXT, C TEXT, D TEXT, Diagram TEXT, Folder TEXT, Note1 TEXT, Note2 TEXT)";
    if (!Exec(create.c_str()) ||
        !Prepare("INSERT INTO " + book.table + " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"))
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

// The program reads the table by its name and columns; see PracticeExamTable.
bool BankWriter::WriteExams(const std::vector<BookToWrite>& books, const std::vector<std::string>& exam)
{
    if (!Exec("CREATE TABLE PRACTICE_EXAM(TableName TEXT, Questions INTEGER, PassMark INTEGER, Minutes INTEGER,"
              " Draw TEXT)"))
        return false;
    for (const BookToWrite& book : books)
        if (!Insert("INSERT INTO PRACTICE_EXAM VALUES(?2, ?3, ?4, ?5, ?6)", 0,
                    std::array<std::string_view, 5>{book.table, exam[0], exam[1], exam[2], exam[3]}))
            return false;
    return true;
}

std::string BankWriter::Publish()
{
    const int fd = open(m_temporary.c_str(), O_RDWR | O_CLOEXEC);
    const mode_t mask = umask(0);
    umask(mask);
    const bool synced = fd >= 0 && fchmod(fd, 0666 & ~mask) == 0 && fsync(fd) == 0;
    if (fd >= 0)
        close(fd);
    if (!synced || rename(m_temporary.c_str(), m_path.c_str()) != 0)
        return m_path + ": cannot be written";
    m_temporary.clear();
    afx::SyncFolderOf(m_path);
    return std::string();
}

} // namespace banktool

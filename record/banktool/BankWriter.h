#pragma once
// Writes a whole question bank beside its final place and renames it there
// only once every row is in: a bank is never left half written.

#include "SourceBook.h"

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace banktool {

struct BookToWrite {
    std::string table; // BOOK1, BOOK2, ...
    std::string title;
    const std::vector<Question>* questions;
};

class BankWriter {
public:
    explicit BankWriter(const std::string& path) : m_path(path) {}
    ~BankWriter();
    BankWriter(const BankWriter&) = delete;
    BankWriter& operator=(const BankWriter&) = delete;

    // The empty text, or what failed, naming the bank. exam, when not
    // empty, is the practice exam of every book, as the request holds it.
    std::string Write(const std::vector<BookToWrite>& books, const std::vector<std::string>& counts,
                      const std::string& diagramFolder, const std::vector<std::string>& exam);

private:
    bool Exec(const char* sql);
    std::string Failed() const;
    bool Prepare(const std::string& sql);
    template <size_t N>
    bool Run(int key, const std::array<std::string_view, N>& texts);
    template <size_t N>
    bool Insert(const char* sql, int key, const std::array<std::string_view, N>& texts);
    bool WriteBook(int key, const BookToWrite& book, const std::string& folder);
    bool WriteExams(const std::vector<BookToWrite>& books, const std::vector<std::string>& exam);
    std::string Publish();

    std::string m_path;
    std::string m_temporary;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
};

} // namespace banktool

#pragma once
// Builds a whole question bank in memory and saves it as a document is
// saved: a bank is never left half written. Explanations go to a table of
// their own, EXPLANATION (TableName, Number, Explanation), which readers of
// the book tables never look at; a bank with none has no such table.

#include "SourceBook.h"

#include "bank/SQLiteDatabase.h"
#include "bank/SQLiteStatement.h"

#include <string>
#include <vector>

namespace banktool {

struct BookToWrite {
    std::string table; // BOOK1, BOOK2, ...
    std::string title;
    // Null for a book copied as it is from the bank in place.
    const std::vector<Question>* questions;
    // The book's row of the practice exam comes from the bank in place.
    bool examKept = false;
};

class BankWriter {
public:
    explicit BankWriter(const std::string& path) : m_path(path) {}

    // The empty text, or what failed, naming the bank. exam, when not
    // empty, is the practice exam of every book read from a file, as the
    // request holds it. Copied books and kept exams are read from the bank
    // in place, which is replaced only once the new one is whole.
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
    bool CopyBook(const BookToWrite& book);
    bool WriteExams(const std::vector<BookToWrite>& books, const std::vector<std::string>& exam);
    bool WriteExplanations(const std::vector<BookToWrite>& books);
    bool BankInPlaceHasExplanations();
    bool AttachBankInPlace(const std::vector<BookToWrite>& books);
    std::string Publish();

    std::string m_path;
    litex::SQLiteDatabase m_db;
    // Declared after the connection, so that it is finalised before the
    // connection closes.
    litex::SQLiteStatement m_insert{&m_db};
};

} // namespace banktool

#pragma once
// Importing a book, from CSV and from each other format the bank tool
// reads, against the plainest way to store the same rows: one prepared
// insert a row, in one transaction.

#include <array>
#include <string>
#include <vector>

struct sqlite3;

class ImportBench {
public:
    // Takes BOOK1 of db as the book to import, written out as CSV in folder.
    ImportBench(sqlite3* db, const std::string& folder);
    ~ImportBench();
    ImportBench(const ImportBench&) = delete;
    ImportBench& operator=(const ImportBench&) = delete;

    // The formats' names for --format, and the file each is written to.
    static const std::vector<std::pair<std::string, std::string>>& Formats();

    int Rows() const { return static_cast<int>(m_rows.size()); }
    void Import(const std::string& file);
    void PlainInserts();

private:
    void WriteOtherFormats() const;

    std::string m_folder;
    std::string m_csv;
    std::vector<std::array<std::string, 9>> m_rows;
};

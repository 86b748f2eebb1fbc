#include "ImportBench.h"

#include "record/banktool/BankImport.h"
#include "record/banktool/Csv.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
// BOOK1's columns in the order of the import columns.
constexpr int kColumnOf[9] = {2, 3, 4, 5, 6, 7, 8, 9, 1};
} // namespace

ImportBench::ImportBench(sqlite3* db, const std::string& folder) : m_folder(folder), m_csv(folder + "/book.csv")
{
    std::filesystem::create_directories(folder);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM 'BOOK1'", -1, &statement, nullptr);
    std::ofstream out(m_csv, std::ios::binary | std::ios::trunc);
    for (int c = 0; c < 9; ++c)
        out << (c ? "," : "") << banktool::kCsvColumns[c];
    out << "\n";
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::array<std::string, 9> row;
        for (int c = 0; c < 9; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, kColumnOf[c]));
            row[static_cast<size_t>(c)] = text ? text : "";
            out << (c ? "," : "") << banktool::CsvField(row[static_cast<size_t>(c)]);
        }
        out << "\n";
        m_rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
}

ImportBench::~ImportBench()
{
    std::filesystem::remove_all(m_folder);
}

void ImportBench::Import()
{
    const auto problems =
        banktool::ImportBank({m_folder + "/imported.db", {{"Generated", m_csv}}, {"50"}, "figures", true});
    for (const std::string& problem : problems)
        std::fprintf(stderr, "quillo-bench: %s\n", problem.c_str());
}

void ImportBench::PlainInserts()
{
    const std::string path = m_folder + "/plain.db";
    std::filesystem::remove(path);
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "BEGIN; CREATE TABLE BOOK1(ID INTEGER PRIMARY KEY, Section, Number, Answer, Question, A, B, C, D,"
                 " Diagram, Folder, Note1, Note2);",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO BOOK1 VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, '', '', '')", -1,
                       &insert, nullptr);
    int id = 0;
    for (const auto& row : m_rows) {
        sqlite3_bind_int(insert, 1, ++id);
        sqlite3_bind_text(insert, 2, row[8].data(), static_cast<int>(row[8].size()), SQLITE_STATIC);
        for (int c = 0; c < 8; ++c)
            sqlite3_bind_text(insert, c + 3, row[static_cast<size_t>(c)].data(),
                              static_cast<int>(row[static_cast<size_t>(c)].size()), SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

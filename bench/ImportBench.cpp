#include "ImportBench.h"

#include "tools/quillo-bank/BankImport.h"
#include "tools/quillo-bank/Csv.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {
// BOOK1's columns in the order of the import columns.
constexpr int kColumnOf[9] = {2, 3, 4, 5, 6, 7, 8, 9, 1};
enum { kNumber, kCorrect, kQuestion, kA };

std::string Escaped(const std::string& text, const char* specials, bool xml)
{
    std::string escaped;
    for (const char ch : text) {
        if (std::strchr(specials, ch) == nullptr)
            escaped += ch;
        else if (!xml)
            escaped.append({'\\', ch});
        else
            escaped += ch == '<' ? "&lt;" : ch == '>' ? "&gt;" : "&amp;";
    }
    return escaped;
}
} // namespace

const std::vector<std::pair<std::string, std::string>>& ImportBench::Formats()
{
    static const std::vector<std::pair<std::string, std::string>> formats = {{"csv", "book.csv"},
                                                                             {"pool", "book.txt"},
                                                                             {"aiken", "book.aiken"},
                                                                             {"gift", "book.gift"},
                                                                             {"moodle", "book.xml"}};
    return formats;
}

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
    WriteOtherFormats();
}

// The same questions as a pool's text, Aiken, GIFT and Moodle XML; the
// generated texts are one line each.
void ImportBench::WriteOtherFormats() const
{
    std::ofstream pool(m_folder + "/book.txt", std::ios::binary | std::ios::trunc);
    std::ofstream aiken(m_folder + "/book.aiken", std::ios::binary | std::ios::trunc);
    std::ofstream gift(m_folder + "/book.gift", std::ios::binary | std::ios::trunc);
    std::ofstream xml(m_folder + "/book.xml", std::ios::binary | std::ios::trunc);
    xml << "<?xml version=\"1.0\"?>\n<quiz>\n";
    for (const auto& row : m_rows) {
        pool << "Q" << row[kNumber] << " (" << row[kCorrect] << ")\n" << row[kQuestion] << "\n";
        aiken << row[kQuestion] << "\n";
        gift << "::" << Escaped(row[kNumber], "~=#{}:\\", false) << ":: " << Escaped(row[kQuestion], "~=#{}:\\", false)
             << " {\n";
        xml << "<question type=\"multichoice\"><name><text>" << Escaped(row[kNumber], "<>&", true)
            << "</text></name><questiontext format=\"plain_text\"><text>" << Escaped(row[kQuestion], "<>&", true)
            << "</text></questiontext>\n";
        for (int answer = 0; answer < 4; ++answer) {
            const std::string& text = row[static_cast<size_t>(kA + answer)];
            const char letter = static_cast<char>('A' + answer);
            const bool right = row[kCorrect][0] == letter;
            pool << letter << ". " << text << "\n";
            aiken << letter << ". " << text << "\n";
            gift << (right ? "=" : "~") << Escaped(text, "~=#{}:\\", false) << "\n";
            xml << "<answer fraction=\"" << (right ? 100 : 0) << "\"><text>" << Escaped(text, "<>&", true)
                << "</text></answer>\n";
        }
        pool << "~~\n\n";
        aiken << "ANSWER: " << row[kCorrect] << "\n\n";
        gift << "}\n\n";
        xml << "</question>\n";
    }
    xml << "</quiz>\n";
}

ImportBench::~ImportBench()
{
    std::filesystem::remove_all(m_folder);
}

// A first import: replacing a bank would also read the old one, to list
// what changed.
void ImportBench::Import(const std::string& file)
{
    std::filesystem::remove(m_folder + "/imported.db");
    const auto problems = banktool::ImportBank(
        {m_folder + "/imported.db", {{"Generated", m_folder + "/" + file}}, {"50"}, "figures", true, "", {}});
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
    sqlite3_prepare_v2(db, "INSERT INTO BOOK1 VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, '', '', '')", -1, &insert,
                       nullptr);
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

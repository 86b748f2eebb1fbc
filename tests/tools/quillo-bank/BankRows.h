#pragma once
// The rows a query gives on a bank, each as its columns joined with "|",
// NULL written as <null>: what a test compares a written bank with.

#include <sqlite3.h>

#include <string>
#include <vector>

inline std::vector<std::string> Rows(const std::string& bank, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(bank.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
    std::vector<std::string> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::string row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            row += std::string(text ? text : "<null>") + "|";
        }
        rows.push_back(row);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

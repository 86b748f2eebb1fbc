#pragma once
// The rows a query has produced so far, copied as they are stepped, so that
// a recordset can go back to any of them without running the query again.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;

namespace litex {

class RowCache {
public:
    void Clear();

    // Copies every column of the statement's current row.
    void Capture(sqlite3_stmt* statement);
    int RowCount() const { return m_columns == 0 ? 0 : static_cast<int>(m_cells.size()) / m_columns; }

    // A column the query does not have reads as NULL, as SQLite reports it.
    bool IsNull(int row, int column) const { return Cell(row, column).text == nullptr; }
    int GetInt(int row, int column) const { return Cell(row, column).integer; }
    // UTF-8 as the query gave it; only for a column that is not NULL.
    const char* GetText(int row, int column) const { return Cell(row, column).text; }
    // The column read as ANSI text, empty for NULL.
    std::string GetAnsiText(int row, int column) const;

    // The first held row whose column reads as text, or -1. Rows captured
    // later are taken into the index on the next call.
    int FindFirst(int column, const std::string& text);

private:
    struct CellValue {
        const char* text = nullptr;
        int32_t integer = 0;
    };
    const CellValue& Cell(int row, int column) const;
    const char* Keep(const char* text);

    int m_columns = 0;
    // A deque grows without moving what it holds: no moment holds two copies.
    std::deque<CellValue> m_cells;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_blockFree = 0;
    char* m_blockNext = nullptr;

    int m_indexedColumn = -1;
    int m_indexedRows = 0;
    std::unordered_map<std::string, int> m_firstRowByText;
};

} // namespace litex

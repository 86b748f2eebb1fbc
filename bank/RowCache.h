#pragma once
// The rows a query has produced so far, copied as they are stepped, so that
// a recordset can go back to any of them without running the query again.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;

namespace litex {

class RowCache {
public:
    // Forgets every row; the storage stays for the next query to fill.
    void Clear();
    // Forgets every row and gives the rows' storage back.
    void Release();

    // One column's texts are also kept packed together, in row order: a
    // test's draws read that column of rows all over the pool, which the
    // rows themselves, spread over megabytes, make a cache miss each.
    void KeepColumnPacked(int column) { m_packedColumn = column; }

    // Copies every column of the statement's current row.
    void Capture(sqlite3_stmt* statement);
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // What the rows held take up, cells and texts.
    size_t BytesHeld() const { return m_bytesHeld; }
    // What one row takes up: its cells, then its texts each with a zero
    // after it (textBytes counts the zeros), aligned as held.
    static size_t RowSize(int columns, size_t textBytes);

    // NULL, and a column the query does not have, read as 0 and "".
    bool IsNull(int row, int column) const { return Cell(row, column).textOffset == kNull; }
    int GetInt(int row, int column) const { return Cell(row, column).integer; }
    // UTF-8 as the query gave it; only for a column that is not NULL.
    const char* GetText(int row, int column) const;
    // The column read as ANSI text, empty for NULL.
    std::string GetAnsiText(int row, int column) const;

    // The first held row whose column reads as text, or -1. Rows captured
    // later are taken into the index on the next call.
    int FindFirst(int column, const std::string& text);

private:
    static constexpr uint32_t kNull = UINT32_MAX;
    // A row is its cells followed by their texts, each ended by a zero.
    struct CellValue {
        uint32_t textOffset = kNull;
        int32_t integer = 0;
    };
    struct ColumnValue {
        const char* text;
        uint32_t size;
        int32_t integer;
    };
    const CellValue& Cell(int row, int column) const;
    void PackColumnOf(const ColumnValue& read);
    char* Allocate(size_t size);

    int m_columns = 0;
    std::vector<const char*> m_rows;
    std::vector<ColumnValue> m_scratch;
    // A block is mapped (and its size given) or from malloc (size 0).
    struct FreeBlock {
        size_t mapped = 0;
        void operator()(char* block) const;
    };
    using Block = std::unique_ptr<char[], FreeBlock>;
    static Block NewBlock(size_t size, bool huge);
    std::vector<Block> m_blocks;
    std::vector<size_t> m_blockSizes;
    size_t m_block = 0;
    size_t m_blockUsed = 0;
    size_t m_bytesHeld = 0;

    int m_packedColumn = -1;
    // Where each row's text starts in m_packedTexts, kNull for NULL.
    std::vector<uint32_t> m_packedOffsets;
    std::vector<char> m_packedTexts;

    // The first row of each text in the indexed column.
    int m_indexedColumn = -1;
    int m_indexedRows = 0;
    int m_scans = 0;
    std::unordered_map<std::string, int> m_index;
};

} // namespace litex

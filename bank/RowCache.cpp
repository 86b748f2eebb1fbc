#include "RowCache.h"

#include "TextConversion.h"

#include <sqlite3.h>

#include <cstring>

namespace litex {

namespace {
constexpr size_t kBlockSize = 64 * 1024;
const char kEmpty[] = "";
} // namespace

void RowCache::Clear()
{
    m_columns = 0;
    m_cells.clear();
    m_blocks.clear();
    m_blockFree = 0;
    m_blockNext = nullptr;
    m_indexedColumn = -1;
    m_indexedRows = 0;
    m_firstRowByText.clear();
}

// Type first: SQLite leaves it undefined once a value has been converted.
void RowCache::Capture(sqlite3_stmt* statement)
{
    m_columns = sqlite3_column_count(statement);
    for (int column = 0; column < m_columns; ++column) {
        CellValue cell;
        if (sqlite3_column_type(statement, column) != SQLITE_NULL) {
            cell.integer = sqlite3_column_int(statement, column);
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            cell.text = Keep(text != nullptr ? text : kEmpty);
        }
        m_cells.push_back(cell);
    }
}

const char* RowCache::Keep(const char* text)
{
    const size_t size = std::strlen(text) + 1;
    if (size > m_blockFree) {
        const size_t blockSize = size > kBlockSize ? size : kBlockSize;
        m_blocks.push_back(std::make_unique<char[]>(blockSize));
        m_blockNext = m_blocks.back().get();
        m_blockFree = blockSize;
    }
    char* kept = m_blockNext;
    std::memcpy(kept, text, size);
    m_blockNext += size;
    m_blockFree -= size;
    return kept;
}

const RowCache::CellValue& RowCache::Cell(int row, int column) const
{
    static const CellValue null;
    if (column < 0 || column >= m_columns)
        return null;
    return m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_columns) + static_cast<size_t>(column)];
}

std::string RowCache::GetAnsiText(int row, int column) const
{
    return IsNull(row, column) ? std::string() : Utf8ToAnsi(GetText(row, column));
}

int RowCache::FindFirst(int column, const std::string& text)
{
    if (column != m_indexedColumn) {
        m_firstRowByText.clear();
        m_indexedColumn = column;
        m_indexedRows = 0;
    }
    for (const int rows = RowCount(); m_indexedRows < rows; ++m_indexedRows)
        m_firstRowByText.emplace(GetAnsiText(m_indexedRows, column), m_indexedRows);
    const auto found = m_firstRowByText.find(text);
    return found == m_firstRowByText.end() ? -1 : found->second;
}

} // namespace litex

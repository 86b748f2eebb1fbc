#include "RowCache.h"

#include "TextConversion.h"

#include <sqlite3.h>

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace litex {

namespace {
constexpr size_t kBlockSize = 256 * 1024;
constexpr size_t kHugePage = 2 * 1024 * 1024;
constexpr int kScansBeforeIndex = 3;
constexpr size_t kAlignment = alignof(uint32_t);

// SQLite reads text as a number from its leading sign, digits or point,
// after any white space; text that starts otherwise reads as 0.
bool MayReadAsNumber(char first)
{
    return (first >= '0' && first <= '9') || first == '+' || first == '-' || first == '.' || first == ' ' ||
           (first >= '\t' && first <= '\r');
}
} // namespace

void RowCache::FreeBlock::operator()(char* block) const
{
    if (mapped != 0)
        munmap(block, mapped);
    else
        std::free(block);
}

// A bank's rows are copied into fresh memory, and where the kernel faults
// it in a 4 KB page at a time (on some virtual machines at 10 us a page),
// that costs more than reading the bank. Blocks after the first are mapped
// as whole huge pages, which the kernel may fault in 2 MB at a time, and
// given back when the rows go; a small table stays in its first, ordinary
// block. Measured (bench/window-up.sh): the window on a 50,000-question
// bank is up in 140 ms, and in 215 ms with plain heap blocks; a
// 1,431-question pool takes the same either way.
RowCache::Block RowCache::NewBlock(size_t size, bool huge)
{
    if (!huge) {
        auto* block = static_cast<char*>(std::malloc(size));
        if (block == nullptr)
            throw std::bad_alloc();
        return Block(block);
    }
    size = (size + kHugePage - 1) / kHugePage * kHugePage;
    // Mapped a huge page larger, then trimmed to a huge page's boundary.
    void* mapped = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    char* const start = static_cast<char*>(mapped);
    const auto address = reinterpret_cast<uintptr_t>(start);
    char* const aligned = start + (kHugePage - address % kHugePage) % kHugePage;
    const auto head = static_cast<size_t>(aligned - start);
    if (head != 0)
        munmap(start, head);
    munmap(aligned + size, kHugePage - head);
    madvise(aligned, size, MADV_HUGEPAGE);
    return Block(aligned, FreeBlock{size});
}

void RowCache::Clear()
{
    m_columns = 0;
    m_rows.clear();
    m_block = 0;
    m_blockUsed = 0;
    m_bytesHeld = 0;
    m_packedOffsets.clear();
    m_packedTexts.clear();
    m_indexedColumn = -1;
    m_indexedRows = 0;
    m_index.clear();
    m_scans = 0;
}

// The values are read through sqlite3_column_value, which takes the
// connection's lock once a column; the statement is only ever used from one
// thread. SQLite gives no text for NULL, and an empty BLOB reads as NULL
// does: 0 and "".
void RowCache::Capture(sqlite3_stmt* statement)
{
    m_columns = sqlite3_column_count(statement);
    m_scratch.resize(static_cast<size_t>(m_columns));
    size_t textBytes = 0;
    for (int column = 0; column < m_columns; ++column) {
        sqlite3_value* value = sqlite3_column_value(statement, column);
        const bool isText = sqlite3_value_type(value) == SQLITE_TEXT;
        ColumnValue& read = m_scratch[static_cast<size_t>(column)];
        read.text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        read.size = 0;
        read.integer = 0;
        if (read.text == nullptr)
            continue;
        read.size = static_cast<uint32_t>(sqlite3_value_bytes(value));
        if (!isText || MayReadAsNumber(read.text[0]))
            read.integer = sqlite3_value_int(value);
        textBytes += read.size + 1;
    }
    char* row = Allocate(RowSize(m_columns, textBytes));
    auto* cells = reinterpret_cast<CellValue*>(row);
    auto offset = static_cast<uint32_t>(sizeof(CellValue) * static_cast<size_t>(m_columns));
    for (int column = 0; column < m_columns; ++column) {
        const ColumnValue& read = m_scratch[static_cast<size_t>(column)];
        CellValue cell;
        if (read.text != nullptr) {
            cell.textOffset = offset;
            cell.integer = read.integer;
            std::memcpy(row + offset, read.text, read.size);
            row[offset + read.size] = 0;
            offset += read.size + 1;
        }
        std::memcpy(&cells[column], &cell, sizeof cell);
    }
    m_rows.push_back(row);
    if (m_packedColumn >= 0 && m_packedColumn < m_columns)
        PackColumnOf(m_scratch[static_cast<size_t>(m_packedColumn)]);
}

void RowCache::PackColumnOf(const ColumnValue& read)
{
    if (read.text == nullptr) {
        m_packedOffsets.push_back(kNull);
        return;
    }
    m_packedOffsets.push_back(static_cast<uint32_t>(m_packedTexts.size()));
    m_packedTexts.insert(m_packedTexts.end(), read.text, read.text + read.size + 1);
    m_bytesHeld += read.size + 1 + sizeof(uint32_t);
}

size_t RowCache::RowSize(int columns, size_t textBytes)
{
    const size_t size = sizeof(CellValue) * static_cast<size_t>(columns) + textBytes;
    return (size + kAlignment - 1) / kAlignment * kAlignment;
}

// The size is a row's, already aligned.
char* RowCache::Allocate(size_t size)
{
    if (m_block < m_blocks.size() && m_blockUsed + size > m_blockSizes[m_block]) {
        ++m_block;
        m_blockUsed = 0;
    }
    if (m_block < m_blocks.size() && size > m_blockSizes[m_block]) {
        m_blocks[m_block] = NewBlock(size, false);
        m_blockSizes[m_block] = size;
    }
    if (m_block == m_blocks.size()) {
        const bool huge = !m_blocks.empty();
        const size_t blockSize = std::max(size, huge ? kHugePage : kBlockSize);
        m_blocks.push_back(NewBlock(blockSize, huge));
        m_blockSizes.push_back(blockSize);
    }
    char* allocated = m_blocks[m_block].get() + m_blockUsed;
    m_blockUsed += size;
    m_bytesHeld += size;
    return allocated;
}

// The row index and the packed column stay: they are a small part of what
// the rows took, and a reader closed is mostly opened again at once, on the
// next test's query, which refills them without allocating them anew.
void RowCache::Release()
{
    Clear();
    m_blocks.clear();
    m_blockSizes.clear();
}

const RowCache::CellValue& RowCache::Cell(int row, int column) const
{
    static const CellValue null;
    if (column < 0 || column >= m_columns)
        return null;
    return reinterpret_cast<const CellValue*>(m_rows[static_cast<size_t>(row)])[column];
}

const char* RowCache::GetText(int row, int column) const
{
    return m_rows[static_cast<size_t>(row)] + Cell(row, column).textOffset;
}

std::string RowCache::GetAnsiText(int row, int column) const
{
    if (column == m_packedColumn && column < m_columns) {
        const uint32_t offset = m_packedOffsets[static_cast<size_t>(row)];
        return offset == kNull ? std::string() : Utf8ToAnsi(m_packedTexts.data() + offset);
    }
    return IsNull(row, column) ? std::string() : Utf8ToAnsi(GetText(row, column));
}

// A few look-ups are cheaper as scans than as an index over every row, and
// a test's start looks up one question twice: the index is built once
// moving about the test asks for more.
int RowCache::FindFirst(int column, const std::string& text)
{
    if (column != m_indexedColumn) {
        m_indexedColumn = column;
        m_indexedRows = 0;
        m_index.clear();
        m_scans = 0;
    }
    if (m_scans < kScansBeforeIndex) {
        ++m_scans;
        for (int row = 0; row < RowCount(); ++row)
            if (GetAnsiText(row, column) == text)
                return row;
        return -1;
    }
    // Rows are indexed in order and a text already held keeps its row, so a
    // look-up finds the first row with the text, as a scan from the top would.
    for (; m_indexedRows < RowCount(); ++m_indexedRows)
        m_index.try_emplace(GetAnsiText(m_indexedRows, column), m_indexedRows);
    const auto found = m_index.find(text);
    return found != m_index.end() ? found->second : -1;
}

} // namespace litex

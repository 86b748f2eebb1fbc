#include "HeldRows.h"

#include "bank/BankLimits.h"
#include "bank/RowCache.h"

namespace banktool {

void HeldRows::Add(int columns, size_t textBytes)
{
    ++m_rows;
    m_bytes += litex::RowCache::RowSize(columns, textBytes);
}

std::string HeldRows::Problem() const
{
    // The program stops a query once it holds this many rows.
    const auto mostRows = static_cast<size_t>(litex::kMaxRowsHeld) - 1;
    if (m_rows > mostRows)
        return std::to_string(m_rows) + " questions, more than the " + std::to_string(mostRows) +
               " Quillo reads of one book";
    if (m_bytes > litex::kMaxBytesHeld)
        return std::to_string(m_bytes >> 20) + " MB of questions, more than the " +
               std::to_string(litex::kMaxBytesHeld >> 20) + " MB Quillo takes in of one book";
    return std::string();
}

} // namespace banktool

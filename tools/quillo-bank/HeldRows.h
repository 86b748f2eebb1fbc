#pragma once
// A book's table weighed as the program weighs the rows a query brings
// in, so that a bank the program could not read is refused where it is
// made or checked rather than when a user opens it.

#include <cstddef>
#include <string>

namespace banktool {

class HeldRows {
public:
    // One row of the table; textBytes counts a zero after each text that
    // is not NULL, as the program keeps it.
    void Add(int columns, size_t textBytes);
    // Empty while the program could hold every row; else why not, with
    // the figures.
    std::string Problem() const;

private:
    size_t m_rows = 0;
    size_t m_bytes = 0;
};

} // namespace banktool

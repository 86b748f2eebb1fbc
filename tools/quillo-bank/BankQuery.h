#pragma once
// One read query on an opened bank, for the tools that look into banks
// whole. A query reads every row or fails: each row gets the full time a
// bank's statement may take, so a long bank is read to its end, and a step
// stopped by a limit, the clock or an error throws BankReadError.

#include "bank/SQLiteStatement.h"

#include <stdexcept>
#include <string>

namespace banktool {

// What stopped a query part way, naming the bank.
class BankReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BankQuery {
public:
    BankQuery(litex::SQLiteDatabase& database, const std::string& sql);

    bool Prepared() const { return m_statement.Handle() != nullptr; }
    // The next row; false at the end of the rows. Throws BankReadError.
    bool Next();
    int Columns() const;
    // The column's bytes as stored; empty for NULL or a column past the end.
    std::string Text(int column) const;
    // The row's texts as the program holds them, each with a zero after
    // it; NULL holds none.
    size_t TextBytesHeld() const;
    std::string Error() const;

private:
    litex::SQLiteDatabase& m_database;
    litex::SQLiteStatement m_statement;
};

// A name as one SQL identifier token, and a text as one string literal.
std::string QuotedIdentifier(const std::string& name);
std::string QuotedLiteral(const std::string& text);

} // namespace banktool

#pragma once
// One read query on an opened bank, for the tools that look into banks
// whole; each query gets the full time a bank's statement may take.

#include <string>

struct sqlite3_stmt;

namespace litex { class SQLiteDatabase; }

namespace banktool {

class BankQuery {
public:
    BankQuery(litex::SQLiteDatabase& database, const std::string& sql);
    ~BankQuery();
    BankQuery(const BankQuery&) = delete;
    BankQuery& operator=(const BankQuery&) = delete;

    bool Prepared() const { return m_statement != nullptr; }
    bool Next();
    int Columns() const;
    // The column's bytes as stored; empty for NULL or a column past the end.
    std::string Text(int column) const;
    std::string Error() const;

private:
    litex::SQLiteDatabase& m_database;
    sqlite3_stmt* m_statement = nullptr;
};

// A name as one SQL identifier token, and a text as one string literal.
std::string QuotedIdentifier(const std::string& name);
std::string QuotedLiteral(const std::string& text);

} // namespace banktool

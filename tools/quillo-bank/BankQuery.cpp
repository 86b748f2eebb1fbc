#include "BankQuery.h"

#include "bank/BankLimits.h"
#include "bank/SQLiteDatabase.h"

#include <sqlite3.h>

namespace banktool {
namespace {

std::string QuotedWith(char quote, const std::string& text)
{
    std::string quoted(1, quote);
    for (const char ch : text) {
        if (ch == quote)
            quoted += quote;
        quoted += ch;
    }
    return quoted + quote;
}

} // namespace

BankQuery::BankQuery(litex::SQLiteDatabase& database, const std::string& sql)
    : m_database(database), m_statement(&database)
{
    database.ArmStatementClock();
    if (m_statement.Prepare(sql.c_str()) != SQLITE_OK)
        m_statement.Finalize();
}

bool BankQuery::Next()
{
    if (!Prepared())
        return false;
    m_database.ArmStatementClock();
    const int result = sqlite3_step(m_statement.Handle());
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    const std::string limit = litex::LimitMessage(m_database, result);
    throw BankReadError(!limit.empty() ? limit
                                       : "The question bank " + m_database.m_strPath +
                                             " could not be read to its end: " + sqlite3_errmsg(m_database.Handle()));
}

int BankQuery::Columns() const
{
    return Prepared() ? sqlite3_column_count(m_statement.Handle()) : 0;
}

std::string BankQuery::Text(int column) const
{
    if (column >= Columns())
        return std::string();
    sqlite3_stmt* statement = m_statement.Handle();
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement, column))) : std::string();
}

size_t BankQuery::TextBytesHeld() const
{
    size_t bytes = 0;
    sqlite3_stmt* statement = m_statement.Handle();
    for (int column = 0; column < Columns(); ++column)
        if (sqlite3_column_text(statement, column) != nullptr)
            bytes += static_cast<size_t>(sqlite3_column_bytes(statement, column)) + 1;
    return bytes;
}

std::string BankQuery::Error() const
{
    return sqlite3_errmsg(m_database.Handle());
}

std::string QuotedIdentifier(const std::string& name)
{
    return QuotedWith('"', name);
}

std::string QuotedLiteral(const std::string& text)
{
    return QuotedWith('\'', text);
}

} // namespace banktool

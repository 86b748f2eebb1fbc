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

BankQuery::BankQuery(litex::SQLiteDatabase& database, const std::string& sql) : m_database(database)
{
    database.ArmStatementClock();
    if (sqlite3_prepare_v2(database.Handle(), sql.c_str(), -1, &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

BankQuery::~BankQuery()
{
    sqlite3_finalize(m_statement);
}

bool BankQuery::Next()
{
    if (m_statement == nullptr)
        return false;
    m_database.ArmStatementClock();
    const int result = sqlite3_step(m_statement);
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
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

std::string BankQuery::Text(int column) const
{
    if (column >= Columns())
        return std::string();
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(m_statement, column))) : std::string();
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

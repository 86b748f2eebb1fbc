#include "TestBank.h"

#include <sqlite3.h>

#include <stdexcept>

TestBank::TestBank(const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(Path().c_str(), &db);
    char* error = nullptr;
    const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (result != SQLITE_OK)
        throw std::runtime_error("test bank SQL failed: " + message);
    OpenDatabase();
}

std::unique_ptr<TestBank> TestBank::FromBytes(const std::string& bytes)
{
    std::unique_ptr<TestBank> bank(new TestBank());
    bank->m_folder.Write("bank.db", bytes);
    bank->OpenDatabase();
    return bank;
}

void TestBank::OpenDatabase()
{
    m_database = std::make_unique<litex::SQLiteDatabase>();
    sqlite3_open(Path().c_str(), &m_database->m_handle);
}

void PairReader::DoFieldExchange()
{
    ++exchanges;
    if (HasRow() == 0)
        return;
    m_nFirst = GetInt(0);
    m_strSecond = GetString(1);
}

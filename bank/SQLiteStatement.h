#pragma once

struct sqlite3_stmt;

namespace litex {

class SQLiteDatabase;

// One prepared statement, owned by exactly one recordset.
class SQLiteStatement {
public:
    explicit SQLiteStatement(SQLiteDatabase* database) : m_pDatabase(database) {}
    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;
    virtual ~SQLiteStatement();

    SQLiteDatabase* m_pDatabase;
    sqlite3_stmt* m_handle = nullptr;
};

} // namespace litex

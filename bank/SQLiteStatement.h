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

    // Prepares sql (UTF-8) on the connection; SQLite's result.
    int Prepare(const char* sql);
    // Ends the statement; SQLite's result of the last step.
    int Finalize();
    sqlite3_stmt* Handle() const { return m_handle; }

    SQLiteDatabase* m_pDatabase;

private:
    sqlite3_stmt* m_handle = nullptr;
};

} // namespace litex

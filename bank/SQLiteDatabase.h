#pragma once

struct sqlite3;

namespace litex {

// The connection of the one open question bank. The document opens it;
// recordsets and statements only point at it.
class SQLiteDatabase {
public:
    SQLiteDatabase() = default;
    SQLiteDatabase(const SQLiteDatabase&) = delete;
    SQLiteDatabase& operator=(const SQLiteDatabase&) = delete;
    virtual ~SQLiteDatabase();

    sqlite3* m_handle = nullptr;
};

} // namespace litex

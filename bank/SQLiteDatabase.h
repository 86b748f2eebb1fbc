#pragma once

#include <chrono>
#include <string>

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

    // A statement that runs past the time it was given is interrupted, so
    // no bank can keep the program busy. Armed before each query runs.
    void ArmStatementClock();
    bool StatementTimeIsUp() const;

    sqlite3* m_handle = nullptr;
    // The bank's full native path, for messages that name it.
    std::string m_strPath;

private:
    std::chrono::steady_clock::time_point m_deadline = std::chrono::steady_clock::time_point::max();
};

} // namespace litex

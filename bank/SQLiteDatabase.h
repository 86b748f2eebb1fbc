#pragma once

#include "afx/FileIdentity.h"

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

    // The connection; null until Open, and after Close.
    sqlite3* Handle() const { return m_handle; }
    // Opens the file name (UTF-8) as sqlite3_open_v2 does, through the
    // named VFS or the default one, returning its result. A connection
    // SQLite made is kept even when the open failed, so that its message can
    // be read; Close releases it.
    int Open(const char* name, int flags, const char* vfs = nullptr);
    void Close();

    // The bank's full native path, for messages that name it.
    std::string m_strPath;

    // Taken once the bank is open, so that a bank another program changes
    // or replaces while this one runs is noticed at the next query.
    void RememberBankFile();
    // Before a query: a bank changed in place since it was opened (or last
    // confirmed) is used only when the user says so, else the abort signal
    // -4 ends the command; one replaced or removed is told of once, and the
    // connection goes on reading the file it opened.
    void ConfirmBankUnchanged();

private:
    sqlite3* m_handle = nullptr;
    afx::FileIdentity m_bankFile;
    std::chrono::steady_clock::time_point m_deadline = std::chrono::steady_clock::time_point::max();
};

} // namespace litex

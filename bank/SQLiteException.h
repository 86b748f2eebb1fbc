#pragma once

#include <stdexcept>
#include <string>

struct sqlite3;

namespace litex {

// Raised for every SQLite result code that is not success.
class SQLiteException : public std::runtime_error {
public:
    // Takes the connection's current error text, in the ANSI code page.
    SQLiteException(sqlite3* connection, int code);
    // For a failure this layer words itself, in the ANSI code page.
    SQLiteException(int code, std::string message);

    int Code() const { return m_nCode; }
    const std::string& Message() const { return m_strMessage; }
    const char* what() const noexcept override { return m_strMessage.c_str(); }

private:
    int m_nCode;
    std::string m_strMessage;
};

// Raises code unless it is success (0).
void RaiseIfError(sqlite3* connection, int code);

} // namespace litex

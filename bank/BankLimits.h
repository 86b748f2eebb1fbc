#pragma once
// How much of a question bank the program will take in. Banks come from
// other people; each figure is far above any real bank (50,000 questions,
// pages of text in a cell) and far below what would exhaust the machine.

#include <chrono>
#include <cstddef>
#include <string>

struct sqlite3;

namespace litex {

class SQLiteDatabase;

// SQLite's advice is 1,000,000 bytes; a question may hold pages of text.
constexpr int kMaxCellBytes = 10'000'000;
constexpr auto kStatementTime = std::chrono::seconds(5);
constexpr int kMaxRowsHeld = 1'000'000;
constexpr size_t kMaxBytesHeld = size_t{256} << 20;
constexpr long long kMaxHeapBytes = 512LL << 20;

// Sets SQLite's limits for untrusted databases on the connection, and the
// clock that interrupts a statement running too long.
void ApplyBankLimits(SQLiteDatabase& database);

// The user's message for a result code that means a limit was reached,
// naming the bank; empty for any other code.
std::string LimitMessage(const SQLiteDatabase& database, int code);
std::string RowLimitMessage(const SQLiteDatabase& database, bool bytes);

} // namespace litex

#pragma once
// Comma-separated values as RFC 4180 has them: fields in double quotes may
// hold commas, line breaks and doubled quotes; records end at CRLF or LF.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace banktool {

struct CsvRecord {
    int line; // where the record starts, from 1
    std::vector<std::string_view> fields;
};

struct CsvProblem {
    int line;
    std::string what;
};

// The records of one text, whose fields point into it: a bank's worth of
// questions is split without copying each field. A UTF-8 byte order mark
// at the start is dropped and blank lines are passed over. On a malformed
// quote the records before it are kept and the problem says where the
// field began.
class CsvTable {
public:
    explicit CsvTable(std::string text);
    CsvTable(const CsvTable&) = delete;
    CsvTable& operator=(const CsvTable&) = delete;

    const std::vector<CsvRecord>& Records() const { return m_records; }
    const std::vector<CsvProblem>& Problems() const { return m_problems; }

private:
    std::string_view QuotedField(size_t& at, int& line);

    std::string m_text;
    // Quoted fields with doubled quotes are unescaped here; a deque keeps
    // them where they are as it grows.
    std::deque<std::string> m_unescaped;
    std::vector<CsvRecord> m_records;
    std::vector<CsvProblem> m_problems;
};

// One field as it must be written so that CsvTable gives it back.
std::string CsvField(std::string_view value);

} // namespace banktool

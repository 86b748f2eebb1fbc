#include "GeneratedBank.h"

#include <sqlite3.h>

#include <random>
#include <stdexcept>

namespace {

const char* const kWords[] = {
    "the",        "pressure", "valve",    "circuit",   "must",      "be",         "checked",     "before",
    "operating",  "which",    "of",       "following", "describes", "correct",    "procedure",   "when",
    "a",          "pilot",    "receives", "signal",    "maximum",   "allowed",    "load",        "is",
    "measured",   "in",       "units",    "under",     "normal",    "conditions", "temperature", "rises",
    "above",      "limit",    "station",  "reports",   "frequency", "antenna",    "current",     "voltage",
    "resistance", "series",   "parallel", "engine",    "runway",    "clearance",  "altitude",    "chart",
};

class Writer {
public:
    explicit Writer(const std::string& path)
    {
        if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK)
            Fail();
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    ~Writer() { sqlite3_close(m_db); }

    void Exec(const char* sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            Fail();
    }
    sqlite3_stmt* Prepare(const char* sql)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
            Fail();
        return statement;
    }
    void Run(sqlite3_stmt* statement)
    {
        if (sqlite3_step(statement) != SQLITE_DONE)
            Fail();
        sqlite3_reset(statement);
    }
    [[noreturn]] void Fail() { throw std::runtime_error(sqlite3_errmsg(m_db)); }

private:
    sqlite3* m_db = nullptr;
};

// Words until the text is at least minimum characters, cut at maximum.
std::string Sentence(std::mt19937& random, size_t minimum, size_t maximum)
{
    std::uniform_int_distribution<size_t> length(minimum, maximum);
    std::uniform_int_distribution<size_t> word(0, std::size(kWords) - 1);
    const size_t target = length(random);
    std::string text;
    while (text.size() < target)
        text += std::string(text.empty() ? "" : " ") + kWords[word(random)];
    text.resize(target);
    return text;
}

void Bind(sqlite3_stmt* statement, int index, const std::string& text)
{
    sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

} // namespace

void GenerateBank(const std::string& path, int questions)
{
    Writer bank(path);
    bank.Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"
              "CREATE TABLE BOOKNAMES (ID INTEGER PRIMARY KEY, TableName TEXT, Title TEXT);"
              "CREATE TABLE NUMBER_OF_QUESTIONS (ID INTEGER PRIMARY KEY, Count TEXT);"
              "INSERT INTO BOOKNAMES VALUES (1, 'BOOK1', 'Generated questions');"
              "INSERT INTO NUMBER_OF_QUESTIONS VALUES (1, '50'), (2, '100');"
              "CREATE TABLE 'BOOK1' (ID INTEGER PRIMARY KEY, Section TEXT, Number TEXT, Answer TEXT,"
              " Question TEXT, A TEXT, B TEXT, C TEXT, D TEXT, Diagram TEXT, Folder TEXT, Source TEXT,"
              " Notes TEXT);");
    sqlite3_stmt* insert = bank.Prepare("INSERT INTO 'BOOK1' VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9,"
                                        " '', '', 'generated', '')");
    std::mt19937 random(20261208);
    const char* const letters[] = {"A", "B", "C", "D"};
    for (int q = 1; q <= questions; ++q) {
        sqlite3_bind_int(insert, 1, q);
        Bind(insert, 2, "Section " + std::to_string(q / 500 + 1));
        Bind(insert, 3, std::to_string(q));
        Bind(insert, 4, letters[random() % 4]);
        Bind(insert, 5, Sentence(random, 80, 300) + "?");
        for (int answer = 6; answer <= 9; ++answer)
            Bind(insert, answer, Sentence(random, 10, 80));
        bank.Run(insert);
    }
    sqlite3_finalize(insert);
    bank.Exec("COMMIT;");
}

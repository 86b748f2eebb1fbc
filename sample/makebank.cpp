// Builds the sample question bank from its text source:
//   makebank bank.txt sample.db
// The bank has the shape the examiner reads: BOOKNAMES, NUMBER_OF_QUESTIONS
// and one thirteen-column question table per book.

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kDiagramFolder = "diagrams";

struct Failure {
    std::string what;
};

void Exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        Failure failure{std::string(error ? error : "unknown error") + " in: " + sql};
        sqlite3_free(error);
        throw failure;
    }
}

std::vector<std::string> Split(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator))
        fields.push_back(field);
    if (!line.empty() && line.back() == separator)
        fields.emplace_back();
    return fields;
}

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_stmt, nullptr) != SQLITE_OK)
            throw Failure{sqlite3_errmsg(db)};
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Run(const std::vector<std::string>& texts, int key)
    {
        sqlite3_reset(m_stmt);
        sqlite3_bind_int(m_stmt, 1, key);
        for (size_t i = 0; i < texts.size(); ++i)
            sqlite3_bind_text(m_stmt, static_cast<int>(i) + 2, texts[i].c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            throw Failure{sqlite3_errmsg(m_db)};
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

void CreateQuestionTable(sqlite3* db, const std::string& table)
{
    Exec(db, "CREATE TABLE '" + table + "' (ID INTEGER PRIMARY KEY, Section TEXT, Number TEXT,"
             " Answer TEXT, Question TEXT, A TEXT, B TEXT, C TEXT, D TEXT, Diagram TEXT,"
             " Folder TEXT, Source TEXT, Notes TEXT)");
}

void Build(std::istream& source, sqlite3* db)
{
    Exec(db, "BEGIN");
    Exec(db, "CREATE TABLE BOOKNAMES (ID INTEGER PRIMARY KEY, TableName TEXT, Title TEXT)");
    Exec(db, "CREATE TABLE NUMBER_OF_QUESTIONS (ID INTEGER PRIMARY KEY, Count TEXT)");
    Statement book(db, "INSERT INTO BOOKNAMES VALUES (?1, ?2, ?3)");
    Statement count(db, "INSERT INTO NUMBER_OF_QUESTIONS VALUES (?1, ?2)");
    std::unique_ptr<Statement> question;
    int books = 0;
    int questions = 0;
    std::string line;
    int lineNumber = 0;
    while (std::getline(source, line)) {
        ++lineNumber;
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("counts:", 0) == 0) {
            int key = 0;
            for (const std::string& choice : Split(line.substr(7), ','))
                count.Run({Trim(choice)}, ++key);
        } else if (line.rfind("book ", 0) == 0) {
            const size_t colon = line.find(':');
            if (colon == std::string::npos)
                throw Failure{"line " + std::to_string(lineNumber) + ": book without a title"};
            const std::string table = Trim(line.substr(5, colon - 5));
            CreateQuestionTable(db, table);
            book.Run({table, Trim(line.substr(colon + 1))}, ++books);
            question = std::make_unique<Statement>(
                db, "INSERT INTO '" + table + "' VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)");
        } else {
            const std::vector<std::string> f = Split(line, '|');
            if (f.size() != 9 || !question)
                throw Failure{"line " + std::to_string(lineNumber) + ": expected nine fields in a book"};
            const std::string folder = f[7].empty() ? "" : kDiagramFolder;
            question->Run({f[8], f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], folder,
                           "Quillo sample bank", ""},
                          ++questions);
        }
    }
    Exec(db, "COMMIT");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makebank SOURCE.txt BANK.db\n");
        return 2;
    }
    std::ifstream source(argv[1]);
    if (!source) {
        std::fprintf(stderr, "makebank: cannot read %s\n", argv[1]);
        return 1;
    }
    std::remove(argv[2]);
    sqlite3* db = nullptr;
    if (sqlite3_open(argv[2], &db) != SQLITE_OK) {
        std::fprintf(stderr, "makebank: cannot create %s\n", argv[2]);
        sqlite3_close(db);
        return 1;
    }
    int status = 0;
    try {
        Build(source, db);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "makebank: %s\n", failure.what.c_str());
        status = 1;
    }
    sqlite3_close(db);
    if (status != 0)
        std::remove(argv[2]);
    return status;
}

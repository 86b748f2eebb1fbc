#include "TestBank.h"

#include "bank/QuestionBankFile.h"

#include <sqlite3.h>

#include <stdexcept>

void BuildBankFile(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    char* error = nullptr;
    const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (result != SQLITE_OK)
        throw std::runtime_error("test bank SQL failed: " + message);
}

std::string QuestionBankSql(int books, int questionsPerBook)
{
    std::string sql = "BEGIN; CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT);"
                      "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT);"
                      "INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'5'), (2,'10'), (3,'100');";
    for (int b = 1; b <= books; ++b) {
        const std::string table = "BOOK" + std::to_string(b);
        sql +=
            "INSERT INTO BOOKNAMES VALUES(" + std::to_string(b) + ",'" + table + "','Book " + std::to_string(b) + "');";
        sql += "CREATE TABLE " + table +
               "(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
               " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);";
        for (int q = 1; q <= questionsPerBook; ++q) {
            const std::string n = std::to_string(q);
            sql += "INSERT INTO " + table + " VALUES(" + n + ",'','" + n + "','" + (q % 2 ? "A" : "C") +
                   "','Question " + n + " of " + table + "','first " + n + "','second " + n + "','third " + n +
                   "','fourth " + n + "','','','','');";
        }
    }
    return sql + "COMMIT;";
}

TestBank::TestBank(const std::string& sql)
{
    BuildBankFile(Path(), sql);
    OpenDatabase();
}

std::unique_ptr<TestBank> TestBank::FromBytes(const std::string& bytes)
{
    std::unique_ptr<TestBank> bank(new TestBank());
    bank->m_folder.Write("bank.db", bytes);
    bank->OpenDatabase();
    return bank;
}

void TestBank::OpenDatabase()
{
    m_database = std::make_unique<litex::SQLiteDatabase>();
    litex::OpenQuestionBank(*m_database, Path().c_str());
}

void PairReader::DoFieldExchange()
{
    ++exchanges;
    if (HasRow() == 0)
        return;
    m_nFirst = GetInt(0);
    m_strSecond = GetString(1);
}

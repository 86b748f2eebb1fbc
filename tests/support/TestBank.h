#pragma once

#include "TempFolder.h"

#include "bank/SQLiteDatabase.h"
#include "bank/SQLiteRecordset.h"

#include <memory>
#include <string>

// Writes a database file at path from SQL text; throws when the SQL fails.
void BuildBankFile(const std::string& path, const std::string& sql);

// SQL for a bank of books BOOK1.. with the given number of questions each,
// numbered 1.. per book, correct answer A for odd numbers and C for even.
std::string QuestionBankSql(int books, int questionsPerBook);

// A question bank built in the test from SQL text, opened the way the
// document opens one.
class TestBank {
public:
    explicit TestBank(const std::string& sql);
    // A file with these exact bytes, which need not be a database at all.
    static std::unique_ptr<TestBank> FromBytes(const std::string& bytes);

    litex::SQLiteDatabase* Database() { return m_database.get(); }
    std::string Path() const { return m_folder.File("bank.db"); }

private:
    TestBank() = default;
    void OpenDatabase();

    TempFolder m_folder;
    std::unique_ptr<litex::SQLiteDatabase> m_database;
};

// A reader of two columns that counts its field exchanges.
class PairReader : public litex::SQLiteRecordset {
public:
    using SQLiteRecordset::SQLiteRecordset;
    void DoFieldExchange() override;

    int m_nFirst = -100;
    CString m_strSecond = "untouched";
    int exchanges = 0;
};

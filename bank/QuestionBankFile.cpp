#include "QuestionBankFile.h"

#include "BankLimits.h"
#include "SQLiteDatabase.h"

#include "afx/FilePath.h"
#include "afx/RegularFile.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace litex {
namespace {

void Harden(SQLiteDatabase& database)
{
    sqlite3* handle = database.Handle();
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    ApplyBankLimits(database);
}

// Every call comes from the interface thread, so the connection needs no
// mutex of its own.
bool Open(SQLiteDatabase& database, const std::string& name, int flags)
{
    database.Open(name.c_str(), flags | SQLITE_OPEN_NOMUTEX);
    if (database.Handle() == nullptr)
        return false;
    Harden(database);
    return true;
}

// Reading the schema is what makes SQLite look at journals and WAL files.
int Probe(SQLiteDatabase& database)
{
    database.ArmStatementClock();
    return sqlite3_exec(database.Handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

std::string ImmutableUri(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char ch : path) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || ch == '/' || ch == '-' || ch == '.' || ch == '_' ||
                           ch == '~';
        if (plain) {
            uri += ch;
        } else {
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 0xF];
        }
    }
    return uri + "?immutable=1";
}

constexpr int kReadOnly = SQLITE_OPEN_READONLY;

std::string OpenBankFile(SQLiteDatabase& database, const CString& nativePath)
{
    // A full path starts with '/', so SQLite can never take it for a URI.
    const std::string path = afx::FullPath(nativePath).Bytes();
    database.m_strPath = path;
    if (!Open(database, path, kReadOnly))
        return std::string();
    const int probed = Probe(database) & 0xFF;
    if (probed != SQLITE_READONLY && probed != SQLITE_CANTOPEN)
        return std::string();

    database.Close();
    if (FileExists(path + "-journal")) {
        // One read-write open, only so that SQLite rolls the journal back.
        const bool repaired = Open(database, path, SQLITE_OPEN_READWRITE) && Probe(database) == SQLITE_OK;
        database.Close();
        if (!repaired) {
            Open(database, path, kReadOnly);
            return "The question bank %1 was left half-written by the program that last changed it, and "
                   "it cannot be repaired here because the bank or its folder is read-only.";
        }
        Open(database, path, kReadOnly);
        return std::string();
    }
    // A WAL bank where not even the shared-memory file can be made.
    if (Open(database, ImmutableUri(path), kReadOnly | SQLITE_OPEN_URI) && Probe(database) == SQLITE_OK)
        return std::string();
    database.Close();
    Open(database, path, kReadOnly);
    return "The question bank %1 cannot be read here: it needs files beside it that cannot be created.";
}

// The readers hold every row they read, so SQLite's page cache only ever
// serves one pass over a table, which needs a handful of pages; every page of
// a larger cache is fresh memory, and faulting it in costs more than the pass.
void KeepPageCacheSmall(SQLiteDatabase& database)
{
    sqlite3_exec(database.Handle(), "PRAGMA cache_size = -128", nullptr, nullptr, nullptr);
}

} // namespace

bool IsDatabaseFile(const CString& nativePath)
{
    static const std::string kHeader("SQLite format 3", sizeof "SQLite format 3");
    afx::RegularFile file;
    return file.Open(nativePath) == afx::RegularFile::Fault::none && file.ReadStart(kHeader.size()) == kHeader;
}

std::string OpenQuestionBank(SQLiteDatabase& database, const CString& nativePath)
{
    std::string problem = OpenBankFile(database, nativePath);
    if (problem.empty())
        KeepPageCacheSmall(database);
    database.RememberBankFile();
    return problem;
}

std::string CheckQuestionBank(const CString& nativePath)
{
    SQLiteDatabase database;
    std::string problem = OpenQuestionBank(database, nativePath);
    if (!problem.empty())
        return problem;
    if (database.Handle() == nullptr ||
        sqlite3_exec(database.Handle(), "SELECT 1 FROM BOOKNAMES, NUMBER_OF_QUESTIONS LIMIT 0", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        return "%1 is not a question bank: it has no list of books and test sizes.";
    return std::string();
}

} // namespace litex

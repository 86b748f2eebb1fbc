#include "BankExport.h"

#include "BankImport.h"
#include "BankQuery.h"
#include "Csv.h"

#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace banktool {
namespace {

// Where each CSV column comes from in a question table's row with its
// explanation joined: section is column 1, the note column 11, the
// explanation 13.
constexpr int kSourceColumn[kCsvColumnCount] = {2, 3, 4, 5, 6, 7, 8, 9, 1, 11, 13};
constexpr int kFolderColumn = 10;

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

// The files of one export, each written under a fresh temporary name in the
// folder and renamed into place only once every one is complete: a failed
// export leaves nothing, and a name that is a link is replaced, never
// written through.
class ExportFiles {
public:
    explicit ExportFiles(std::string folder) : m_folder(std::move(folder)) {}
    ~ExportFiles()
    {
        for (const auto& file : m_files)
            unlink(file.temporary.c_str());
    }
    ExportFiles(const ExportFiles&) = delete;
    ExportFiles& operator=(const ExportFiles&) = delete;

    // A stream for the file name, or null when it cannot be made.
    std::ofstream* Add(const std::string& name, mode_t mode = 0644)
    {
        std::string temporary = m_folder + "/." + name + ".XXXXXX";
        const int fd = mkostemp(&temporary[0], O_CLOEXEC);
        if (fd < 0)
            return nullptr;
        fchmod(fd, mode & ~CurrentUmask());
        close(fd);
        m_files.push_back(
            {name, temporary, std::make_unique<std::ofstream>(temporary, std::ios::binary | std::ios::trunc)});
        return m_files.back().stream.get();
    }

    // The name of the file that failed, or empty when all are in place.
    std::string Commit()
    {
        for (auto& file : m_files)
            if (!file.stream->flush() || (file.stream->close(), file.stream->fail()))
                return m_folder + "/" + file.name;
        for (auto& file : m_files) {
            if (rename(file.temporary.c_str(), (m_folder + "/" + file.name).c_str()) != 0)
                return m_folder + "/" + file.name;
            file.temporary.clear();
        }
        return std::string();
    }

private:
    static mode_t CurrentUmask()
    {
        const mode_t mask = umask(0);
        umask(mask);
        return mask;
    }
    struct File {
        std::string name;
        std::string temporary;
        std::unique_ptr<std::ofstream> stream;
    };
    std::string m_folder;
    std::vector<File> m_files;
};

std::string Export(litex::SQLiteDatabase& database, const std::string& bankPath, const std::string& folder,
                   std::string& importCommand)
{
    std::string counts;
    {
        BankQuery rows(database, "SELECT * FROM NUMBER_OF_QUESTIONS");
        if (!rows.Prepared())
            return bankPath + ": " + rows.Error();
        while (rows.Next())
            counts += (counts.empty() ? "" : ",") + rows.Text(1);
    }
    // The first book's stored exam stands for all: import stores one for
    // every book. A bank without the table has none.
    std::string exam;
    {
        BankQuery rows(database, "SELECT Questions, PassMark, Minutes, Draw FROM PRACTICE_EXAM");
        if (rows.Prepared() && rows.Next())
            exam = rows.Text(0) + "," + rows.Text(1) + "," + rows.Text(2) + "," + rows.Text(3);
    }
    // A bank without explanations reads as one whose every explanation is
    // empty.
    const bool explained = BankQuery(database, "SELECT TableName, Number, Explanation FROM EXPLANATION").Prepared();
    std::vector<std::pair<std::string, std::string>> books;
    {
        BankQuery rows(database, "SELECT * FROM BOOKNAMES");
        if (!rows.Prepared())
            return bankPath + ": " + rows.Error();
        while (rows.Next())
            books.emplace_back(rows.Text(1), rows.Text(2));
    }

    ExportFiles files(folder);
    std::string diagramFolder;
    // The script runs in its own folder, on the bank by its full path, so
    // it works from wherever it is started.
    std::string script = "quillo-bank import " + ShellQuoted(std::filesystem::absolute(bankPath).lexically_normal());
    importCommand = "quillo-bank import " + ShellQuoted(bankPath);
    for (size_t b = 0; b < books.size(); ++b) {
        const std::string name = "BOOK" + std::to_string(b + 1) + ".csv";
        std::ofstream* out = files.Add(name);
        if (out == nullptr)
            return folder + "/" + name + ": cannot be written";
        for (size_t c = 0; c < kCsvColumnCount; ++c)
            *out << (c ? "," : "") << kCsvColumns[c];
        *out << "\r\n";
        const std::string table = QuotedIdentifier(books[b].first);
        BankQuery rows(database, explained ? "SELECT b.*, e.Explanation FROM " + table +
                                                 " AS b LEFT JOIN EXPLANATION AS e ON e.TableName = " +
                                                 QuotedLiteral(books[b].first) + " AND e.Number = b.Number"
                                           : "SELECT * FROM " + table);
        if (!rows.Prepared())
            return books[b].first + ": " + rows.Error();
        while (rows.Next()) {
            for (size_t c = 0; c < kCsvColumnCount; ++c)
                *out << (c ? "," : "") << CsvField(rows.Text(kSourceColumn[c]));
            *out << "\r\n";
            if (diagramFolder.empty() && !rows.Text(9).empty())
                diagramFolder = rows.Text(kFolderColumn);
        }
        const std::string book = " --book " + ShellQuoted(books[b].second) + " ";
        importCommand += book + ShellQuoted(folder + "/" + name);
        script += book + ShellQuoted(name);
    }
    std::string options;
    if (!counts.empty())
        options += " --counts " + ShellQuoted(counts);
    if (!diagramFolder.empty())
        options += " --diagrams " + ShellQuoted(diagramFolder);
    if (!exam.empty())
        options += " --exam " + ShellQuoted(exam);
    importCommand += options;

    std::ofstream* out = files.Add("import.sh", 0755);
    if (out == nullptr)
        return folder + "/import.sh: cannot be written";
    *out << "#!/bin/sh\n# Makes the bank again from the files beside this script.\ncd \"$(dirname \"$0\")\" || exit 1\n"
         << script << options << " \"$@\"\n";
    const std::string failed = files.Commit();
    return failed.empty() ? std::string() : failed + ": cannot be written";
}

} // namespace

std::string ExportBank(const std::string& bankPath, const std::string& folder, std::string& importCommand)
{
    litex::SQLiteDatabase database;
    if (!litex::OpenQuestionBank(database, bankPath.c_str()).empty() || database.Handle() == nullptr)
        return bankPath + ": cannot be opened";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return folder + ": " + error.message();
    try {
        return Export(database, bankPath, folder, importCommand);
    } catch (const BankReadError& e) {
        return e.what();
    }
}

} // namespace banktool

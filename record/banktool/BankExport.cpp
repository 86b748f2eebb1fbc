#include "BankExport.h"

#include "BankImport.h"
#include "BankQuery.h"
#include "Csv.h"

#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace banktool {
namespace {

// Where each CSV column comes from in a question table; section is column 1.
constexpr int kSourceColumn[9] = {2, 3, 4, 5, 6, 7, 8, 9, 1};
constexpr int kFolderColumn = 10;

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

} // namespace

std::string ExportBank(const std::string& bankPath, const std::string& folder, std::string& importCommand)
{
    litex::SQLiteDatabase database;
    if (!litex::OpenQuestionBank(database, bankPath.c_str()).empty() || database.m_handle == nullptr)
        return bankPath + ": cannot be opened";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return folder + ": " + error.message();

    std::string counts;
    {
        BankQuery rows(database, "SELECT * FROM NUMBER_OF_QUESTIONS");
        if (!rows.Prepared())
            return bankPath + ": " + rows.Error();
        while (rows.Next())
            counts += (counts.empty() ? "" : ",") + rows.Text(1);
    }
    std::vector<std::pair<std::string, std::string>> books;
    {
        BankQuery rows(database, "SELECT * FROM BOOKNAMES");
        if (!rows.Prepared())
            return bankPath + ": " + rows.Error();
        while (rows.Next())
            books.emplace_back(rows.Text(1), rows.Text(2));
    }

    std::string diagramFolder;
    importCommand = "quillo-bank import " + ShellQuoted(bankPath);
    for (size_t b = 0; b < books.size(); ++b) {
        const std::string file = folder + "/BOOK" + std::to_string(b + 1) + ".csv";
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (size_t c = 0; c < 9; ++c)
            out << (c ? "," : "") << kCsvColumns[c];
        out << "\r\n";
        BankQuery rows(database, "SELECT * FROM " + QuotedIdentifier(books[b].first));
        if (!rows.Prepared())
            return books[b].first + ": " + rows.Error();
        while (rows.Next()) {
            for (size_t c = 0; c < 9; ++c)
                out << (c ? "," : "") << CsvField(rows.Text(kSourceColumn[c]));
            out << "\r\n";
            if (diagramFolder.empty() && !rows.Text(9).empty())
                diagramFolder = rows.Text(kFolderColumn);
        }
        if (!out.flush())
            return file + ": cannot be written";
        importCommand += " --book " + ShellQuoted(books[b].second) + " " + ShellQuoted(file);
    }
    if (!counts.empty())
        importCommand += " --counts " + ShellQuoted(counts);
    if (!diagramFolder.empty())
        importCommand += " --diagrams " + ShellQuoted(diagramFolder);

    std::ofstream script(folder + "/import.sh", std::ios::binary | std::ios::trunc);
    script << "#!/bin/sh\n# Makes the bank again from the files beside this script.\n" << importCommand << " \"$@\"\n";
    if (!script.flush())
        return folder + "/import.sh: cannot be written";
    return std::string();
}

} // namespace banktool

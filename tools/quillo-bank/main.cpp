// quillo-bank: makes, checks and exports question banks.
//   quillo-bank import BANK.db --book "Title" FILE [--book ...] [--counts 25,35,50]
//                              [--diagrams FOLDER] [--format NAME] [--force] [--strict] [--partial]
//                              [--exam QUESTIONS,PASS-MARK,MINUTES,section|random | --no-exam]
//   quillo-bank add BANK.db --book "Title" FILE [...], the same options but --force
//   quillo-bank check BANK.db
//   quillo-bank export BANK.db FOLDER

#include "BankCheck.h"
#include "BankExport.h"
#include "BankImport.h"
#include "Excerpt.h"
#include "SourceFormats.h"

#include "afx/ProgramInfo.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The formats' names come from the list the tool reads them by.
std::string UsageText()
{
    return "usage: quillo-bank import BANK.db --book \"Title\" FILE [--book \"Title\" FILE ...]\n"
           "                          [--counts 25,35,50] [--diagrams FOLDER] [--format NAME] [--force]\n"
           "                          [--strict] [--partial]\n"
           "                          [--exam QUESTIONS,PASS-MARK,MINUTES,section|random | --no-exam]\n"
           "       quillo-bank add BANK.db --book \"Title\" FILE [...] [the options of import but --force]\n"
           "       quillo-bank check BANK.db\n"
           "       quillo-bank export BANK.db FOLDER\n"
           "A FILE is our CSV or another quiz tool's, a pool's text (E1A01 (D) ...), Aiken,\n"
           "GIFT or Moodle XML, told by its content; --format " +
           banktool::FormatNames("|") +
           " says which.\n"
           "add puts books into a bank, or replaces those of the same title, and keeps the others.\n"
           "A relative --diagrams FOLDER is taken from the bank's folder, as Quillo takes it.\n"
           "--partial leaves out a damaged question (its answers never closed, no answer line)\n"
           "and imports the rest; without it the import stops.\n";
}

int Usage()
{
    std::fputs(UsageText().c_str(), stderr);
    return 2;
}

std::vector<std::string> Split(const std::string& list)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(list.substr(start, comma - start));
    parts.push_back(list.substr(start));
    return parts;
}

// Every line printed passes here: what a message quotes of a file is
// escaped once more, and a flood of findings is cut short.
void Print(FILE* stream, const char* prefix, const std::vector<std::string>& lines)
{
    constexpr size_t kMostLines = 200;
    constexpr size_t kMostCharacters = 1000;
    for (size_t i = 0; i < lines.size() && i < kMostLines; ++i)
        std::fprintf(stream, "%s%s\n", prefix, banktool::Excerpt(lines[i], kMostCharacters).c_str());
    if (lines.size() > kMostLines)
        std::fprintf(stream, "%s... and %zu more\n", prefix, lines.size() - kMostLines);
}

int Report(const std::vector<std::string>& problems)
{
    Print(stderr, "quillo-bank: ", problems);
    return problems.empty() ? 0 : 1;
}

int Import(int argc, char** argv, bool add)
{
    banktool::ImportRequest request;
    request.bankPath = argv[2];
    request.add = add;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--book" && i + 2 < argc) {
            request.books.push_back({argv[i + 1], argv[i + 2]});
            i += 2;
        } else if (option == "--counts" && i + 1 < argc) {
            request.counts = Split(argv[++i]);
        } else if (option == "--diagrams" && i + 1 < argc) {
            request.diagramFolder = argv[++i];
            request.diagramFolderGiven = true;
        } else if (option == "--format" && i + 1 < argc) {
            request.format = argv[++i];
        } else if (option == "--exam" && i + 1 < argc) {
            request.exam = Split(argv[++i]);
        } else if (option == "--force" && !add) {
            request.force = true;
        } else if (option == "--strict") {
            request.strict = true;
        } else if (option == "--partial") {
            request.partial = true;
        } else if (option == "--no-exam") {
            request.keepExam = false;
        } else if (option.size() > 1 && option[0] == '-') {
            return afx::RefuseOption("quillo-bank", argv[i]);
        } else {
            return Usage();
        }
    }
    std::vector<std::string> warnings;
    std::vector<std::string> changes;
    std::vector<std::string> books;
    const std::vector<std::string> problems = banktool::ImportBank(request, &warnings, &changes, &books);
    Print(stderr, "quillo-bank: warning: ", warnings);
    Print(stdout, "", changes);
    Print(stdout, "", books);
    return Report(problems);
}

int Check(const char* bank)
{
    banktool::CheckSummary summary;
    const std::vector<std::string> problems = banktool::CheckBank(bank, summary);
    Print(stdout, "", problems);
    if (!problems.empty())
        return 1;
    std::printf("%s: %d books, %d questions, %d figures\n", bank, summary.books, summary.questions, summary.figures);
    for (const banktool::BookCounts& book : summary.perBook)
        std::printf("  %s: %d questions, %d figures\n", banktool::Excerpt(book.title, 200).c_str(), book.questions,
                    book.figures);
    return 0;
}

int Export(const char* bank, const char* folder)
{
    std::string command;
    const std::string problem = banktool::ExportBank(bank, folder, command);
    if (!problem.empty())
        return Report({problem});
    std::printf("%s\n", banktool::Excerpt(command, command.size()).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (afx::AnswerInfoRequest(argc, argv, "quillo-bank", UsageText().c_str()))
        return 0;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command.size() > 1 && command[0] == '-')
        return afx::RefuseOption("quillo-bank", argv[1]);
    if ((command == "import" || command == "add") && argc >= 3)
        return Import(argc, argv, command == "add");
    if (command == "check" && argc == 3)
        return Check(argv[2]);
    if (command == "export" && argc == 4)
        return Export(argv[2], argv[3]);
    return Usage();
}

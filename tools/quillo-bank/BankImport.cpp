#include "BankImport.h"

#include "BankText.h"
#include "BankWriter.h"
#include "Excerpt.h"
#include "FigureFolder.h"
#include "HeldRows.h"
#include "ReimportReport.h"
#include "SourceFormats.h"
#include "SourceText.h"

#include "BankQuery.h"

#include "afx/RegularFile.h"
#include "bank/BankLimits.h"
#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace banktool {

const char* const kCsvColumns[kCsvColumnCount] = {"number", "correct", "question", "a",    "b",          "c",
                                                  "d",      "diagram", "section",  "note", "explanation"};

namespace {

// Only an ordinary file is read, and only one no larger than the text the
// program takes in from a bank: a folder, a pipe or a device is named as
// what it is, and a huge file is refused before any of it is read.
std::string ReadBookFile(const std::string& path, std::string& text)
{
    afx::RegularFile file;
    afx::RegularFile::Fault fault = file.Open(path.c_str());
    if (fault == afx::RegularFile::Fault::none)
        fault = file.ReadAll(litex::kMaxBytesHeld, text);
    switch (fault) {
    case afx::RegularFile::Fault::none:
        return std::string();
    case afx::RegularFile::Fault::folder:
        return "is a folder, not a file of questions";
    case afx::RegularFile::Fault::special:
        return "is not an ordinary file (a pipe or a device)";
    case afx::RegularFile::Fault::tooLarge:
        return "is larger than " + std::to_string(litex::kMaxBytesHeld >> 20) +
               " MB, more text than Quillo takes in from a bank";
    case afx::RegularFile::Fault::unreadable:
        break;
    }
    return "cannot be read";
}

// "E1A" of "E1A01": the id without its closing number and separator, when
// what is left names a group (holds a digit, as E1A and B-001-002 do).
std::string_view GroupOf(std::string_view number)
{
    const size_t end = number.find_last_not_of("0123456789");
    if (end == std::string_view::npos || end + 1 == number.size())
        return std::string_view();
    const std::string_view group = number.substr(0, number.find_last_not_of("-._", end) + 1);
    return std::any_of(group.begin(), group.end(), [](unsigned char ch) { return std::isdigit(ch); })
               ? group
               : std::string_view();
}

class BookChecker {
public:
    BookChecker(SourceBook& book, const FigureFolder& figures, bool strict)
        : m_book(book), m_figures(figures), m_strict(strict)
    {}

    // Every format's questions meet the same rules: what the program would
    // refuse or show wrong is a problem at the question's line.
    void Check()
    {
        for (size_t i = 0; i < m_book.questions.size(); ++i) {
            Question& question = m_book.questions[i];
            const int line = m_book.lines[i];
            for (const Column column : {kNumber, kCorrect, kDiagram, kSection})
                question[column] = Trimmed(question[column]);
            question[kDiagram] = Figure(question);
            if (question[kCorrect].size() == 1 && question[kCorrect][0] >= 'a' && question[kCorrect][0] <= 'd')
                question[kCorrect] =
                    std::string_view("ABCD").substr(static_cast<size_t>(question[kCorrect][0] - 'a'), 1);
            if (question[kSection].empty())
                question[kSection] = GroupOf(question[kNumber]);
            if (TrimmedSpace(question[kExplanation]).empty() && !TrimmedSpace(question[kNote]).empty())
                question[kExplanation] = m_book.Keep("Reference: " + std::string(TrimmedSpace(question[kNote])));
            if (!m_strict)
                StandIn(line, question);
            for (int column = 0; column < kColumnCount; ++column)
                if (const std::string problem = TextProblem(question[static_cast<size_t>(column)]); !problem.empty())
                    m_book.Problem(line, std::string("column \"") + kCsvColumns[column] + "\" holds " + problem);
            Validate(line, question);
        }
    }

private:
    // One odd character does not cost the user a whole pool: it is stored
    // as Windows would store it, and named once for its question.
    void StandIn(int line, Question& question)
    {
        std::string named;
        for (int column = 0; column < kColumnCount; ++column) {
            std::string_view& text = question[static_cast<size_t>(column)];
            std::optional<StoodIn> made = WithStandIns(text);
            if (!made)
                continue;
            if (named.empty())
                named = std::string("column \"") + kCsvColumns[column] + "\": " + made->first;
            text = m_book.Keep(std::move(made->text));
        }
        if (!named.empty())
            m_book.Warn(line, named + ", as Windows-1252 cannot hold it (--strict refuses the book instead)");
    }

    // The picture's own name as it is in the folder, so that the viewer
    // finds "t-1.png" for a pool's "figure T-1" or a column's "T-1.PNG".
    std::string_view Figure(const Question& question)
    {
        const std::string_view named = WithoutPictureEnding(question[kDiagram]);
        const std::string picture =
            named.empty() ? m_figures.FigureIn(question[kQuestion]) : m_figures.PictureNamed(named);
        if (picture.empty())
            return named;
        return picture == named ? named : m_book.Keep(picture);
    }

    void Validate(int line, const Question& question)
    {
        const std::string_view number = question[kNumber];
        if (number.empty()) {
            m_book.Problem(line, "the question number is empty");
        } else {
            const auto [seen, isNew] = m_lineOfNumber.emplace(number, line);
            if (!isNew)
                m_book.Problem(line, "question number " + Excerpt(number) + " is already used on line " +
                                         std::to_string(seen->second));
        }
        const std::string_view correct = question[kCorrect];
        if (correct.size() != 1 || correct[0] < 'A' || correct[0] > 'D')
            m_book.Problem(line, "the correct answer \"" + Excerpt(correct) + "\" is not A, B, C or D");
        for (const int column : {kQuestion, kA, kB, kC, kD})
            if (IsBlank(question[static_cast<size_t>(column)]))
                m_book.Problem(line, column == kQuestion
                                         ? std::string("the question is empty")
                                         : std::string("answer ") + static_cast<char>('A' + column - kA) + " is empty");
        if (question[kDiagram].find_first_of("/\\") != std::string_view::npos)
            m_book.Problem(line, "the diagram \"" + Excerpt(question[kDiagram]) +
                                     "\" names a folder; give the file name only");
    }

    SourceBook& m_book;
    const FigureFolder& m_figures;
    bool m_strict;
    std::unordered_map<std::string_view, int> m_lineOfNumber;
};

void ReadBook(const BookSource& source, std::optional<SourceFormat> format, const FigureFolder& figures, bool strict,
              SourceBook& book)
{
    book.path = source.csvPath;
    if (const std::string problem = ReadBookFile(book.path, book.text); !problem.empty()) {
        book.Problem(0, problem);
        return;
    }
    if (const std::optional<Finding> unreadable = MakeReadable(book.text)) {
        book.Problem(unreadable->line, unreadable->what);
        return;
    }
    ReadSource(format ? *format : ChooseFormat(book.path, book.text), book);
    BookChecker(book, figures, strict).Check();
    if (book.questions.empty() && book.problems.empty() && book.damaged.empty())
        book.Problem(1, "holds no question the program can ask");
    std::stable_sort(book.problems.begin(), book.problems.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

// The table BankWriter makes of the book, weighed as the program reads it:
// the row's id and folder beside the question's columns, and Note2 empty.
// The explanation is read only when asked for, one at a time.
std::string HeldProblem(const std::vector<Question>& questions, const std::string& diagramFolder)
{
    constexpr int kTableColumns = 13;
    HeldRows held;
    size_t id = 0;
    for (const Question& question : questions) {
        size_t textBytes = std::to_string(++id).size() + diagramFolder.size() + kTableColumns;
        for (int column = 0; column < kExplanation; ++column)
            textBytes += question[static_cast<size_t>(column)].size();
        held.Add(kTableColumns, textBytes);
    }
    return held.Problem();
}

std::string Located(const SourceBook& book, const Finding& finding)
{
    return book.path + (finding.line > 0 ? ":" + std::to_string(finding.line) : std::string()) + ": " + finding.what;
}

bool IsDecimal(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char ch) { return std::isdigit(ch); });
}

bool InRange(const std::string& text, unsigned long low, unsigned long high)
{
    return IsDecimal(text) && text.size() <= 6 && std::stoul(text) >= low && std::stoul(text) <= high;
}

bool ExamIsValid(const std::vector<std::string>& exam)
{
    return exam.size() == 4 && InRange(exam[0], 1, 100000) && InRange(exam[1], 1, 100) && InRange(exam[2], 0, 600) &&
           (exam[3] == "section" || exam[3] == "random");
}

// The program opens FOLDER/NAME from the bank's folder, with backslashes
// read as separators; the import looks for the pictures where it will.
std::string FolderSeenFromBank(const std::string& bankPath, std::string folder)
{
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (!folder.empty() && folder[0] == '/')
        return folder;
    const size_t slash = bankPath.rfind('/');
    return (slash == std::string::npos ? std::string(".") : bankPath.substr(0, slash)) + "/" + folder;
}

std::vector<std::string> RequestProblems(const ImportRequest& request, std::optional<SourceFormat>& format)
{
    std::vector<std::string> problems;
    struct stat existing {};
    const bool exists = stat(request.bankPath.c_str(), &existing) == 0;
    if (!request.force && !request.add && exists)
        problems.push_back(request.bankPath + ": already exists; give --force to replace it, or add a book with add");
    if (request.add && !exists)
        problems.push_back(request.bankPath + ": no such bank to add to; make it with import");
    if (request.books.empty())
        problems.emplace_back("no book given: name at least one with --book \"Title\" FILE");
    if (!request.format.empty() && !(format = FormatNamed(request.format)))
        problems.push_back("--format: \"" + request.format + "\" is not one of " + FormatNames(", "));
    // The program offers the counts as test sizes; one it could not start
    // a test of is refused here.
    constexpr size_t kLargestTest = 100000;
    for (const std::string& count : request.counts)
        if (!InRange(count, 1, kLargestTest))
            problems.push_back("--counts: \"" + count + "\" is not a number of questions from 1 to " +
                               std::to_string(kLargestTest));
    if (!request.exam.empty() && !ExamIsValid(request.exam))
        problems.emplace_back("--exam: give QUESTIONS,PASS-MARK,MINUTES,section|random, such as 35,74,30,section:"
                              " a pass mark from 1 to 100 percent, at most 600 minutes (0 for no limit)");
    if (const std::string problem = TextProblem(request.diagramFolder); !problem.empty())
        problems.push_back("--diagrams: the folder name holds " + problem);

    for (const BookSource& source : request.books)
        if (const std::string problem = TextProblem(source.title); !problem.empty())
            problems.push_back("--book \"" + Excerpt(source.title) + "\": the title holds " + problem);
    return problems;
}

void WarnAboutFigures(const ImportRequest& request, const FigureFolder& figures, const std::vector<SourceBook>& books,
                      std::vector<std::string>& warnings)
{
    for (const std::string& refused : figures.Refused())
        warnings.push_back("--diagrams: left out: " + refused);
    if (figures.Exists())
        return;
    for (const SourceBook& book : books)
        for (const Question& question : book.questions)
            if (!question[kDiagram].empty() || !NumberedFigureIn(question[kQuestion]).empty()) {
                warnings.push_back("--diagrams: no folder " +
                                   FolderSeenFromBank(request.bankPath, request.diagramFolder) +
                                   " (named from the bank's folder): no question gets its picture");
                return;
            }
}

std::vector<std::string> CountsOf(const std::string& bankPath)
{
    std::vector<std::string> counts;
    litex::SQLiteDatabase database;
    if (litex::OpenQuestionBank(database, bankPath.c_str()).empty() && database.Handle() != nullptr) {
        try {
            BankQuery rows(database, "SELECT Count FROM NUMBER_OF_QUESTIONS ORDER BY ID");
            while (rows.Next())
                counts.push_back(rows.Text(0));
        } catch (const BankReadError&) {
            counts.clear();
        }
    }
    return counts;
}

// "Technician: 411 questions, 12 figures, 35 sections".
std::string Summary(const std::string& title, const std::vector<Question>& questions)
{
    std::set<std::string_view> sections;
    size_t figures = 0;
    for (const Question& question : questions) {
        figures += question[kDiagram].empty() ? 0 : 1;
        if (!question[kSection].empty())
            sections.insert(question[kSection]);
    }
    return title + ": " + std::to_string(questions.size()) + " questions, " + std::to_string(figures) + " figures, " +
           std::to_string(sections.size()) + " sections";
}

} // namespace

std::vector<std::string> ImportBank(const ImportRequest& request, std::vector<std::string>* warnings,
                                    std::vector<std::string>* changes, std::vector<std::string>* summaries)
{
    std::optional<SourceFormat> format;
    std::vector<std::string> problems = RequestProblems(request, format);
    const FigureFolder figures(FolderSeenFromBank(request.bankPath, request.diagramFolder));
    if (request.diagramFolderGiven && !figures.Exists())
        problems.push_back("--diagrams: there is no folder " +
                           FolderSeenFromBank(request.bankPath, request.diagramFolder) +
                           " (named from the bank's folder)");
    std::vector<SourceBook> books(request.books.size());
    std::vector<std::string> warned;
    for (size_t b = 0; b < books.size(); ++b) {
        ReadBook(request.books[b], format, figures, request.strict, books[b]);
        for (const Finding& problem : books[b].problems)
            problems.push_back(Located(books[b], problem));
        for (const Finding& warning : books[b].warnings)
            warned.push_back(Located(books[b], warning));
        for (const Finding& damaged : books[b].damaged)
            if (request.partial)
                warned.push_back(Located(books[b], {damaged.line, "left out: " + damaged.what}));
            else
                problems.push_back(Located(books[b], damaged));
        if (!books[b].damaged.empty() && !request.partial)
            problems.push_back(books[b].path + ": " +
                               (books[b].damaged.size() == 1
                                    ? std::string("a damaged question")
                                    : std::to_string(books[b].damaged.size()) + " damaged questions") +
                               "; mend the file, or give --partial to import the rest");
        if (const std::string tooLarge = HeldProblem(books[b].questions, request.diagramFolder); !tooLarge.empty())
            problems.push_back(books[b].path + ": " + tooLarge);
    }
    WarnAboutFigures(request, figures, books, warned);
    if (warnings != nullptr)
        *warnings = std::move(warned);
    if (!problems.empty())
        return problems;
    std::vector<BookToWrite> written;
    for (size_t b = 0; b < books.size(); ++b)
        written.push_back({std::string(), request.books[b].title, &books[b].questions});
    KeptFromBank keep;
    keep.otherBooks = request.add;
    keep.exam = request.keepExam;
    keep.newExam = !request.exam.empty();
    std::vector<std::string> compared = CompareWithBank(request.bankPath, written, keep);
    if (changes != nullptr)
        *changes = std::move(compared);
    std::vector<std::string> counts = request.counts;
    if (counts.empty() && request.add)
        counts = CountsOf(request.bankPath);
    if (counts.empty())
        counts = {"25"};
    if (const std::string failed =
            BankWriter(request.bankPath).Write(written, counts, request.diagramFolder, request.exam);
        !failed.empty())
        return {failed};
    if (summaries != nullptr)
        for (const BookToWrite& book : written)
            summaries->push_back(book.questions ? Summary(book.title, *book.questions)
                                                : book.title + ": kept as it was");
    return problems;
}

} // namespace banktool

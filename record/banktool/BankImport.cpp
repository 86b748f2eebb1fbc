#include "BankImport.h"

#include "BankText.h"
#include "Csv.h"

#include "bank/BankLimits.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <sys/stat.h>
#include <unistd.h>

namespace banktool {

const char* const kCsvColumns[kCsvColumnCount] = {"number", "correct", "question", "a",       "b",
                                                  "c",      "d",       "diagram",  "section", "note"};

namespace {

enum Column { kNumber, kCorrect, kQuestion, kA, kB, kC, kD, kDiagram, kSection, kNote, kColumnCount };
static_assert(kColumnCount == kCsvColumnCount);

// Other tools' names for our columns.
const std::pair<const char*, Column> kColumnAliases[] = {
    {"id", kNumber},       {"correct_letter", kCorrect}, {"figure", kDiagram},
    {"image", kDiagram},   {"refs", kNote},              {"reference", kNote},
};

// A correct answer given as a letter in either case, or as the index of the
// answer: 0 to 3 where the file's indexes start at 0 (any 0 in the column
// shows that), else 1 to 4. Anything else stays as it is, for Validate.
const char kLetters[] = "ABCD";
std::string_view CorrectLetter(std::string_view value, int indexBase)
{
    if (value.size() != 1)
        return value;
    const char ch = value[0];
    int index = -1;
    if (ch >= 'a' && ch <= 'd')
        index = ch - 'a';
    else if (ch >= 'A' && ch <= 'D')
        index = ch - 'A';
    else if (ch >= '0' && ch <= '9')
        index = ch - '0' - indexBase;
    return index >= 0 && index < 4 ? std::string_view(kLetters + index, 1) : value;
}
constexpr int kRequiredColumns = kDiagram;

// Fields point into their book's CSV text, which the book keeps.
using Question = std::array<std::string_view, kColumnCount>;

struct Book {
    std::string title;
    std::unique_ptr<CsvTable> csv;
    std::vector<Question> questions;
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return text;
}

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Only an ordinary file is read, and only one no larger than the text the
// program takes in from a bank: a folder, a pipe or a device is named as
// what it is, and a huge file is refused before any of it is read.
std::string ReadCsvFile(const std::string& path, std::string& text)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return "cannot be read";
    struct stat info{};
    std::string problem;
    if (fstat(fd, &info) != 0)
        problem = "cannot be read";
    else if (S_ISDIR(info.st_mode))
        problem = "is a folder, not a CSV file";
    else if (!S_ISREG(info.st_mode))
        problem = "is not an ordinary file (a pipe or a device)";
    else if (static_cast<uint64_t>(info.st_size) > litex::kMaxBytesHeld)
        problem = "is larger than " + std::to_string(litex::kMaxBytesHeld >> 20) +
                  " MB, more text than Quillo takes in from a bank";
    if (problem.empty()) {
        text.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < text.size()) {
            const ssize_t got = read(fd, &text[done], text.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                problem = "cannot be read";
                break;
            }
            done += static_cast<size_t>(got);
        }
    }
    close(fd);
    return problem;
}

class BookReader {
public:
    BookReader(const BookSource& source, std::vector<std::string>& problems, std::vector<std::string>& warnings)
        : m_path(source.csvPath), m_problems(problems), m_warnings(warnings)
    {
        m_book.title = source.title;
    }

    Book Read()
    {
        std::string text;
        if (const std::string problem = ReadCsvFile(m_path, text); !problem.empty()) {
            m_problems.push_back(m_path + ": " + problem);
            return std::move(m_book);
        }
        m_book.csv = std::make_unique<CsvTable>(std::move(text));
        const std::vector<CsvRecord>& records = m_book.csv->Records();
        if (records.empty()) {
            if (m_book.csv->Problems().empty())
                Problem(1, "no header row naming the columns");
        } else if (ReadHeader(records.front())) {
            m_indexBase = IndexBase(records);
            m_book.questions.reserve(records.size() - 1);
            m_lineOfNumber.reserve(records.size());
            for (size_t i = 1; i < records.size(); ++i)
                ReadQuestion(records[i]);
        }
        for (const CsvProblem& problem : m_book.csv->Problems())
            Problem(problem.line, problem.what);
        return std::move(m_book);
    }

private:
    void Problem(int line, const std::string& what)
    {
        m_problems.push_back(m_path + ":" + std::to_string(line) + ": " + what);
    }

    static int ColumnNamed(const std::string& name)
    {
        for (int column = 0; column < kColumnCount; ++column)
            if (name == kCsvColumns[column])
                return column;
        for (const auto& [alias, column] : kColumnAliases)
            if (name == alias)
                return column;
        return -1;
    }

    bool ReadHeader(const CsvRecord& header)
    {
        m_positions.assign(kColumnCount, -1);
        bool good = true;
        std::string ignored;
        for (size_t i = 0; i < header.fields.size(); ++i) {
            const std::string name = Lower(std::string(Trimmed(header.fields[i])));
            const int column = ColumnNamed(name);
            if (column < 0) {
                ignored += (ignored.empty() ? "\"" : ", \"") + std::string(header.fields[i]) + "\"";
            } else if (m_positions[static_cast<size_t>(column)] >= 0) {
                Problem(header.line, "the column \"" + std::string(kCsvColumns[column]) + "\" is named twice");
                good = false;
            } else {
                m_positions[static_cast<size_t>(column)] = static_cast<int>(i);
            }
        }
        if (!ignored.empty())
            m_warnings.push_back(m_path + ":" + std::to_string(header.line) + ": left out, of no use to the program: " +
                                 ignored);
        for (int column = 0; column < kRequiredColumns; ++column)
            if (m_positions[static_cast<size_t>(column)] < 0) {
                Problem(header.line, std::string("missing column \"") + kCsvColumns[column] + "\"");
                good = false;
            }
        m_width = header.fields.size();
        return good;
    }

    void ReadQuestion(const CsvRecord& record)
    {
        if (record.fields.size() != m_width) {
            Problem(record.line, std::to_string(record.fields.size()) + " fields where the header names " +
                                     std::to_string(m_width));
            return;
        }
        Question question;
        for (int column = 0; column < kColumnCount; ++column) {
            const int position = m_positions[static_cast<size_t>(column)];
            if (position < 0)
                continue;
            std::string_view& value = question[static_cast<size_t>(column)];
            value = record.fields[static_cast<size_t>(position)];
            if (column == kNumber || column == kCorrect || column == kDiagram)
                value = Trimmed(value);
            if (column == kCorrect)
                value = CorrectLetter(value, m_indexBase);
            const std::string problem = TextProblem(value);
            if (!problem.empty())
                Problem(record.line, std::string("column \"") + kCsvColumns[column] + "\" holds " + problem);
        }
        Validate(record.line, question);
        m_book.questions.push_back(std::move(question));
    }

    void Validate(int line, const Question& question)
    {
        const std::string_view number = question[kNumber];
        if (number.empty()) {
            Problem(line, "the question number is empty");
        } else {
            const auto [seen, isNew] = m_lineOfNumber.emplace(number, line);
            if (!isNew)
                Problem(line, "question number " + std::string(number) + " is already used on line " +
                                  std::to_string(seen->second));
        }
        const std::string_view correct = question[kCorrect];
        if (correct.size() != 1 || correct[0] < 'A' || correct[0] > 'D')
            Problem(line, "the correct answer \"" + std::string(correct) + "\" is not A, B, C or D");
        for (const int column : {kQuestion, kA, kB, kC, kD})
            if (IsBlank(question[static_cast<size_t>(column)]))
                Problem(line, column == kQuestion ? std::string("the question is empty")
                                                  : std::string("answer ") + static_cast<char>('A' + column - kA) +
                                                        " is empty");
        if (question[kDiagram].find_first_of("/\\") != std::string_view::npos)
            Problem(line, "the diagram \"" + std::string(question[kDiagram]) + "\" names a folder; give the file name only");
    }

    // Indexes start at 0 when any correct answer is given as 0.
    int IndexBase(const std::vector<CsvRecord>& records) const
    {
        const int position = m_positions[kCorrect];
        for (size_t i = 1; i < records.size(); ++i)
            if (static_cast<size_t>(position) < records[i].fields.size() &&
                Trimmed(records[i].fields[static_cast<size_t>(position)]) == "0")
                return 0;
        return 1;
    }

    std::string m_path;
    std::vector<std::string>& m_problems;
    std::vector<std::string>& m_warnings;
    int m_indexBase = 1;
    Book m_book;
    std::vector<int> m_positions;
    size_t m_width = 0;
    std::unordered_map<std::string_view, int> m_lineOfNumber;
};

class Writer {
public:
    explicit Writer(const std::string& path) : m_path(path) {}
    ~Writer()
    {
        sqlite3_finalize(m_insert);
        sqlite3_close(m_db);
        if (!m_temporary.empty())
            unlink(m_temporary.c_str());
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    std::string Write(const std::vector<Book>& books, const ImportRequest& request)
    {
        const size_t slash = m_path.rfind('/');
        m_temporary = (slash == std::string::npos ? std::string() : m_path.substr(0, slash + 1)) + ".quillo-bank-XXXXXX";
        const int fd = mkostemp(&m_temporary[0], O_CLOEXEC);
        if (fd < 0) {
            m_temporary.clear();
            return m_path + ": cannot be written in its folder";
        }
        close(fd);
        if (sqlite3_open_v2(m_temporary.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return Failed();
        // Nothing needs a journal: a bank that is not whole is never renamed
        // into place.
        if (!Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"
                  "CREATE TABLE BOOKNAMES(ID INTEGER PRIMARY KEY, TableName TEXT, Title TEXT);"
                  "CREATE TABLE NUMBER_OF_QUESTIONS(ID INTEGER PRIMARY KEY, Count TEXT);"))
            return Failed();
        for (size_t i = 0; i < request.counts.size(); ++i)
            if (!Insert("INSERT INTO NUMBER_OF_QUESTIONS VALUES(?1, ?2)", static_cast<int>(i) + 1,
                        std::array<std::string_view, 1>{request.counts[i]}))
                return Failed();
        for (size_t b = 0; b < books.size(); ++b)
            if (!WriteBook("BOOK" + std::to_string(b + 1), static_cast<int>(b) + 1, books[b], request.diagramFolder))
                return Failed();
        if (!Exec("COMMIT"))
            return Failed();
        sqlite3_finalize(m_insert);
        m_insert = nullptr;
        if (sqlite3_close(m_db) != SQLITE_OK)
            return Failed();
        m_db = nullptr;
        return Publish();
    }

private:
    bool Exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

    std::string Failed() const
    {
        return m_path + ": " + (m_db ? sqlite3_errmsg(m_db) : "cannot be created");
    }

    bool Prepare(const std::string& sql)
    {
        sqlite3_finalize(m_insert);
        m_insert = nullptr;
        return sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insert, nullptr) == SQLITE_OK;
    }

    template <size_t N>
    bool Run(int key, const std::array<std::string_view, N>& texts)
    {
        sqlite3_reset(m_insert);
        sqlite3_bind_int(m_insert, 1, key);
        // A null pointer would bind NULL; every text here is text, if empty.
        for (size_t i = 0; i < N; ++i)
            sqlite3_bind_text(m_insert, static_cast<int>(i) + 2, texts[i].data() ? texts[i].data() : "",
                              static_cast<int>(texts[i].size()), SQLITE_STATIC);
        return sqlite3_step(m_insert) == SQLITE_DONE;
    }

    template <size_t N>
    bool Insert(const char* sql, int key, const std::array<std::string_view, N>& texts)
    {
        return Prepare(sql) && Run(key, texts);
    }

    bool WriteBook(const std::string& table, int key, const Book& book, const std::string& folder)
    {
        if (!Insert("INSERT INTO BOOKNAMES VALUES(?1, ?2, ?3)", key, std::array<std::string_view, 2>{table, book.title}))
            return false;
        const std::string create = "CREATE TABLE " + table +
                                   "(ID INTEGER PRIMARY KEY, Section TEXT, Number TEXT, Answer TEXT, Question TEXT,"
                                   " A TEXT, B TEXT, C TEXT, D TEXT, Diagram TEXT, Folder TEXT, Note1 TEXT, Note2 TEXT)";
        if (!Exec(create.c_str()) ||
            !Prepare("INSERT INTO " + table + " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"))
            return false;
        int id = 0;
        for (const Question& q : book.questions) {
            const std::string_view questionFolder = q[kDiagram].empty() ? std::string_view() : folder;
            if (!Run(++id, std::array<std::string_view, 12>{q[kSection], q[kNumber], q[kCorrect], q[kQuestion], q[kA],
                                                            q[kB], q[kC], q[kD], q[kDiagram], questionFolder,
                                                            q[kNote], std::string_view()}))
                return false;
        }
        return true;
    }

    std::string Publish()
    {
        const int fd = open(m_temporary.c_str(), O_RDWR | O_CLOEXEC);
        const mode_t mask = umask(0);
        umask(mask);
        const bool synced = fd >= 0 && fchmod(fd, 0666 & ~mask) == 0 && fsync(fd) == 0;
        if (fd >= 0)
            close(fd);
        if (!synced || rename(m_temporary.c_str(), m_path.c_str()) != 0)
            return m_path + ": cannot be written";
        m_temporary.clear();
        return std::string();
    }

    std::string m_path;
    std::string m_temporary;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
};

bool IsDecimal(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char ch) { return std::isdigit(ch); });
}

} // namespace

std::vector<std::string> ImportBank(const ImportRequest& request, std::vector<std::string>* warnings)
{
    std::vector<std::string> unused;
    std::vector<std::string>& warned = warnings != nullptr ? *warnings : unused;
    std::vector<std::string> problems;
    struct stat existing{};
    if (!request.force && stat(request.bankPath.c_str(), &existing) == 0)
        problems.push_back(request.bankPath + ": already exists; give --force to replace it");
    if (request.books.empty())
        problems.push_back("no book given: name at least one with --book \"Title\" FILE.csv");
    // The program offers the counts as test sizes; one it could not start
    // a test of is refused here.
    constexpr size_t kLargestTest = 100000;
    for (const std::string& count : request.counts)
        if (!IsDecimal(count) || count.size() > 6 || std::stoul(count) < 1 || std::stoul(count) > kLargestTest)
            problems.push_back("--counts: \"" + count + "\" is not a number of questions from 1 to " +
                               std::to_string(kLargestTest));
    if (const std::string problem = TextProblem(request.diagramFolder); !problem.empty())
        problems.push_back("--diagrams: the folder name holds " + problem);

    std::vector<Book> books;
    for (const BookSource& source : request.books) {
        if (const std::string problem = TextProblem(source.title); !problem.empty())
            problems.push_back("--book \"" + source.title + "\": the title holds " + problem);
        books.push_back(BookReader(source, problems, warned).Read());
    }
    if (!problems.empty())
        return problems;
    const std::string written = Writer(request.bankPath).Write(books, request);
    if (!written.empty())
        problems.push_back(written);
    return problems;
}

} // namespace banktool

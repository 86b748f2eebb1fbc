#include "BankImport.h"
#include "Excerpt.h"
#include "SourceFormats.h"

namespace banktool {

namespace {

static_assert(kColumnCount == kCsvColumnCount);

// Other tools' names for our columns.
const std::pair<const char*, Column> kColumnAliases[] = {
    {"id", kNumber}, {"correct_letter", kCorrect}, {"figure", kDiagram},       {"image", kDiagram},
    {"refs", kNote}, {"reference", kNote},         {"feedback", kExplanation},
};
constexpr int kRequiredColumns = kDiagram;
// How many unknown columns a warning names.
constexpr size_t kColumnsNamed = 10;

// A correct answer given as a letter in either case, or as the index of the
// answer: 0 to 3 where the file's indexes start at 0 (any 0 in the column
// shows that), else 1 to 4. Anything else stays as it is, for the checks.
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

int ColumnNamed(const std::string& name)
{
    for (int column = 0; column < kColumnCount; ++column)
        if (name == kCsvColumns[column])
            return column;
    for (const auto& [alias, column] : kColumnAliases)
        if (name == alias)
            return column;
    return -1;
}

class CsvBookReader {
public:
    explicit CsvBookReader(SourceBook& book) : m_book(book) {}

    void Read()
    {
        m_book.csv = std::make_unique<CsvTable>(std::move(m_book.text));
        const std::vector<CsvRecord>& records = m_book.csv->Records();
        if (records.empty()) {
            if (m_book.csv->Problems().empty())
                m_book.Problem(1, "no header row naming the columns");
        } else if (ReadHeader(records.front())) {
            m_indexBase = IndexBase(records);
            m_book.questions.reserve(records.size() - 1);
            m_book.lines.reserve(records.size() - 1);
            for (size_t i = 1; i < records.size(); ++i)
                ReadQuestion(records[i]);
        }
        for (const CsvProblem& problem : m_book.csv->Problems())
            m_book.Problem(problem.line, problem.what);
    }

private:
    bool ReadHeader(const CsvRecord& header)
    {
        m_positions.assign(kColumnCount, -1);
        bool good = true;
        std::string ignored;
        size_t ignoredCount = 0;
        for (size_t i = 0; i < header.fields.size(); ++i) {
            const int column = ColumnNamed(Lower(Trimmed(header.fields[i])));
            if (column < 0) {
                // A file that is not CSV may make its whole first line one
                // "column"; a few are named, short.
                if (++ignoredCount <= kColumnsNamed)
                    ignored += (ignored.empty() ? "\"" : ", \"") + Excerpt(header.fields[i]) + "\"";
            } else if (column == kCorrect && IsIndexAndLetter(header, i)) {
                continue;
            } else if (m_positions[static_cast<size_t>(column)] >= 0) {
                m_book.Problem(header.line, "the column \"" + std::string(kCsvColumns[column]) + "\" is named twice");
                good = false;
            } else {
                m_positions[static_cast<size_t>(column)] = static_cast<int>(i);
            }
        }
        if (ignoredCount > kColumnsNamed)
            ignored += " and " + std::to_string(ignoredCount - kColumnsNamed) + " more";
        if (!ignored.empty())
            m_book.Warn(header.line, "left out, of no use to the program: " + ignored);
        for (int column = 0; column < kRequiredColumns; ++column)
            if (m_positions[static_cast<size_t>(column)] < 0) {
                m_book.Problem(header.line, std::string("missing column \"") + kCsvColumns[column] + "\"");
                good = false;
            }
        m_width = header.fields.size();
        return good;
    }

    // Published pools give the right answer twice: "correct", its index
    // from 0, and "correct_letter". The letter is taken and the index kept
    // to check it against; seen in either order.
    bool IsIndexAndLetter(const CsvRecord& header, size_t at)
    {
        size_t index = header.fields.size();
        size_t letter = header.fields.size();
        for (size_t i = 0; i < header.fields.size(); ++i) {
            const std::string name = Lower(Trimmed(header.fields[i]));
            if (name == "correct")
                index = i;
            else if (name == "correct_letter")
                letter = i;
        }
        if (index == header.fields.size() || letter == header.fields.size())
            return false;
        m_indexPosition = static_cast<int>(index);
        m_positions[kCorrect] = static_cast<int>(letter);
        return at == index || at == letter;
    }

    void ReadQuestion(const CsvRecord& record)
    {
        if (record.fields.size() != m_width) {
            m_book.Problem(record.line, std::to_string(record.fields.size()) + " fields where the header names " +
                                            std::to_string(m_width));
            return;
        }
        Question question;
        for (int column = 0; column < kColumnCount; ++column) {
            const int position = m_positions[static_cast<size_t>(column)];
            if (position >= 0)
                question[static_cast<size_t>(column)] = record.fields[static_cast<size_t>(position)];
        }
        question[kCorrect] = CorrectLetter(Trimmed(question[kCorrect]), m_indexBase);
        if (m_indexPosition >= 0) {
            const std::string_view byIndex =
                CorrectLetter(Trimmed(record.fields[static_cast<size_t>(m_indexPosition)]), 0);
            if (byIndex != question[kCorrect])
                m_book.Warn(record.line, "the column \"correct\" gives " + Excerpt(byIndex) +
                                             " (counting from 0) where \"correct_letter\" gives " +
                                             Excerpt(question[kCorrect]) + "; the letter is taken");
        }
        m_book.Add(record.line, question);
    }

    // Indexes start at 0 when any correct answer is given as 0.
    int IndexBase(const std::vector<CsvRecord>& records) const
    {
        if (m_indexPosition >= 0)
            return 0;
        const int position = m_positions[kCorrect];
        for (size_t i = 1; i < records.size(); ++i)
            if (static_cast<size_t>(position) < records[i].fields.size() &&
                Trimmed(records[i].fields[static_cast<size_t>(position)]) == "0")
                return 0;
        return 1;
    }

    SourceBook& m_book;
    int m_indexBase = 1;
    std::vector<int> m_positions;
    // Where "correct" stands beside "correct_letter"; -1 without it.
    int m_indexPosition = -1;
    size_t m_width = 0;
};

} // namespace

void ReadCsvBook(SourceBook& book)
{
    CsvBookReader(book).Read();
}

} // namespace banktool

#include "Progress.h"

#include "COptions.h"
#include "Percent.h"
#include "ReviewSchedule.h"

#include <string>
#include <string_view>
#include <unordered_map>

int ProgressFigures::ReadyPercent() const
{
    return WholePercent(correct, questions);
}

bool ShowsWeaker(const ProgressFigures& figures, const ProgressFigures& other)
{
    if ((figures.answered == 0) != (other.answered == 0))
        return other.answered == 0;
    const long long share = 1LL * figures.missed * other.answered;
    const long long otherShare = 1LL * other.missed * figures.answered;
    if (share != otherShare)
        return share > otherShare;
    return figures.missed > other.missed;
}

namespace {

enum Outcome : unsigned char { kAnswered = 1, kCorrect = 2, kMissed = 4, kTagged1 = 8, kTagged2 = 16, kDue = 32 };

// The outcomes the record holds for the book's questions, by number: one
// walk over each set, whose keys are the table, a dot and the number.
std::unordered_map<std::string, unsigned char> OutcomesOf(const COptions& record, const CString& table,
                                                          int64_t dueBefore)
{
    const std::string prefix = std::string(static_cast<const char*>(table)) + ".";
    const std::pair<const CMapStringToString*, Outcome> sets[] = {
        {&record.m_answered, kAnswered}, {&record.m_correct, kCorrect}, {&record.m_missed, kMissed},
        {&record.m_tagged1, kTagged1},   {&record.m_tagged2, kTagged2},
    };
    std::unordered_map<std::string, unsigned char> outcomes;
    for (const auto& [set, outcome] : sets)
        for (const auto& entry : *set) {
            const std::string_view key(entry.first, static_cast<size_t>(entry.first.GetLength()));
            if (key.size() >= prefix.size() && key.compare(0, prefix.size(), prefix) == 0)
                outcomes[std::string(key.substr(prefix.size()))] |= outcome;
        }
    // A question the history has is right or missed by its last answer,
    // and due or not by the schedule of its answers.
    for (const auto& [key, answers] : record.m_history) {
        const std::string_view text(key, static_cast<size_t>(key.GetLength()));
        if (answers.empty() || text.size() < prefix.size() || text.compare(0, prefix.size(), prefix) != 0)
            continue;
        unsigned char& outcome = outcomes[std::string(text.substr(prefix.size()))];
        outcome =
            static_cast<unsigned char>((outcome & ~(kCorrect | kMissed)) | (answers.back().right ? kCorrect : kMissed) |
                                       (DueTime(answers) < dueBefore ? kDue : 0));
    }
    return outcomes;
}

ProgressFigures FiguresOf(unsigned char outcome)
{
    ProgressFigures figures;
    figures.questions = 1;
    figures.answered = (outcome & kAnswered) != 0;
    figures.correct = (outcome & kCorrect) != 0;
    figures.missed = !figures.correct && (outcome & kMissed) != 0;
    figures.tagged1 = (outcome & kTagged1) != 0;
    figures.tagged2 = (outcome & kTagged2) != 0;
    figures.due = (outcome & kDue) != 0;
    return figures;
}

void Add(ProgressFigures& into, const ProgressFigures& one)
{
    into.questions += one.questions;
    into.answered += one.answered;
    into.correct += one.correct;
    into.missed += one.missed;
    into.tagged1 += one.tagged1;
    into.tagged2 += one.tagged2;
    into.due += one.due;
}

} // namespace

BookProgress MeasureBook(const COptions& record, const CString& table, const CString& title,
                         const std::vector<BookQuestion>& questions, int64_t dueBefore)
{
    BookProgress book{table, title, {}, {}};
    SectionOrder order;
    bool anySection = false;
    const std::unordered_map<std::string, unsigned char> outcomes = OutcomesOf(record, table, dueBefore);
    // Books list their sections in runs; the last one found is asked first.
    size_t section = 0;
    for (const BookQuestion& question : questions) {
        const auto found = outcomes.empty() ? outcomes.end() : outcomes.find(static_cast<const char*>(question.number));
        const ProgressFigures one = FiguresOf(found == outcomes.end() ? 0 : found->second);
        Add(book.figures, one);
        if (book.sections.empty() || question.section != book.sections[section].name) {
            const auto [place, added] = order.Place(question.section);
            if (added)
                book.sections.push_back({question.section, {}});
            section = place;
        }
        Add(book.sections[section].figures, one);
        anySection = anySection || !question.section.IsEmpty();
    }
    if (!anySection)
        book.sections.clear();
    return book;
}

CString BuildSelectSection(const COptions& record, const CString& sectionColumn, const CString& section)
{
    const CString column = SqlQuoted(sectionColumn, '"');
    if (section.IsEmpty())
        return record.BuildSelectWhere() + " AND (" + column + " IS NULL OR " + column + " = '')";
    return record.BuildSelectWhere() + " AND " + column + " = " + SqlQuoted(section);
}

#include "Progress.h"

#include "COptions.h"

#include <string>
#include <unordered_map>

int ProgressFigures::ReadyPercent() const
{
    return questions == 0 ? 0 : static_cast<int>(100LL * correct / questions);
}

namespace {

// The record's sets are keyed by table and number, as commits key them.
ProgressFigures FiguresOf(const COptions& record, const CString& key)
{
    ProgressFigures figures;
    figures.questions = 1;
    figures.answered = record.m_answered.Contains(key);
    figures.correct = record.m_correct.Contains(key);
    figures.missed = !figures.correct && record.m_missed.Contains(key);
    figures.tagged1 = record.m_tagged1.Contains(key);
    figures.tagged2 = record.m_tagged2.Contains(key);
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
}

} // namespace

BookProgress MeasureBook(const COptions& record, const CString& table, const CString& title,
                         const std::vector<BookQuestion>& questions)
{
    BookProgress book{table, title, {}, {}};
    std::unordered_map<std::string, size_t> sectionIndex;
    bool anySection = false;
    const CString prefix = table + ".";
    for (const BookQuestion& question : questions) {
        const ProgressFigures one = FiguresOf(record, prefix + question.number);
        Add(book.figures, one);
        const std::string name(static_cast<const char*>(question.section));
        auto [place, added] = sectionIndex.emplace(name, book.sections.size());
        if (added)
            book.sections.push_back({question.section, {}});
        Add(book.sections[place->second].figures, one);
        anySection = anySection || !question.section.IsEmpty();
    }
    if (!anySection)
        book.sections.clear();
    return book;
}

CString BuildSelectSection(const COptions& record, const CString& sectionColumn, const CString& section)
{
    return record.BuildSelectWhere() + " AND " + SqlQuoted(sectionColumn, '"') + " = " + SqlQuoted(section);
}

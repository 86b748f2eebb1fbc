#include "ExamSettings.h"

#include "bank/PracticeExamTable.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kMostSectionQuestions = 100;
constexpr int kRandomQuestions = 50;

// Draws of 15 bits joined, so that books past 32,768 rows are reached whole.
size_t Below(size_t bound, afx::CrtRandom& random)
{
    const size_t wide = (static_cast<size_t>(random.Next()) << 15) | static_cast<size_t>(random.Next());
    return wide % bound;
}

// Takes count of candidates at random, moving them out of candidates.
void TakeAtRandom(std::vector<size_t>& candidates, size_t count, afx::CrtRandom& random, std::vector<size_t>& into)
{
    for (size_t i = 0; i < count && !candidates.empty(); ++i) {
        const size_t pick = Below(candidates.size(), random);
        into.push_back(candidates[pick]);
        candidates[pick] = candidates.back();
        candidates.pop_back();
    }
}

} // namespace

std::vector<std::vector<size_t>> RowsBySection(const std::vector<BookQuestion>& book)
{
    std::vector<std::vector<size_t>> sections;
    SectionOrder order;
    for (size_t row = 0; row < book.size(); ++row) {
        if (book[row].section.IsEmpty())
            continue;
        const auto [place, added] = order.Place(book[row].section);
        if (added)
            sections.emplace_back();
        sections[place].push_back(row);
    }
    return sections;
}

int CountSections(const std::vector<BookQuestion>& book)
{
    return static_cast<int>(RowsBySection(book).size());
}

ExamSettings DefaultExamSettings(const std::vector<BookQuestion>& book,
                                 const std::optional<litex::StoredPracticeExam>& stored)
{
    const int size = static_cast<int>(book.size());
    ExamSettings settings;
    if (stored && stored->questions > 0 && stored->passMark >= 1 && stored->passMark <= 100 && stored->minutes >= 0 &&
        stored->minutes <= kMaxExamMinutes) {
        settings.questions = std::min(stored->questions, size);
        settings.passMarkPercent = stored->passMark;
        settings.minutes = stored->minutes;
        settings.perSection = stored->perSection;
        return settings;
    }
    const int sections = CountSections(book);
    settings.perSection = sections >= 2;
    settings.questions =
        std::min(settings.perSection ? std::min(sections, kMostSectionQuestions) : kRandomQuestions, size);
    settings.minutes = std::min(settings.questions, kMaxExamMinutes);
    return settings;
}

std::vector<size_t> DrawExam(const std::vector<BookQuestion>& book, const ExamSettings& settings,
                             afx::CrtRandom& random)
{
    const size_t wanted = static_cast<size_t>(std::clamp(settings.questions, 0, static_cast<int>(book.size())));
    std::vector<size_t> drawn;
    drawn.reserve(wanted);
    if (!settings.perSection) {
        std::vector<size_t> all(book.size());
        std::iota(all.begin(), all.end(), size_t{0});
        TakeAtRandom(all, wanted, random, drawn);
        return drawn;
    }
    std::vector<std::vector<size_t>> sections = RowsBySection(book);
    std::vector<size_t> sectionOrder(sections.size());
    std::iota(sectionOrder.begin(), sectionOrder.end(), size_t{0});
    std::vector<size_t> chosenSections;
    TakeAtRandom(sectionOrder, wanted, random, chosenSections);
    std::vector<bool> taken(book.size(), false);
    for (const size_t section : chosenSections) {
        std::vector<size_t>& rows = sections[section];
        TakeAtRandom(rows, 1, random, drawn);
        taken[drawn.back()] = true;
    }
    std::vector<size_t> rest;
    for (size_t row = 0; row < book.size(); ++row)
        if (!taken[row])
            rest.push_back(row);
    TakeAtRandom(rest, wanted - drawn.size(), random, drawn);
    std::sort(drawn.begin(), drawn.end());
    return drawn;
}

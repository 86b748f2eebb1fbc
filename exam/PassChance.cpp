#include "PassChance.h"

#include "COptions.h"
#include "Percent.h"
#include "ReviewSchedule.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kGuess = 0.25;
constexpr double kOnlyRight = 0.9;
constexpr double kRightAndMissed = 0.5;

// scores[j][k]: the chance that j items have been drawn so far and k
// answers are right.
using Scores = std::vector<std::vector<double>>;

Scores Start(size_t drawn, size_t mostRight)
{
    Scores scores(drawn + 1, std::vector<double>(mostRight + 2, 0.0));
    scores[0][0] = 1;
    return scores;
}

// Counts one more item that is certainly in the exam.
void Take(Scores& scores, double chance)
{
    for (std::vector<double>& row : scores)
        for (size_t k = row.size() - 1; k-- > 0;) {
            row[k + 1] += row[k] * chance;
            row[k] *= 1 - chance;
        }
}

// Scans the items a uniform draw of `wanted` chooses from, one by one,
// taking each with the chance such a draw takes it given how many were
// taken before: so every set of `wanted` is equally likely, as DrawExam's
// draw makes it. `seen` counts the items scanned before, of `total`.
void Scan(Scores& scores, double chance, size_t wanted, size_t& seen, size_t total)
{
    const auto left = static_cast<double>(total - seen);
    ++seen;
    for (size_t j = std::min(seen, wanted); j-- > 0;) {
        const double take = static_cast<double>(wanted - j) / left;
        std::vector<double>& row = scores[j];
        std::vector<double>& next = scores[j + 1];
        for (size_t k = row.size() - 1; k-- > 0;) {
            const double mass = row[k];
            if (mass == 0)
                continue;
            next[k + 1] += mass * take * chance;
            next[k] += mass * take * (1 - chance);
            row[k] = mass * (1 - take);
        }
    }
}

// A uniform draw of `wanted` of the items.
std::vector<double> DrawnScores(const std::vector<double>& chances, size_t wanted)
{
    Scores scores = Start(wanted, wanted);
    size_t seen = 0;
    for (const double chance : chances)
        Scan(scores, chance, wanted, seen, chances.size());
    return scores[wanted];
}

// One question from each section, and the rest drawn from all the rows
// not taken so: each row of a section taken in turn, equally likely, and
// the section's other rows scanned for the rest; then the rows that name
// no section.
std::vector<double> SectionThenRestScores(const std::vector<std::vector<size_t>>& sections,
                                          const std::vector<size_t>& unsectioned, const std::vector<double>& chances,
                                          size_t wanted)
{
    const size_t rest = wanted - sections.size();
    size_t total = unsectioned.size();
    for (const auto& rows : sections)
        total += rows.size() - 1;
    Scores scores = Start(rest, wanted);
    size_t seen = 0;
    for (const auto& rows : sections) {
        Scores mixed = Start(rest, wanted);
        mixed[0][0] = 0;
        size_t seenAfter = seen;
        for (const size_t taken : rows) {
            Scores one = scores;
            Take(one, chances[taken]);
            seenAfter = seen;
            for (const size_t row : rows)
                if (row != taken)
                    Scan(one, chances[row], rest, seenAfter, total);
            for (size_t j = 0; j <= rest; ++j)
                for (size_t k = 0; k < one[j].size(); ++k)
                    mixed[j][k] += one[j][k] / static_cast<double>(rows.size());
        }
        scores = std::move(mixed);
        seen = seenAfter;
    }
    for (const size_t row : unsectioned)
        Scan(scores, chances[row], rest, seen, total);
    return scores[rest];
}

} // namespace

int PassCount(const ExamSettings& settings, int questions)
{
    // The exam passes when 100 x right >= pass mark x questions.
    return (settings.passMarkPercent * questions + 99) / 100;
}

int ChancePercent(double chance)
{
    constexpr long long kParts = 1000000;
    return WholePercent(std::llround(std::clamp(chance, 0.0, 1.0) * kParts), kParts);
}

double RightChance(const COptions& record, const CString& number, int64_t now)
{
    const CString key = record.MakeKey(number);
    if (const std::vector<AnswerEvent>* answers = record.m_history.Of(key); answers != nullptr && !answers->empty())
        return RecallChance(*answers, now);
    const bool right = record.m_correct.Contains(key);
    const bool missed = record.m_missed.Contains(key);
    if (right)
        return missed ? kRightAndMissed : kOnlyRight;
    return kGuess;
}

double PassChance(const std::vector<BookQuestion>& book, const std::vector<double>& rightChances,
                  const ExamSettings& settings)
{
    const auto wanted = static_cast<size_t>(std::clamp(settings.questions, 0, static_cast<int>(book.size())));
    if (wanted == 0)
        return 0;
    std::vector<double> scores;
    const std::vector<std::vector<size_t>> sections =
        settings.perSection ? RowsBySection(book) : std::vector<std::vector<size_t>>();
    if (!settings.perSection) {
        scores = DrawnScores(rightChances, wanted);
    } else if (sections.size() >= wanted) {
        // Sections drawn at random, one question from each: a section is
        // right with the mean chance of its rows.
        std::vector<double> sectionChances;
        for (const auto& rows : sections) {
            double sum = 0;
            for (const size_t row : rows)
                sum += rightChances[row];
            sectionChances.push_back(sum / static_cast<double>(rows.size()));
        }
        scores = DrawnScores(sectionChances, wanted);
    } else {
        std::vector<bool> inSection(book.size(), false);
        for (const auto& rows : sections)
            for (const size_t row : rows)
                inSection[row] = true;
        std::vector<size_t> unsectioned;
        for (size_t row = 0; row < book.size(); ++row)
            if (!inSection[row])
                unsectioned.push_back(row);
        scores = SectionThenRestScores(sections, unsectioned, rightChances, wanted);
    }
    double pass = 0;
    for (auto k = static_cast<size_t>(PassCount(settings, static_cast<int>(wanted))); k < scores.size(); ++k)
        pass += scores[k];
    return std::clamp(pass, 0.0, 1.0);
}

std::vector<double> RightChances(const COptions& record, const std::vector<BookQuestion>& book, int64_t now)
{
    std::vector<double> chances;
    chances.reserve(book.size());
    for (const BookQuestion& question : book)
        chances.push_back(RightChance(record, question.number, now));
    return chances;
}

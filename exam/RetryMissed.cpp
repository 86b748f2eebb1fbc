#include "RetryMissed.h"

#include "COptions.h"

#include <algorithm>

namespace {
std::array<int*, 7> ChoiceOf(COptions& record)
{
    return {&record.m_nMode,    &record.m_bNew,     &record.m_bMissed,  &record.m_bCorrect,
            &record.m_bTagged1, &record.m_bTagged2, &record.m_bUntagged};
}
} // namespace

bool HasMissedToRetry(const COptions& record)
{
    const CString book = record.m_strTable + ".";
    return std::any_of(record.m_missed.begin(), record.m_missed.end(), [&](const auto& entry) {
        return entry.first.Left(book.GetLength()) == book && record.IsStillMissed(entry.first);
    });
}

RetryMissedChoice::RetryMissedChoice(COptions& record) : m_record(record)
{
    const std::array<int*, 7> choice = ChoiceOf(record);
    // Random order; every class but New and Correct.
    const std::array<int, 7> retry = {0, 0, 1, 0, 1, 1, 1};
    for (size_t i = 0; i < choice.size(); ++i) {
        m_saved[i] = *choice[i];
        *choice[i] = retry[i];
    }
}

RetryMissedChoice::~RetryMissedChoice()
{
    const std::array<int*, 7> choice = ChoiceOf(m_record);
    for (size_t i = 0; i < choice.size(); ++i)
        *choice[i] = m_saved[i];
}

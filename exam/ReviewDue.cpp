#include "ReviewDue.h"

#include "COptions.h"
#include "ReviewSchedule.h"

#include <algorithm>
#include <ctime>
#include <utility>

std::vector<CString> DueNumbers(const COptions& record, int64_t now)
{
    const CString prefix = record.m_strTable + ".";
    std::vector<std::pair<int64_t, CString>> due;
    for (const auto& [key, answers] : record.m_history) {
        if (answers.empty() || key.Left(prefix.GetLength()) != prefix)
            continue;
        const int64_t when = DueTime(answers);
        if (when <= now)
            due.emplace_back(when, key.Mid(prefix.GetLength()));
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const auto& one, const auto& other) { return one.first < other.first; });
    std::vector<CString> numbers;
    numbers.reserve(due.size());
    for (auto& entry : due)
        numbers.push_back(std::move(entry.second));
    return numbers;
}

int64_t EndOfDay(int64_t now)
{
    const auto time = static_cast<std::time_t>(now);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr)
        return now;
    local.tm_hour = 0;
    local.tm_min = 0;
    local.tm_sec = 0;
    local.tm_mday += 1;
    local.tm_isdst = -1;
    const std::time_t next = std::mktime(&local);
    return next == static_cast<std::time_t>(-1) ? now : static_cast<int64_t>(next);
}
